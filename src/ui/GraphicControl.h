#pragma once
#include <functional>

#include "base/Component.h"
#include "base/Win32.h"
#include "ui/PageControl.h"
#include "ui/Placement.h"

class ControlHost;

enum class MouseButton { Left, Right, Middle };

// A control without a window of its own: its page paints it, hands it the mouse and,
// when it is a tab stop, holds the keyboard focus for it.
class GraphicControl : public TComponent, public PageControl, public Placement<GraphicControl> {
public:
    explicit GraphicControl(ControlHost& parent);
    GraphicControl(const GraphicControl&) = delete;
    GraphicControl& operator=(const GraphicControl&) = delete;
    ~GraphicControl() override;

    ControlHost& Parent() const override { return parent_; }
    RECT Bounds() const override { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    // Client-aligned: the control always covers its page's client area.
    bool FillsParent() const { return fillsParent_; }
    void SetFillsParent(bool fills);

    bool Visible() const override { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool HandCursor = false;

    bool TabStop() const override { return tabStop_; }
    void SetTabStop(bool on) { tabStop_ = on; }
    void Activate() override { Click(); }
    // A smooth ring in FocusColor just clear of the control's outline, whose ends are
    // round as the artwork's buttons are.
    void PaintFocusMark(HDC dc) const override;
    COLORREF FocusColor = RGB(22, 119, 255); // the artwork's blue

    NotifyEvent OnClick;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;
    // Button, key and button state (MK_ flags), point in control coordinates.
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    std::function<void(unsigned, int, int)> OnMouseMove;

    // Delivers a mouse message as if the control had a window: lParam packs the point in
    // control coordinates (low word x, high word y). A button-down then a button-up
    // inside the control is a click.
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam);
    // The page tells the control when the mouse comes over it and leaves it.
    virtual void MouseEntered();
    virtual void MouseLeft();

    // Paints with the device origin at the control's top-left corner, clipped to it.
    virtual void Paint(HDC dc);
    void Invalidate();

    // Bounds, Align (client), Visible, Enabled, Cursor (hand), OnClick, OnMouseDown,
    // OnMouseUp, OnMouseEnter, OnMouseLeave, TabStop, TabOrder, FocusColor,
    // AccessibleName, AccessibleRole.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    virtual void Click();
    // What the focus ring goes round, in the page's coordinates: the bounds.
    virtual RECT FocusOutline() const { return bounds_; }

private:
    void InvalidateArea();

    ControlHost& parent_;
    RECT bounds_{};
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = false;
    bool clicked_ = false;
    bool fillsParent_ = false;
};
