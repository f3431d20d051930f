#pragma once
#include <memory>

#include "base/Component.h"
#include "ui/Canvas.h"
#include "ui/DibSection.h"
#include "ui/GraphicControl.h"
#include "ui/PageControl.h"
#include "ui/Placement.h"
#include "ui/Window.h"

class ControlHost;

// The base of windowed controls that paint themselves: a child window of the page
// that can take the focus and the keyboard, knows when the mouse comes and goes, and
// paints over a copy of what lies behind it.
class CustomControl : public TComponent, protected Window, public PageControl, public Placement<CustomControl> {
public:
    explicit CustomControl(ControlHost& parent);
    ~CustomControl() override;
    // The control whose window this is, or null.
    static CustomControl* FromHandle(HWND window);

    using Window::Handle;
    ControlHost& Parent() const override { return parent_; }
    RECT Bounds() const override { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    bool Visible() const override { return IsWindowVisible(Handle()) != FALSE; }
    void SetVisible(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }
    bool Enabled() const override { return IsWindowEnabled(Handle()) != FALSE; }
    void SetEnabled(bool enabled);
    bool TabStop() const override;
    HWND FocusWindow() const override { return Handle(); }
    HWND AccessibleWindow() const override { return Handle(); }
    void Activate() override { Click(); }
    void SetTabStop(bool tabStop);
    // Kept from the focus messages: asking the system costs a round trip per paint.
    bool Focused() const { return focused_; }
    void SetFocus() { ::SetFocus(Handle()); }
    bool MouseInControl() const { return mouseInside_; }
    void Invalidate() { InvalidateRect(Handle(), nullptr, FALSE); }
    // Paints the whole control into dc, at its top-left corner, as its window shows it.
    void PaintTo(HDC dc);
    // Paints now rather than with the next pass of the message loop. Not while the page
    // is read: its window is not shown yet and paints whole when it is, and each
    // property a control reads would cost two trips to the window system.
    void Repaint()
    {
        if (IsLoading()) return;
        Invalidate();
        UpdateWindow(Handle());
    }

    NotifyEvent OnClick;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;

    // Bounds, Visible, Enabled, TabStop, OnClick, OnMouseEnter, OnMouseLeave, TabOrder,
    // AccessibleName, AccessibleRole.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    // Fills the offscreen surface of one paint (the control's size), which then reaches
    // the screen in one blit: by default the background, then Paint over it.
    virtual void PaintOffscreen(const OffscreenBitmap& surface);
    // Paints the control over the copy of its background already in the canvas.
    virtual void Paint(TCanvas& canvas);
    // What lies behind the control, painted into dc at the control's size.
    void PaintParentBackground(HDC dc) const;
    virtual void MouseEntered();
    virtual void MouseLeft();
    virtual void MouseDown(MouseButton button, unsigned keys, int x, int y);
    virtual void MouseUp(MouseButton button, unsigned keys, int x, int y);
    virtual void KeyDown(WORD key);
    virtual void FocusChanged(bool focused);
    // The page's background behind the control changed (WM_PARENTBACKGROUNDCHANGED).
    virtual void BackgroundChanged();
    virtual void Click();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintWindow();

    ControlHost& parent_;
    std::unique_ptr<OffscreenBitmap> surface_;
    bool focused_ = false;
    RECT bounds_{}; // kept from WM_WINDOWPOSCHANGED, in the page's client coordinates
    bool mouseInside_ = false;
    bool pressed_ = false;
};
