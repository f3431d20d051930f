#pragma once
#include <string_view>

#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/PageControl.h"
#include "framework/Placement.h"
#include "framework/Win32.h"

class Page;

// A control that is a child window of one of the system's classes (edit, button,
// progress bar), placed on a page.
class ChildWindow : public TComponent, public PageControl, public Placement<ChildWindow> {
public:
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;
    ~ChildWindow() override;

    HWND Handle() const { return handle_; }
    Page& Parent() const override { return parent_; }
    RECT Bounds() const override;
    void SetBounds(int left, int top, int width, int height);
    bool Enabled() const override { return IsWindowEnabled(handle_) != FALSE; }
    void SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }
    bool Visible() const override { return IsWindowVisible(handle_) != FALSE; }
    bool TabStop() const override { return (GetWindowLongW(handle_, GWL_STYLE) & WS_TABSTOP) != 0; }
    HWND FocusWindow() const override { return handle_; }
    void SetVisible(bool visible) { ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE); }
    void SetFont(const FontSpec& style);

    // Bounds, Visible, Enabled, FontHeight, TabOrder, AccessibleName, AccessibleRole.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    ChildWindow(Page& parent, const wchar_t* className, DWORD style, DWORD exStyle = 0);

private:
    Page& parent_;
    HWND handle_ = nullptr;
    GdiObject font_;
};
