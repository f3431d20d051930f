#pragma once
#include <string_view>

#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/Placement.h"
#include "framework/Win32.h"

class Page;

// A control that is a child window of one of the system's classes (edit, button,
// progress bar), placed on a page.
class ChildWindow : public TComponent, public Placement<ChildWindow> {
public:
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;
    ~ChildWindow() override;

    HWND Handle() const { return handle_; }
    Page& Parent() const { return parent_; }
    RECT Bounds() const;
    void SetBounds(int left, int top, int width, int height);
    bool Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
    void SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }
    bool Visible() const { return IsWindowVisible(handle_) != FALSE; }
    void SetVisible(bool visible) { ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE); }
    void SetFont(const FontSpec& style);

    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    ChildWindow(Page& parent, const wchar_t* className, DWORD style, DWORD exStyle = 0);

private:
    Page& parent_;
    HWND handle_ = nullptr;
    GdiObject font_;
};
