#pragma once
#include <span>
#include <string_view>

#include "base/Handles.h"
#include "ui/Font.h"

class TPngBitmap;

// Drawing tools over a device context. The context's state is saved when the canvas
// is made and restored when it goes, so the objects it selected can be freed safely.
class TCanvas {
public:
    explicit TCanvas(HDC dc);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    HDC Handle() const { return dc_; }

    void SetFont(const FontSpec& style);
    void SetBrushColor(COLORREF color);
    void SetPen(COLORREF color, int width = 1);

    void FillRect(const RECT& r); // with the brush
    void FrameRect(const RECT& r); // one-pixel frame in the brush colour
    void Rectangle(const RECT& r); // pen outline, brush inside
    void Polyline(std::span<const POINT> points);
    // DrawText with the system's format flags (DT_*), in the font's colour, transparent;
    // the system's result (the text height).
    int DrawText(std::string_view text, RECT& r, UINT format);
    SIZE TextExtent(std::string_view text);
    void Draw(const TPngBitmap& picture, int x, int y);

    void ClipRect(const RECT& r);
    void SetOrigin(int x, int y);
    int Save() { return SaveDC(dc_); }
    void Restore(int state) { RestoreDC(dc_, state); }

private:
    HDC dc_;
    int saved_;
    COLORREF fontColor_ = RGB(0, 0, 0);
    FontHandle font_;
    BrushHandle brush_;
    PenHandle pen_;
};
