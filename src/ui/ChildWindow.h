#pragma once
#include <string>
#include <string_view>

#include "base/Component.h"
#include "base/Win32.h"
#include "ui/Font.h"
#include "ui/PageControl.h"
#include "ui/Placement.h"

class ControlHost;

// A control that is a child window of one of the system's classes (edit, button,
// progress bar), placed on a page. One that lies beyond its page's client area (in the
// part a taller page reveals) gets its window only once the page grows to reach it or
// something asks for the window: making a system window is a good part of a page's
// start, and one nobody sees yet need not hold up the first paint.
class ChildWindow : public TComponent, public PageControl, public Placement<ChildWindow> {
public:
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;
    ~ChildWindow() override;

    // The window, made now when it is not yet.
    HWND Handle() const;
    ControlHost& Parent() const override { return parent_; }
    RECT Bounds() const override;
    void SetBounds(int left, int top, int width, int height);
    bool Enabled() const override;
    void SetEnabled(bool enabled);
    bool Visible() const override;
    bool TabStop() const override { return (Style() & WS_TABSTOP) != 0; }
    HWND FocusWindow() const override { return Handle(); }
    void SetVisible(bool visible);
    void SetFont(const FontSpec& style);

    // Bounds, Visible, Enabled, FontHeight, TabOrder, AccessibleName, AccessibleRole.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;
    void Loaded() override { MakeWhenReached(); }
    void PageResized() override { MakeWhenReached(); }

protected:
    ChildWindow(ControlHost& parent, const wchar_t* className, DWORD style, DWORD exStyle = 0);
    // What only a window can take, given once it is made.
    virtual void WindowMade() const {}
    // The window's text (an edit box's, a button's caption), kept until it is made.
    std::string WindowText() const;
    void ChangeWindowText(std::string_view text);

private:
    DWORD Style() const;
    void MakeWhenReached();

    ControlHost& parent_;
    const wchar_t* className_;
    DWORD style_, exStyle_; // until the window is made, as are the two below
    RECT bounds_{};
    std::wstring text_;
    mutable HWND handle_ = nullptr;
    FontHandle font_;
};
