#include "framework/Edit.h"

#include "framework/Exception.h"
#include "framework/Page.h"
#include "framework/SystemError.h"
#include "framework/WinStrings.h"

Edit::Edit(Page& parent, int left, int top, int width, int height)
{
    handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                              left, top, width, height, parent.Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!handle_) throw Exception(SystemErrorText(GetLastError()));
    SetFont(FontSpec{.Height = 13});
}

Edit::~Edit()
{
    if (IsWindow(handle_)) DestroyWindow(handle_);
}

std::string Edit::Text() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
    return ToUtf8(text);
}

void Edit::SetText(std::string_view text) { SetWindowTextW(handle_, ToWide(text).c_str()); }

void Edit::SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }

void Edit::SetFont(const FontSpec& spec)
{
    GdiObject font = CreateFontFrom(spec);
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    font_ = std::move(font);
}

RECT Edit::Bounds() const
{
    RECT r{};
    GetWindowRect(handle_, &r);
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Edit::Left() const { return Bounds().left; }
int Edit::Top() const { return Bounds().top; }
int Edit::Width() const { return Bounds().right - Bounds().left; }
int Edit::Height() const { return Bounds().bottom - Bounds().top; }

void Edit::SetBounds(int left, int top, int width, int height)
{
    MoveWindow(handle_, left, top, width, height, TRUE);
}
