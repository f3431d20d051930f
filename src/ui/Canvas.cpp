#include "ui/Canvas.h"

#include "base/WinStrings.h"
#include "ui/PngBitmap.h"

TCanvas::TCanvas(HDC dc) : dc_(dc), saved_(SaveDC(dc))
{
    SetBrushColor(RGB(255, 255, 255));
    SetPen(RGB(0, 0, 0));
}

TCanvas::~TCanvas() { RestoreDC(dc_, saved_); }

void TCanvas::SetFont(const FontSpec& style)
{
    FontHandle font = CreateFontFrom(style);
    SelectObject(dc_, font.Get());
    font_ = std::move(font);
    fontColor_ = style.Color;
}

void TCanvas::SetBrushColor(COLORREF color)
{
    BrushHandle brush(CreateSolidBrush(color));
    SelectObject(dc_, brush.Get());
    brush_ = std::move(brush);
}

void TCanvas::SetPen(COLORREF color, int width)
{
    PenHandle pen(CreatePen(PS_SOLID, width, color));
    SelectObject(dc_, pen.Get());
    pen_ = std::move(pen);
}

void TCanvas::FillRect(const RECT& r) { ::FillRect(dc_, &r, brush_.Get()); }

void TCanvas::FrameRect(const RECT& r) { ::FrameRect(dc_, &r, brush_.Get()); }

void TCanvas::Rectangle(const RECT& r) { ::Rectangle(dc_, r.left, r.top, r.right, r.bottom); }

void TCanvas::Polyline(std::span<const POINT> points) { ::Polyline(dc_, points.data(), static_cast<int>(points.size())); }

int TCanvas::DrawText(std::string_view text, RECT& r, UINT format)
{
    const std::wstring wide = ToWide(text);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, fontColor_);
    return ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, format);
}

SIZE TCanvas::TextExtent(std::string_view text)
{
    const std::wstring wide = ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void TCanvas::Draw(const TPngBitmap& picture, int x, int y) { picture.Draw(dc_, x, y); }

void TCanvas::ClipRect(const RECT& r) { IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom); }

void TCanvas::SetOrigin(int x, int y) { SetViewportOrgEx(dc_, x, y, nullptr); }
