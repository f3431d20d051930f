#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/GraphicControl.h"
#include "framework/Handles.h"
#include "framework/Placement.h"
#include "framework/Window.h"

class PropertyReader;

// Sent to a child window when what lies behind it changed (the number is the contract
// between skinned controls and their parents).
constexpr UINT WM_PARENTBACKGROUNDCHANGED = WM_USER + 260; // 1284
// Offers an Alt+character (wParam) of the page to a child window: non-zero means the
// child took it as its accelerator.
constexpr UINT WM_DIALOGCHAR = WM_APP + 1;

// A borderless top-level page owned by the application window. It paints its
// background and its graphic controls into one offscreen bitmap, so nothing flickers.
// A page streamed from a definition owns the components the definition made.
class Page : public Window, public Placement<Page> {
public:
    Page(int width, int height);
    ~Page() override;

    void Show();
    void Hide();
    bool Visible() const;

    RECT Bounds() const; // on the screen
    void SetBounds(int left, int top, int width, int height);
    void CenterOnDesktop();
    void CenterOnDesktop(int width, int height); // and takes that size
    void SetColor(COLORREF color);

    // The page follows the mouse while the left button stays down.
    void Drag();

    void Invalidate();
    void InvalidateRect(const RECT& area);
    // Paints what lies in `area` of the page into dc, the area's top-left corner at the
    // dc's origin: the background and the graphic controls, all of them (the copy a
    // windowed control shows through: windows lie above every graphic control) or only
    // those below `below` in z-order (the copy a graphic control shows through).
    // PaintingCopy() is true meanwhile.
    void PaintArea(HDC dc, const RECT& area, const GraphicControl* below = nullptr);
    bool PaintingCopy() const { return paintingCopy_; }
    // Tells every child window that what lies behind it changed.
    void NotifyBackgroundChanged();

    // Clicks and drags on the page outside every control.
    MouseEvent OnMouseDown;
    // Runs once the page's definition has been streamed in.
    NotifyEvent OnCreate;
    // Runs each time Show makes the page visible.
    NotifyEvent OnShow;

    // Handlers the page offers its definition, by name.
    void AddHandler(std::string name, NotifyEvent handler) { notifyHandlers_[std::move(name)] = std::move(handler); }
    void AddHandler(std::string name, MouseEvent handler) { mouseHandlers_[std::move(name)] = std::move(handler); }
    const NotifyEvent* FindNotifyHandler(std::string_view name) const;
    const MouseEvent* FindMouseHandler(std::string_view name) const;

    // Components made by a definition.
    void Adopt(std::unique_ptr<TComponent> component) { components_.push_back(std::move(component)); }
    TComponent* FindComponent(std::string_view name) const;
    bool Owns(const TComponent& component) const;
    template <typename T>
    T& Get(std::string_view name) const
    {
        T* component = dynamic_cast<T*>(FindComponent(name));
        if (!component) ThrowMissing(name);
        return *component;
    }
    // Ties a member to the component of that name once the definition is read (before
    // the creation handler runs); a missing or different component raises.
    template <typename T>
    void Bind(std::string name, T*& slot)
    {
        bindings_.push_back([this, name = std::move(name), &slot] { slot = &Get<T>(name); });
    }
    void BindComponents()
    {
        for (const auto& bind : bindings_) bind();
    }
    // Page-level properties of a definition: Size, Color, OnCreate, OnShow, OnMouseDown.
    virtual bool SetProperty(const PageProperty& property, PropertyReader& loader);

    void AddControl(GraphicControl& control) { controls_.push_back(&control); }
    void RemoveControl(GraphicControl& control);
    // Child windows that report through WM_COMMAND (buttons).
    void RegisterCommand(HWND child, std::function<void(WORD)> handler) { commands_[child] = std::move(handler); }
    void UnregisterCommand(HWND child) { commands_.erase(child); }

protected:
    // Paints the page's own background over area, in client coordinates.
    virtual void PaintBackground(HDC dc, const RECT& area);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    [[noreturn]] static void ThrowMissing(std::string_view name);
    GraphicControl* ControlAt(int x, int y) const;
    void Paint();
    void Render(HDC dc, const RECT& area, const GraphicControl* below);
    void RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void SetHover(GraphicControl* control);
    void AlignControls();

    std::vector<std::unique_ptr<TComponent>> components_; // made by a definition
    std::vector<GraphicControl*> controls_;
    GraphicControl* mouseControl_ = nullptr; // holds the mouse while a button is down
    GraphicControl* hoverControl_ = nullptr;
    std::map<HWND, std::function<void(WORD)>> commands_;
    std::map<std::string, NotifyEvent, std::less<>> notifyHandlers_;
    std::map<std::string, MouseEvent, std::less<>> mouseHandlers_;
    std::vector<std::function<void()>> bindings_;
    COLORREF color_;
    GdiObject brush_; // of color_, made on first use
    bool paintingCopy_ = false;
};
