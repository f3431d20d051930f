#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/Component.h"
#include "ui/ControlHost.h"
#include "ui/GdiObjects.h"
#include "ui/GraphicControl.h"
#include "ui/PageControl.h"
#include "ui/PageOwner.h"
#include "ui/Placement.h"
#include "ui/Window.h"

class PropertyReader;

// A borderless top-level page owned by the application window. It paints its
// background and its graphic controls into one offscreen bitmap, so nothing flickers.
// A page streamed from a definition owns the components the definition made.
class Page : public Window, public ControlHost, public Placement<Page> {
public:
    // Made with its owner's title, owned by its owner's window.
    Page(PageOwner& owner, int width, int height);
    ~Page() override;
    // The page whose window this is, or null.
    static Page* FromHandle(HWND window);

    HWND Handle() const override { return Window::Handle(); }
    void Show();
    void Hide();
    bool Visible() const override;

    RECT Bounds() const; // on the screen
    void SetBounds(int left, int top, int width, int height);
    void CenterOnDesktop();
    void CenterOnDesktop(int width, int height); // and takes that size
    void SetColor(COLORREF color);

    // The page follows the mouse while the left button stays down.
    void Drag();

    void Invalidate();
    void InvalidateRect(const RECT& area) override;
    // Paints what lies in `area` of the page into dc, the area's top-left corner at the
    // dc's origin: the background and the graphic controls, all of them (the copy a
    // windowed control shows through: windows lie above every graphic control) or only
    // those below `below` in z-order (the copy a graphic control shows through).
    // PaintingCopy() is true meanwhile.
    void PaintArea(HDC dc, const RECT& area, const GraphicControl* below = nullptr) override;
    bool PaintingCopy() const override { return paintingCopy_; }
    // Tells every control window that what lies behind it changed.
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
    // Page-level properties of a definition: Size, Color, OnCreate, OnShow, OnMouseDown,
    // DefaultControl, CancelControl.
    virtual bool SetProperty(const PageProperty& property, PropertyReader& loader);

    // The keyboard, as a dialog has it. Tab and Shift+Tab move the focus through the
    // tab stops; Enter presses the focused control when it takes Enter and the default
    // control otherwise; Esc and the system's close (Alt+F4) press the cancel control.
    // A windowless control has the focus while the page's window holds it for it.
    PageControl* DefaultControl = nullptr;
    PageControl* CancelControl = nullptr;
    // The controls of the page's definition that Tab reaches now, in tab order: tab
    // stops that are shown, enabled and within the page's current height.
    std::vector<PageControl*> TabStops() const;
    bool WithinHeight(const PageControl& control) const override;
    PageControl* FocusedControl() const override;
    void FocusControl(PageControl& control) override;
    // The keyboard focus is on the page or one of its controls.
    bool HasKeyboard() const override;
    // A key message bound for the page or one of its controls, seen by the message loop
    // before it is translated; true when the page took it.
    bool DialogKey(const MSG& msg);

    // The controls a screen reader is told of, in the page's order; a control's child
    // id is its position from 1.
    std::vector<PageControl*> AccessibleControls() const override;
    LONG AccessibleChildId(const PageControl& control) const override;
    // Presses the control once the page's queue gets to it (a screen reader's press).
    void PressLater(PageControl& control) override;

    void AddControl(GraphicControl& control) override { controls_.push_back(&control); }
    void RemoveControl(GraphicControl& control) override;
    void RegisterCommand(HWND child, std::function<void(WORD)> handler) override { commands_[child] = std::move(handler); }
    void UnregisterCommand(HWND child) override { commands_.erase(child); }

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
    std::vector<PageControl*> PageControls() const;
    void MoveFocus(bool backward);
    void SetWindowlessFocus(PageControl* control);
    void InvalidateFocusMark();
    void Cancel();
    // Offers an Alt+character to the control windows; true when one took it.
    bool OfferAccelerator(WPARAM character);

    PageOwner& owner_;
    std::vector<std::unique_ptr<TComponent>> components_; // made by a definition
    std::vector<GraphicControl*> controls_;
    GraphicControl* mouseControl_ = nullptr; // holds the mouse while a button is down
    GraphicControl* hoverControl_ = nullptr;
    std::map<HWND, std::function<void(WORD)>> commands_;
    std::map<std::string, NotifyEvent, std::less<>> notifyHandlers_;
    std::map<std::string, MouseEvent, std::less<>> mouseHandlers_;
    std::vector<std::function<void()>> bindings_;
    COLORREF color_;
    BrushHandle brush_; // of color_, made on first use
    bool paintingCopy_ = false;
    PageControl* windowlessFocus_ = nullptr; // the focused control while the page's window has the focus
    HWND focusOnDeactivate_ = nullptr;       // the control window to give the focus back to
    bool focusCues_ = false; // focus marks show from the first Tab on, as in the system's dialogs
    bool spaceDown_ = false;
};
