#include "ui/DibSection.h"

BITMAPINFO TopDownBitmapInfo(int width, int height, WORD bitsPerPixel)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, bitsPerPixel, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}

BitmapHandle CreateTopDownDibSection(int width, int height, WORD bitsPerPixel, void** bits, HDC dc)
{
    const BITMAPINFO info = TopDownBitmapInfo(width, height, bitsPerPixel);
    *bits = nullptr;
    BitmapHandle section(CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0));
    if (!*bits) section.Reset();
    return section;
}

OffscreenBitmap::OffscreenBitmap(HDC compatible, int width, int height)
    : width_(width), height_(height), bitmap_([&] {
          void* bits = nullptr;
          BitmapHandle bitmap = CreateTopDownDibSection(width, height, 32, &bits, compatible);
          bits_ = static_cast<uint32_t*>(bits);
          return bitmap;
      }()),
      dc_(CreateCompatibleDC(compatible)), selection_(dc_.Get(), bitmap_.Get())
{
    if (!bitmap_) bits_ = nullptr;
}

OffscreenBitmap::~OffscreenBitmap()
{
    if (originalFont_) SelectObject(dc_.Get(), originalFont_);
}

void OffscreenBitmap::UseFont(const FontSpec& font) const
{
    if (font_ && font == fontSpec_) return;
    FontHandle made = CreateFontFrom(font);
    if (!made) return;
    const HGDIOBJ previous = SelectObject(dc_.Get(), made.Get());
    if (!originalFont_) originalFont_ = previous;
    font_ = std::move(made); // the one it replaces is no longer selected
    fontSpec_ = font;
}
