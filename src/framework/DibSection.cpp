#include "framework/DibSection.h"

BITMAPINFO TopDownBitmapInfo(int width, int height, WORD bitsPerPixel)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, bitsPerPixel, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}

GdiObject CreateTopDownDibSection(int width, int height, WORD bitsPerPixel, void** bits, HDC dc)
{
    const BITMAPINFO info = TopDownBitmapInfo(width, height, bitsPerPixel);
    *bits = nullptr;
    GdiObject section(CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0));
    if (!*bits) section.Reset();
    return section;
}
