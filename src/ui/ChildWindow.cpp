#include "ui/ChildWindow.h"

#include "base/SystemError.h"
#include "base/WinStrings.h"
#include "ui/ControlHost.h"
#include "ui/PropertyReader.h"
#include "ui/Window.h"

ChildWindow::ChildWindow(ControlHost& parent, const wchar_t* className, DWORD style, DWORD exStyle)
    : parent_(parent), className_(className), style_(WS_CHILD | WS_VISIBLE | style), exStyle_(exStyle)
{
    SetFont(FontSpec{.Height = 13});
}

ChildWindow::~ChildWindow()
{
    if (!handle_) return;
    parent_.UnregisterCommand(handle_);
    if (IsWindow(handle_)) DestroyWindow(handle_);
}

HWND ChildWindow::Handle() const
{
    if (handle_) return handle_;
    const RECT& r = bounds_;
    handle_ = CreateWindowExW(exStyle_, className_, text_.c_str(), style_, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, parent_.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!handle_) RaiseLastError();
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    WindowMade();
    return handle_;
}

// Made as soon as its bounds fall within the page: while the page is read, that keeps
// the windows in the order of the definition, which is their order on the screen and
// for the keyboard's accelerators.
void ChildWindow::MakeWhenReached()
{
    if (handle_) return;
    RECT client;
    GetClientRect(parent_.Handle(), &client);
    if (bounds_.left < client.right && bounds_.top < client.bottom) Handle();
}

DWORD ChildWindow::Style() const { return handle_ ? static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE)) : style_; }

RECT ChildWindow::Bounds() const { return handle_ ? BoundsInParent(handle_) : bounds_; }

void ChildWindow::SetBounds(int left, int top, int width, int height)
{
    if (handle_) {
        MoveWindow(handle_, left, top, width, height, TRUE);
        return;
    }
    bounds_ = {left, top, left + width, top + height};
    MakeWhenReached();
}

bool ChildWindow::Enabled() const { return handle_ ? IsWindowEnabled(handle_) != FALSE : !(style_ & WS_DISABLED); }

void ChildWindow::SetEnabled(bool enabled)
{
    if (handle_) EnableWindow(handle_, enabled);
    else style_ = enabled ? style_ & ~WS_DISABLED : style_ | WS_DISABLED;
}

bool ChildWindow::Visible() const
{
    if (handle_) return IsWindowVisible(handle_) != FALSE;
    return (style_ & WS_VISIBLE) && parent_.Visible();
}

void ChildWindow::SetVisible(bool visible)
{
    if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
    else style_ = visible ? style_ | WS_VISIBLE : style_ & ~WS_VISIBLE;
}

void ChildWindow::SetFont(const FontSpec& style)
{
    FontHandle font = CreateFontFrom(style);
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    font_ = std::move(font);
}

std::string ChildWindow::WindowText() const
{
    if (!handle_) return ToUtf8(text_);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return ToUtf8(text);
}

void ChildWindow::ChangeWindowText(std::string_view text)
{
    if (handle_) SetWindowTextW(handle_, ToWide(text).c_str());
    else text_ = ToWide(text);
}

bool ChildWindow::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (SetPlacementProperty(*this, property, loader) || SetPageControlProperty(*this, property, loader)) return true;
    if (property.Name != "FontHeight") return false;
    SetFont(FontSpec{.Height = loader.Integer(property)});
    return true;
}
