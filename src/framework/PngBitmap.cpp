#include "framework/PngBitmap.h"

#include "framework/DibSection.h"
#include "framework/Exception.h"
#include "framework/PngImage.h"
#include "framework/SkinLibrary.h"

TPngBitmap::TPngBitmap(const TbsPngImage& image) : width_(image.Width()), height_(image.Height())
{
    if (Empty()) return;
    void* bits = nullptr;
    bitmap_ = CreateTopDownDibSection(width_, height_, 32, &bits);
    if (!bitmap_) throw Exception("Cannot create a bitmap of " + std::to_string(width_) + " x " + std::to_string(height_));
    auto* bgra = static_cast<uint8_t*>(bits);
    image.CopyBgraTo(bgra);
    // AlphaBlend wants premultiplied colours; opaque pixels already are.
    const size_t bytes = static_cast<size_t>(width_) * height_ * 4;
    for (size_t i = 0; i < bytes; i += 4) {
        const unsigned a = bgra[i + 3];
        if (a == 255) continue;
        for (int c = 0; c < 3; ++c) bgra[i + c] = static_cast<uint8_t>((bgra[i + c] * a + 127) / 255);
    }
    dc_.Reset(CreateCompatibleDC(nullptr));
    selection_.emplace(dc_.Get(), bitmap_.Get());
}

void TPngBitmap::Draw(HDC dc, int x, int y) const { Draw(dc, RECT{x, y, x + width_, y + height_}); }

void TPngBitmap::Draw(HDC dc, const RECT& target) const
{
    if (Empty() || target.right <= target.left || target.bottom <= target.top) return;
    const auto alphaBlend = SkinEntries().AlphaBlend;
    if (!alphaBlend) return; // a system without msimg32 shows the page without this picture
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    alphaBlend(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, dc_.Get(), 0, 0,
               width_, height_, blend);
}
