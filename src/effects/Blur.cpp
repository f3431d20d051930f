#include "effects/Blur.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Exact floor(n / d) for 0 ≤ n ≤ 255·d by one multiplication: the division table's
// results without its memory traffic, which grows with the radius.
class Divider {
public:
    explicit Divider(uint32_t d)
    {
        while ((uint64_t{1} << shift_) <= 255ull * d * d) ++shift_;
        ++shift_;
        multiplier_ = ((uint64_t{1} << shift_) + d - 1) / d;
    }
    uint32_t operator()(uint64_t n) const { return static_cast<uint32_t>((n * multiplier_) >> shift_); }

private:
    unsigned shift_ = 0;
    uint64_t multiplier_ = 0;
};

// One line of n values, read at in[i · stride], written at out[i · stride]: the
// weighted window sum kept by two running sums (the entries right of the centre and
// those at or left of it), each step adding one entering value and dropping one.
template <typename In, typename Out>
void BlurLine(In in, Out out, int n, int r, const Divider& divide)
{
    auto at = [&](int i) -> uint64_t { return in(std::clamp(i, 0, n - 1)); };
    uint64_t sum = 0, incoming = 0, outgoing = 0;
    for (int k = -r; k <= r; ++k) sum += static_cast<uint64_t>(r + 1 - std::abs(k)) * at(k);
    for (int j = 1; j <= r + 1; ++j) incoming += at(j);
    for (int j = -r; j <= 0; ++j) outgoing += at(j);
    for (int x = 0; x < n; ++x) {
        out(x, divide(sum));
        sum = sum + incoming - outgoing;
        const uint64_t entering = at(x + r + 2), centre = at(x + 1);
        incoming = incoming - centre + entering;
        outgoing = outgoing - at(x - r) + centre;
    }
}

} // namespace

void BlurBitmap(const PixelImage& image, int radius)
{
    if (radius <= 0 || image.Empty()) return;
    const int w = image.Width, h = image.Height;
    const Divider divide(static_cast<uint32_t>(radius + 1) * static_cast<uint32_t>(radius + 1));
    std::vector<uint32_t> planes[3];
    for (auto& plane : planes) plane.resize(static_cast<size_t>(w) * h);

    for (int c = 0; c < 3; ++c) {
        const int shift = 16 - 8 * c; // red, green, blue
        uint32_t* plane = planes[c].data();
        for (int y = 0; y < h; ++y) {
            const TbsColor* row = image.Row(y);
            uint32_t* out = plane + static_cast<size_t>(y) * w;
            BlurLine([&](int x) { return row[x] >> shift & 0xFF; }, [&](int x, uint32_t v) { out[x] = v; }, w, radius,
                     divide);
        }
    }
    // Columns all at once, row by row: the running sums of every column advance
    // together, so the rows entering and leaving are read in order whatever r is.
    const size_t count = static_cast<size_t>(w);
    std::vector<uint64_t> sums(count), incoming(count), outgoing(count);
    std::vector<TbsColor> result(count * static_cast<size_t>(h), 0xFF000000u);
    auto row = [&](const uint32_t* plane, int y) { return plane + static_cast<size_t>(std::clamp(y, 0, h - 1)) * w; };
    for (int c = 0; c < 3; ++c) {
        const int shift = 16 - 8 * c;
        const uint32_t* plane = planes[c].data();
        std::fill(sums.begin(), sums.end(), 0);
        std::fill(incoming.begin(), incoming.end(), 0);
        std::fill(outgoing.begin(), outgoing.end(), 0);
        for (int k = -radius; k <= radius; ++k) {
            const uint32_t* r = row(plane, k);
            const uint64_t weight = static_cast<uint64_t>(radius + 1 - std::abs(k));
            for (size_t x = 0; x < count; ++x) {
                sums[x] += weight * r[x];
                if (k <= 0) outgoing[x] += r[x];
            }
        }
        for (int j = 1; j <= radius + 1; ++j) {
            const uint32_t* r = row(plane, j);
            for (size_t x = 0; x < count; ++x) incoming[x] += r[x];
        }
        for (int y = 0; y < h; ++y) {
            TbsColor* out = result.data() + static_cast<size_t>(y) * w;
            const uint32_t* entering = row(plane, y + radius + 2);
            const uint32_t* centre = row(plane, y + 1);
            const uint32_t* leaving = row(plane, y - radius);
            for (size_t x = 0; x < count; ++x) {
                out[x] |= divide(sums[x]) << shift;
                sums[x] = sums[x] + incoming[x] - outgoing[x];
                incoming[x] = incoming[x] - centre[x] + entering[x];
                outgoing[x] = outgoing[x] - leaving[x] + centre[x];
            }
        }
    }
    std::memcpy(image.Bits, result.data(), result.size() * sizeof(TbsColor));
}
