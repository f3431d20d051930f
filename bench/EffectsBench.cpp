// Figures of the pixel algorithms, each against a reference timed in alternation:
// blur-radius-independence, blend-vs-memcpy, stretch-vs-copy, morph-frame.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>

#include "effects/Blur.h"
#include "effects/EffectBmp.h"
#include "effects/PixelImage.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Median microseconds of a and of b, run in alternation.
std::pair<double, double> Compare(int rounds, const std::function<void()>& a, const std::function<void()>& b)
{
    std::vector<double> ta, tb;
    for (int i = 0; i < rounds; ++i) {
        auto t0 = Clock::now();
        a();
        ta.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        t0 = Clock::now();
        b();
        tb.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    return {Median(ta), Median(tb)};
}

void Fill(OwnedPixels& p, unsigned seed)
{
    std::mt19937 random(seed);
    for (auto& c : p.Pixels) c = random();
}

} // namespace

int main()
{
    OwnedPixels big(1024, 1024), work(1024, 1024);
    Fill(big, 1);
    auto [r64, r1] = Compare(
        7, [&] { std::memcpy(work.Pixels.data(), big.Pixels.data(), big.Pixels.size() * 4); BlurBitmap(work.Image, 64); },
        [&] { std::memcpy(work.Pixels.data(), big.Pixels.data(), big.Pixels.size() * 4); BlurBitmap(work.Image, 1); });
    std::printf("blur-radius-independence: %.0f us for 1024 x 1024 at r = 64 (reference: %.0f us at r = 1, ratio: %.3f)\n",
                r64, r1, r64 / r1);

    const size_t n = 1 << 20;
    std::vector<TbsColor> source(big.Pixels.begin(), big.Pixels.begin() + n), dest(n), copy(n);
    const PixelRoutines& routines = Routines();
    auto [blend, mem] = Compare(
        31, [&] { routines.BlendLine(source.data(), dest.data(), n); },
        [&] { std::memcpy(copy.data(), source.data(), n * 4); });
    std::printf("blend-vs-memcpy: %.0f MB/s blending %zu pixels (reference: %.0f MB/s for memcpy of the same bytes, "
                "ratio: %.3f)\n", n * 4 / blend, n, n * 4 / mem, blend / mem);

    OwnedPixels half(512, 512), target(1024, 1024);
    Fill(half, 2);
    OwnedPixels same(1024, 1024);
    auto [stretch, plain] = Compare(
        31, [&] { DrawImage(half.Image, target.Image, {0, 0, 1024, 1024}, {0, 0, 512, 512}); },
        [&] { DrawImage(same.Image, target.Image, {0, 0, 1024, 1024}, {0, 0, 1024, 1024}); });
    std::printf("stretch-vs-copy: %.0f us stretching 512 x 512 to 1024 x 1024 (reference: %.0f us copying 1024 x 1024, "
                "ratio: %.3f)\n", stretch, plain, stretch / plain);

    TbsEffectBmp normal(33, 19), active(33, 19);
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 99; ++x) {
            normal.Row(y)[x] = static_cast<uint8_t>(x * 2);
            active.Row(y)[x] = static_cast<uint8_t>(255 - y * 9);
        }
    std::vector<double> frames;
    for (int round = 0; round < 201; ++round) {
        TbsEffectBmp frame = normal;
        const auto t0 = Clock::now();
        frame.MorphGradient(active, (round % 10) / 10.0);
        frames.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::vector<double> blends;
    for (int round = 0; round < 201; ++round) {
        TbsEffectBmp frame = normal;
        const auto t0 = Clock::now();
        frame.MorphBlend(active, (round % 10) / 10.0);
        blends.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::printf("morph-frame: %.2f us for one gradient frame of 33 x 19 (reference: %.2f us for a plain blend frame, "
                "ratio: %.3f)\n", Median(frames), Median(blends), Median(frames) / Median(blends));
}
