#pragma once
#include <cstdint>

#include "base/Handles.h"
#include "base/Win32.h"
#include "ui/DcScopes.h"
#include "ui/Font.h"

// The header of a top-down, uncompressed device-independent bitmap.
BITMAPINFO TopDownBitmapInfo(int width, int height, WORD bitsPerPixel);
// A top-down DIB section (empty on failure) and, in *bits, its pixel memory.
BitmapHandle CreateTopDownDibSection(int width, int height, WORD bitsPerPixel, void** bits, HDC dc = nullptr);

// A memory context holding a 32-bit top-down DIB section of its own: the offscreen
// surface of one paint, drawn on with GDI and with pixels alike (GdiFlush between the
// two). Members go in reverse order, so the bitmap leaves the context before either
// is deleted.
class OffscreenBitmap {
public:
    OffscreenBitmap(HDC compatible, int width, int height);
    OffscreenBitmap(const OffscreenBitmap&) = delete;
    OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;
    ~OffscreenBitmap();
    HDC DC() const { return dc_.Get(); }
    // Selects the font text on the surface is drawn in. It stays selected across the
    // paints of a surface that lives on, and is made and selected again only when the
    // description changes: selecting a font costs a font lookup every time.
    void UseFont(const FontSpec& font) const;
    uint32_t* Bits() const { return bits_; } // blue, green, red, alpha; rows top-down
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Valid() const { return bits_ && dc_ && selection_.Selected(); }

private:
    int width_, height_;
    uint32_t* bits_ = nullptr;
    BitmapHandle bitmap_;
    MemoryDC dc_;
    SelectedObject selection_;
    // The font in use, and the context's own, which goes back in before the font goes.
    mutable FontSpec fontSpec_;
    mutable FontHandle font_;
    mutable HGDIOBJ originalFont_ = nullptr;
};

// Double buffering: render draws the whole area into an offscreen surface of its size,
// which then reaches dc at (left, top) in one copy, so nothing half-drawn ever shows.
// Nothing is drawn when the area is empty or the surface cannot be had.
template <typename Render>
void PaintBuffered(HDC dc, int left, int top, int width, int height, Render&& render)
{
    if (width <= 0 || height <= 0) return;
    OffscreenBitmap buffer(dc, width, height);
    if (!buffer.Valid()) return;
    render(buffer.DC());
    BitBlt(dc, left, top, width, height, buffer.DC(), 0, 0, SRCCOPY);
}
