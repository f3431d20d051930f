#include "framework/ChildWindow.h"

#include "framework/Exception.h"
#include "framework/Page.h"
#include "framework/PageLoader.h"
#include "framework/SystemError.h"

ChildWindow::ChildWindow(Page& parent, const wchar_t* className, DWORD style, DWORD exStyle) : parent_(parent)
{
    handle_ = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent.Handle(),
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!handle_) throw Exception(SystemErrorText(GetLastError()));
    SetFont(FontSpec{.Height = 13});
}

ChildWindow::~ChildWindow()
{
    parent_.UnregisterCommand(handle_);
    if (IsWindow(handle_)) DestroyWindow(handle_);
}

RECT ChildWindow::Bounds() const
{
    RECT r{};
    GetWindowRect(handle_, &r);
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ChildWindow::SetBounds(int left, int top, int width, int height) { MoveWindow(handle_, left, top, width, height, TRUE); }

void ChildWindow::SetFont(const FontSpec& spec)
{
    GdiObject font = CreateFontFrom(spec);
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    font_ = std::move(font);
}

bool ChildWindow::SetProperty(const PageProperty& property, PageLoader& loader)
{
    const std::string& name = property.Name;
    if (name == "Bounds") {
        const RECT r = loader.Rectangle(property);
        SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (name == "Enabled") {
        SetEnabled(loader.Boolean(property));
    } else if (name == "Visible") {
        SetVisible(loader.Boolean(property));
    } else if (name == "FontHeight") {
        SetFont(FontSpec{.Height = loader.Integer(property)});
    } else {
        return false;
    }
    return true;
}
