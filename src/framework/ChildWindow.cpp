#include "framework/ChildWindow.h"

#include "framework/Exception.h"
#include "framework/Page.h"
#include "framework/PropertyReader.h"
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

RECT ChildWindow::Bounds() const { return BoundsInParent(handle_); }

void ChildWindow::SetBounds(int left, int top, int width, int height) { MoveWindow(handle_, left, top, width, height, TRUE); }

void ChildWindow::SetFont(const FontSpec& style)
{
    GdiObject font = CreateFontFrom(style);
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    font_ = std::move(font);
}

bool ChildWindow::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (SetPlacementProperty(*this, property, loader) || SetPageControlProperty(*this, property, loader)) return true;
    if (property.Name != "FontHeight") return false;
    SetFont(FontSpec{.Height = loader.Integer(property)});
    return true;
}
