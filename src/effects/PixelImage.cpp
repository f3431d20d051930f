#include "effects/PixelImage.h"

#include <cmath>
#include <cstring>

#include "effects/Processor.h"

namespace {

// source + p / q rounded to nearest, ties to the even result (p ≥ 0, q > 0).
int32_t RoundedRatio(int32_t base, int64_t p, int64_t q)
{
    const int64_t whole = p / q, twice = 2 * (p % q);
    int64_t result = base + whole;
    if (twice > q || (twice == q && (result & 1))) ++result;
    return static_cast<int32_t>(result);
}

} // namespace

std::vector<int32_t> StretchMap(int32_t from, int32_t to, int32_t destStart, int32_t destEnd, int32_t sourceStart,
                                int32_t sourceEnd)
{
    std::vector<int32_t> map;
    map.reserve(static_cast<size_t>(std::max(0, to - from)));
    const int64_t destLength = destEnd - destStart, sourceLength = sourceEnd - sourceStart;
    for (int32_t x = from; x < to; ++x)
        map.push_back(destLength < 2 ? (sourceStart + sourceEnd - 1) / 2
                                     : RoundedRatio(sourceStart, (x - destStart) * (sourceLength - 1), destLength - 1));
    return map;
}

void DrawImage(const PixelImage& source, const PixelImage& target, const TRect& d, const TRect& s,
               const PixelRoutines& routines, const TRect* clip)
{
    if (s.IsEmpty() || source.Empty() || target.Empty()) return;
    TRect c = Intersect(d, {0, 0, target.Width, target.Height});
    if (clip) c = Intersect(c, *clip);
    if (c.IsEmpty()) return;
    if (s.Left < 0 || s.Top < 0 || s.Right > source.Width || s.Bottom > source.Height) return;
    auto* line = source.AlphaBlend ? routines.BlendLine : source.Transparent ? routines.KeyCopyLine : routines.CopyLine;
    const auto width = static_cast<size_t>(c.Width());

    if (s.Width() == d.Width() && s.Height() == d.Height()) {
        const int32_t sx = s.Left + c.Left - d.Left, sy = s.Top + c.Top - d.Top;
        for (int32_t row = 0; row < c.Height(); ++row)
            line(source.Row(sy + row) + sx, target.Row(c.Top + row) + c.Left, width);
        return;
    }

    const std::vector<int32_t> columns = StretchMap(c.Left, c.Right, d.Left, d.Right, s.Left, s.Right);
    const std::vector<int32_t> rows = StretchMap(c.Top, c.Bottom, d.Top, d.Bottom, s.Top, s.Bottom);
    const bool copying = line == routines.CopyLine;
    std::vector<TbsColor> sampled(copying ? 0 : width);
    for (size_t row = 0; row < rows.size(); ++row) {
        TbsColor* out = target.Row(c.Top + static_cast<int32_t>(row)) + c.Left;
        const bool sameRow = row > 0 && rows[row] == rows[row - 1];
        const TbsColor* in = source.Row(rows[row]);
        if (copying) {
            if (sameRow) routines.CopyLine(out - target.Width, out, width);
            else
                for (size_t x = 0; x < width; ++x) out[x] = in[columns[x]];
        } else {
            if (!sameRow)
                for (size_t x = 0; x < width; ++x) sampled[x] = in[columns[x]];
            line(sampled.data(), out, width);
        }
    }
    EndMmxState();
}

void FlipVertical(const PixelImage& image)
{
    if (image.Empty()) return;
    std::vector<TbsColor> buffer(static_cast<size_t>(image.Width));
    const size_t bytes = buffer.size() * sizeof(TbsColor);
    for (int32_t i = 0; i < image.Height / 2; ++i) {
        TbsColor* a = image.Row(i);
        TbsColor* b = image.Row(image.Height - 1 - i);
        std::memcpy(buffer.data(), a, bytes);
        std::memcpy(a, b, bytes);
        std::memcpy(b, buffer.data(), bytes);
    }
}

void MakeReflection(const PixelImage& image, bool dim)
{
    if (image.Empty()) return;
    FlipVertical(image);
    const int k = dim ? 4 : 3;
    double f = 1.0;
    const double step = 2.0 / image.Height;
    for (int32_t y = 0; y < image.Height; ++y) {
        TbsColor* row = image.Row(y);
        for (int32_t x = 0; x < image.Width; ++x) {
            const TbsColor a = row[x] >> 24;
            if (a == 0) continue;
            const auto scaled = static_cast<int64_t>(std::nearbyint(f * a)) / k;
            row[x] = (row[x] & 0xFFFFFF) | static_cast<TbsColor>(std::max<int64_t>(0, scaled)) << 24;
        }
        f -= step;
    }
}

bool HasPartialAlpha(const PixelImage& image)
{
    if (image.Empty()) return false;
    const size_t n = static_cast<size_t>(image.Width) * image.Height;
    for (size_t i = 0; i < n; ++i) {
        const TbsColor a = image.Bits[i] >> 24;
        if (a != 0 && a != 255) return true;
    }
    return false;
}
