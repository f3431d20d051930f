#include "framework/PngBitmap.h"

#include <cstring>

#include "framework/DibSection.h"
#include "framework/Exception.h"
#include "framework/PngImage.h"

TPngBitmap::TPngBitmap(const TbsPngImage& image) : width_(image.Width()), height_(image.Height())
{
    if (Empty()) return;
    void* bits = nullptr;
    bitmap_ = CreateTopDownDibSection(width_, height_, 32, &bits);
    if (!bitmap_) throw Exception("Cannot create a bitmap of " + std::to_string(width_) + " x " + std::to_string(height_));
    // AlphaBlend wants premultiplied colours.
    std::vector<uint8_t> bgra = image.ToBgra();
    for (size_t i = 0; i < bgra.size(); i += 4) {
        const unsigned a = bgra[i + 3];
        for (int c = 0; c < 3; ++c) bgra[i + c] = static_cast<uint8_t>((bgra[i + c] * a + 127) / 255);
    }
    std::memcpy(bits, bgra.data(), bgra.size());
    dc_.Reset(CreateCompatibleDC(nullptr));
    SelectObject(dc_.Get(), bitmap_.Get());
}

void TPngBitmap::Draw(HDC dc, int x, int y) const { Draw(dc, RECT{x, y, x + width_, y + height_}); }

void TPngBitmap::Draw(HDC dc, const RECT& target) const
{
    if (Empty() || target.right <= target.left || target.bottom <= target.top) return;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, dc_.Get(), 0, 0,
               width_, height_, blend);
}
