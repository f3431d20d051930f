#include "effects/EffectBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

uint8_t Channel(double value) { return static_cast<uint8_t>(std::clamp(std::nearbyint(value), 0.0, 255.0)); }
int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

// mix(w) of one pixel: w of A (the buffer) and 1 − w of B.
void Mix(uint8_t* a, const uint8_t* b, double w)
{
    for (int i = 0; i < 3; ++i) a[i] = Channel(w * a[i] + (1 - w) * b[i]);
}

} // namespace

TbsEffectBmp::TbsEffectBmp(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      stride_(static_cast<size_t>(width_) * 3 + static_cast<size_t>(width_ % 4)),
      bits_(stride_ * static_cast<size_t>(height_))
{
}

void TbsEffectBmp::MorphBlend(const TbsEffectBmp& b, double t)
{
    if (!SameSize(b)) return;
    t = std::clamp(t, 0.0, 1.0);
    std::vector<uint8_t> row(static_cast<size_t>(width_) * 3);
    for (int y = 0; y < height_; ++y) {
        std::ranges::copy(Row(y), row.begin());
        const auto other = b.Row(y);
        for (size_t i = 0; i < row.size(); ++i) row[i] = Channel((1 - t) * row[i] + t * other[i]);
        std::ranges::copy(row, Row(y).begin());
    }
}

// Columns from `from` towards `to` (inclusive, stepping by direction) mix with w
// rising from 0 by step, capped at 1.
void TbsEffectBmp::GradientColumns(const TbsEffectBmp& b, int from, int to, int direction, double step)
{
    std::vector<uint8_t> row(static_cast<size_t>(width_) * 3);
    for (int y = 0; y < height_; ++y) {
        std::ranges::copy(Row(y), row.begin());
        const auto other = b.Row(y);
        double w = 0;
        for (int x = from; direction > 0 ? x <= to : x >= to; x += direction) {
            Mix(&row[x * 3], &other[x * 3], w);
            w = std::min(1.0, w + step);
        }
        std::ranges::copy(row, Row(y).begin());
    }
}

void TbsEffectBmp::MorphGradient(const TbsEffectBmp& b, double t)
{
    if (!SameSize(b) || width_ == 0 || height_ == 0) return;
    const int w = width_, h = height_;
    if (w < h) {
        const int a = Round(h * t);
        const int c = (h - 1 - a) / 2;
        const double step = c == 0 ? 0 : 1.0 / c;
        const int top = std::max(0, h / 2 - a / 2), bottom = std::min(h - 1, h / 2 + a / 2);
        for (int y = top; y <= bottom; ++y) std::ranges::copy(b.Row(y), Row(y).begin());
        auto mixRows = [&](int from, int to, int direction) {
            std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
            double weight = 0;
            for (int y = from; direction > 0 ? y <= to : y >= to; y += direction) {
                std::ranges::copy(Row(y), row.begin());
                const auto other = b.Row(y);
                for (int x = 0; x < w; ++x) Mix(&row[x * 3], &other[x * 3], weight);
                std::ranges::copy(row, Row(y).begin());
                weight = std::min(1.0, weight + step);
            }
        };
        mixRows(top, 0, -1);
        mixRows(bottom, h - 1, 1);
        return;
    }
    const int a = Round(w * t);
    const int margin = (w - a) / 2;
    const double step = margin == 0 ? 1 : 1.0 / margin;
    const int left = std::max(0, w / 2 - a / 2), right = std::min(w - 1, w / 2 + a / 2);
    for (int y = 0; y < h; ++y)
        if (left <= right)
            std::copy(b.Row(y).begin() + left * 3, b.Row(y).begin() + (right + 1) * 3, Row(y).begin() + left * 3);
    GradientColumns(b, left, 0, -1, step);
    GradientColumns(b, right, w - 1, 1, step);
}

// round(W × t), raised to at least 1, then lowered to at most W − 1.
int TbsEffectBmp::SlideWidth(double t) const { return std::min(std::max(Round(width_ * t), 1), width_ - 1); }

void TbsEffectBmp::MorphLeftGradient(const TbsEffectBmp& b, double t)
{
    if (!SameSize(b) || width_ == 0) return;
    const int a = SlideWidth(t);
    GradientColumns(b, 0, a, 1, a == 0 ? 1 : 1.0 / a);
}

void TbsEffectBmp::MorphRightGradient(const TbsEffectBmp& b, double t)
{
    if (!SameSize(b) || width_ == 0) return;
    const int start = std::clamp(width_ - Round(width_ * t), 0, width_ - 1);
    GradientColumns(b, width_ - 1, start, -1, width_ - start <= 0 ? 1 : 1.0 / (width_ - start));
}

void TbsEffectBmp::MorphLeftSlide(const TbsEffectBmp& b, double t)
{
    if (!SameSize(b) || width_ == 0) return;
    const int a = SlideWidth(t);
    for (int y = 0; y < height_; ++y)
        for (int k = 0; k < a; ++k)
            std::memcpy(&Row(y)[k * 3], &b.Row(y)[std::min(width_ - a + k, width_ - 1) * 3], 3);
}

void TbsEffectBmp::MorphRightSlide(const TbsEffectBmp& b, double t)
{
    if (!SameSize(b) || width_ == 0) return;
    const int a = SlideWidth(t);
    for (int y = 0; y < height_; ++y)
        for (int k = 0; k < a; ++k)
            std::memcpy(&Row(y)[std::min(width_ - a + k, width_ - 1) * 3], &b.Row(y)[k * 3], 3);
}

void TbsEffectBmp::MorphPush(const TbsEffectBmp& b, double t)
{
    if (!SameSize(b) || width_ == 0) return;
    const int a = std::clamp(Round(width_ * t), 0, width_ - 1);
    std::vector<uint8_t> row(static_cast<size_t>(width_) * 3);
    for (int y = 0; y < height_; ++y) {
        std::ranges::copy(Row(y), row.begin());
        // A moves right by a + 1 columns; from the right end so every read is still A.
        for (int j = width_ - 1; j >= a; --j) std::memcpy(&row[j * 3], &row[std::max(j - a - 1, 0) * 3], 3);
        for (int k = 0; k <= a; ++k) std::memcpy(&row[k * 3], &b.Row(y)[(width_ - a - 1 + k) * 3], 3);
        std::ranges::copy(row, Row(y).begin());
    }
}

void TbsEffectBmp::Morph(int kind, const TbsEffectBmp& b, double t)
{
    switch (kind) {
    case 1: MorphGradient(b, t); break;
    case 2: MorphLeftGradient(b, t); break;
    case 3: MorphRightGradient(b, t); break;
    case 4: MorphLeftSlide(b, t); break;
    case 5: MorphRightSlide(b, t); break;
    case 6: MorphPush(b, t); break;
    default: MorphBlend(b, t); break;
    }
}

void TbsEffectBmp::Lighten(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    for (int y = 0; y < height_; ++y)
        for (uint8_t& c : Row(y)) c = Channel((1 - t) * c + 255 * t);
}
