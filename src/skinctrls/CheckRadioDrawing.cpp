#include "skinctrls/CheckRadioDrawing.h"

#include "base/Handles.h"
#include "skinctrls/CheckRadioLook.h"
#include "ui/DcScopes.h"

void DrawTextVCentered(HDC dc, std::wstring_view text, const RECT& r)
{
    if (text.empty()) return;
    RECT box = r;
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void DrawCheckMark(HDC dc, int x, int y, COLORREF color)
{
    PenHandle pen(CreatePen(PS_SOLID, 1, color));
    SelectedObject selected(dc, pen.Get());
    for (int i = 0; i < 3; ++i) {
        const POINT stroke[] = {{x, y + 5 - i}, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}};
        Polyline(dc, stroke, 3);
    }
}

void DrawRadioDot(HDC dc, int x, int y, COLORREF color)
{
    PenHandle pen(CreatePen(PS_SOLID, 1, color));
    BrushHandle brush(CreateSolidBrush(color));
    SelectedObject selectedPen(dc, pen.Get()), selectedBrush(dc, brush.Get());
    Rectangle(dc, x, y, x + 6, y + 6);
}

void DrawDottedFocusFrame(HDC dc, const RECT& r, COLORREF color)
{
    for (const TPoint& p : DottedFocusFramePoints({r.left, r.top, r.right, r.bottom})) SetPixelV(dc, p.X, p.Y, color);
}
