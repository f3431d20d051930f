#include "pages/PlainPaint.h"

#include "framework/DcScopes.h"
#include "framework/Font.h"
#include "framework/WinStrings.h"

namespace {
constexpr COLORREF Brand = RGB(22, 119, 255);
constexpr COLORREF BrandDark = RGB(12, 74, 170);
constexpr COLORREF Paper = RGB(246, 248, 252);

void FillColor(HDC dc, const RECT& r, COLORREF color)
{
    GdiObject brush(CreateSolidBrush(color));
    FillRect(dc, &r, static_cast<HBRUSH>(brush.Get()));
}

void Text(HDC dc, RECT r, std::string_view text, const FontSpec& style, UINT format)
{
    GdiObject font = CreateFontFrom(style);
    SelectedObject selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style.Color);
    const std::wstring wide = ToWide(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, format | DT_NOPREFIX | DT_SINGLELINE);
}
} // namespace

void PaintPlainBackground(HDC dc, const RECT& client, std::string_view title, std::string_view subtitle)
{
    FillColor(dc, client, Paper);
    // A vertical blend from the brand colour to its dark shade across the top band.
    const int band = 260;
    for (int y = 0; y < band && y < client.bottom; ++y) {
        auto mix = [&](int a, int b) { return a + (b - a) * y / band; };
        RECT row{0, y, client.right, y + 1};
        FillColor(dc, row, RGB(mix(GetRValue(Brand), GetRValue(BrandDark)),
                               mix(GetGValue(Brand), GetGValue(BrandDark)),
                               mix(GetBValue(Brand), GetBValue(BrandDark))));
    }
    Text(dc, {0, 92, client.right, 150}, title, {.Height = 40, .Bold = true, .Color = RGB(255, 255, 255)}, DT_CENTER);
    Text(dc, {0, 156, client.right, 186}, subtitle, {.Height = 16, .Color = RGB(214, 230, 255)}, DT_CENTER);
}

void PaintPlainButton(HDC dc, const RECT& bounds, std::string_view caption)
{
    GdiObject brush(CreateSolidBrush(RGB(255, 122, 26)));
    GdiObject pen(CreatePen(PS_SOLID, 1, RGB(230, 100, 10)));
    {
        SelectedObject selectedBrush(dc, brush.Get()), selectedPen(dc, pen.Get());
        RoundRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom, 8, 8);
    }
    Text(dc, bounds, caption, {.Height = 20, .Bold = true, .Color = RGB(255, 255, 255)}, DT_CENTER | DT_VCENTER);
}

void PaintCloseMark(HDC dc, const RECT& r)
{
    GdiObject pen(CreatePen(PS_SOLID, 2, RGB(255, 255, 255)));
    SelectedObject selected(dc, pen.Get());
    MoveToEx(dc, r.left, r.top, nullptr);
    LineTo(dc, r.right - 1, r.bottom - 1);
    MoveToEx(dc, r.right - 1, r.top, nullptr);
    LineTo(dc, r.left, r.bottom - 1);
}

void PaintMinimizeMark(HDC dc, const RECT& r) { FillColor(dc, r, RGB(255, 255, 255)); }
