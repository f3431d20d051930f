#pragma once
#include <functional>
#include <vector>

#include "framework/GraphicControl.h"
#include "framework/Window.h"

// A borderless top-level page owned by the application window. It paints its
// background and its graphic controls into one offscreen bitmap, so nothing flickers.
class Page : public Window {
public:
    Page(int width, int height);
    ~Page() override;

    void Show();
    void Hide();
    bool Visible() const;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);
    void SetSize(int width, int height);
    void SetLeft(int left);
    void SetTop(int top);
    void CenterOnDesktop();

    // The page follows the mouse while the left button stays down.
    void Drag();

    void Invalidate();
    void InvalidateRect(const RECT& area);

    // Clicks and drags on the page outside every control.
    std::function<void(MouseButton, unsigned, int, int)> OnMouseDown;

    void AddControl(GraphicControl& control) { controls_.push_back(&control); }
    void RemoveControl(GraphicControl& control);

protected:
    virtual void PaintBackground(HDC dc, const RECT& client);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT WindowBounds() const;
    GraphicControl* ControlAt(int x, int y) const;
    void Paint();
    void RouteMouse(UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<GraphicControl*> controls_;
    GraphicControl* mouseControl_ = nullptr; // holds the mouse while a button is down
};
