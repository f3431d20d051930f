#include "skinctrls/Translucent.h"

#include "base/PngImage.h"

namespace {

uint8_t Scaled(unsigned alpha, unsigned level)
{
    const unsigned q = alpha * (level + 1), whole = q / 256, rest = q % 256;
    return static_cast<uint8_t>(rest > 128 || (rest == 128 && whole % 2 == 1) ? whole + 1 : whole);
}

} // namespace

void MakeTranslucent(TbsPngImage& picture, uint8_t level)
{
    const int w = picture.Width(), h = picture.Height();
    if (picture.Type() == TbsPngImage::Grayscale || picture.Type() == TbsPngImage::Palette) {
        // Opaque pixels take the level itself; a palette's own alpha (a transparent
        // colour among them) is scaled, so what was clear stays clear.
        TbsPngImage translucent(w, h, TbsPngImage::RGB);
        translucent.AddAlphaChannel();
        for (int y = 0; y < h; ++y) {
            std::span<uint8_t> alpha = translucent.AlphaRow(y);
            for (int x = 0; x < w; ++x) {
                translucent.SetPixel(x, y, picture.Pixel(x, y));
                const uint8_t a = picture.Alpha(x, y);
                alpha[x] = a == 255 ? level : Scaled(a, level);
            }
        }
        picture = std::move(translucent);
        return;
    }
    const bool keyed = picture.Transparency() == TbsPngImage::TransparentColor;
    const uint32_t key = keyed ? picture.TransparentColorValue() : 0;
    if (!picture.HasAlpha()) picture.AddAlphaChannel();
    for (int y = 0; y < h; ++y) {
        std::span<uint8_t> alpha = picture.AlphaRow(y);
        for (int x = 0; x < w; ++x) alpha[x] = keyed && picture.Pixel(x, y) == key ? 0 : Scaled(alpha[x], level);
    }
}
