#include "ui/PngBitmap.h"

#include "base/Exception.h"
#include "base/PngImage.h"
#include "ui/DibSection.h"
#include "ui/SystemEntries.h"

TPngBitmap::TPngBitmap(const TbsPngImage& image) : width_(image.Width()), height_(image.Height())
{
    if (Empty()) return;
    void* bits = nullptr;
    bitmap_ = CreateTopDownDibSection(width_, height_, 32, &bits);
    if (!bitmap_) throw Exception("Cannot create a bitmap of " + std::to_string(width_) + " x " + std::to_string(height_));
    auto* bgra = static_cast<uint8_t*>(bits);
    image.CopyBgraTo(bgra);
    // AlphaBlend wants premultiplied colours; opaque pixels already are. Whether any
    // pixel is not is settled here, once: a picture without one (a type without alpha
    // needs no look) is copied when drawn, and blending a page-sized background cost
    // several times the copy at every paint.
    opaque_ = image.Transparency() == TbsPngImage::NoTransparency;
    if (!opaque_) {
        opaque_ = true;
        const size_t bytes = static_cast<size_t>(width_) * height_ * 4;
        for (size_t i = 0; i < bytes; i += 4) {
            const unsigned a = bgra[i + 3];
            if (a == 255) continue;
            opaque_ = false;
            for (int c = 0; c < 3; ++c) bgra[i + c] = static_cast<uint8_t>((bgra[i + c] * a + 127) / 255);
        }
    }
    dc_.Reset(CreateCompatibleDC(nullptr));
    selection_.emplace(dc_.Get(), bitmap_.Get());
}

void TPngBitmap::Draw(HDC dc, int x, int y) const { Draw(dc, RECT{x, y, x + width_, y + height_}); }

void TPngBitmap::Draw(HDC dc, const RECT& target) const
{
    if (Empty() || target.right <= target.left || target.bottom <= target.top) return;
    const int width = target.right - target.left, height = target.bottom - target.top;
    if (opaque_) {
        if (width == width_ && height == height_) {
            BitBlt(dc, target.left, target.top, width, height, dc_.Get(), 0, 0, SRCCOPY);
        } else {
            // The mode AlphaBlend scales in, so a copy shows what a blend would.
            const int mode = SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, target.left, target.top, width, height, dc_.Get(), 0, 0, width_, height_, SRCCOPY);
            if (mode) SetStretchBltMode(dc, mode);
        }
        return;
    }
    const auto alphaBlend = BoundEntries().AlphaBlend;
    if (!alphaBlend) return; // a system without msimg32 shows the page without this picture
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    alphaBlend(dc, target.left, target.top, width, height, dc_.Get(), 0, 0, width_, height_, blend);
}
