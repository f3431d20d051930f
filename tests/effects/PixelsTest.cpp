#include <gtest/gtest.h>

#include <random>

#include "effects/Blur.h"
#include "effects/PixelImage.h"

namespace {

TbsColor Pixel(uint8_t a, uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<TbsColor>(a) << 24 | static_cast<TbsColor>(r) << 16 | static_cast<TbsColor>(g) << 8 | b;
}

std::vector<TbsColor> Random(size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<TbsColor> v(n);
    for (auto& p : v) p = random();
    return v;
}

} // namespace

TEST(PixelRoutines, BlendsFollowTheirFormulasAtTheAlphaEdges)
{
    const TbsColor d = Pixel(0x40, 200, 100, 50);
    for (auto blend : {BlendLinePlain, BlendLineMmx, BlendLineMmxSse2}) {
        TbsColor out = d;
        const TbsColor clear = Pixel(0, 10, 20, 30);
        blend(&clear, &out, 1);
        EXPECT_EQ(out, d) << "alpha 0 keeps the destination";
        const TbsColor opaque = Pixel(255, 10, 20, 30);
        blend(&opaque, &out, 1);
        EXPECT_EQ(out, opaque) << "alpha 255 takes the source, alpha included";
    }
    const TbsColor s1 = Pixel(1, 255, 255, 255), s254 = Pixel(254, 0, 0, 255);
    TbsColor out = d;
    BlendLinePlain(&s1, &out, 1);
    EXPECT_EQ(out, Pixel(255, (255 * 1 + 200 * 254) >> 8, (255 + 100 * 254) >> 8, (255 + 50 * 254) >> 8));
    out = d;
    BlendLineMmx(&s254, &out, 1);
    EXPECT_EQ(out, Pixel((254 * 254 + 0x40 * 2) >> 8, (200 * 2) >> 8, (100 * 2) >> 8, (255 * 254 + 50 * 2) >> 8));
}

TEST(PixelRoutines, VectorBlendEqualsTheFormulaBitForBit)
{
    for (size_t n : {0u, 1u, 3u, 4u, 5u, 17u, 1000u}) {
        const auto source = Random(n, 1), dest = Random(n, 2);
        auto a = dest, b = dest;
        std::vector<TbsColor> src = source;
        for (size_t i = 0; i < n; i += 5) src[i] &= 0x00FFFFFF;      // alpha 0
        for (size_t i = 1; i < n; i += 7) src[i] |= 0xFF000000u;     // alpha 255
        BlendLineMmx(src.data(), a.data(), n);
        BlendLineMmxSse2(src.data(), b.data(), n);
        EXPECT_EQ(a, b) << n;
    }
}

TEST(PixelRoutines, KeyCopyAndFillAlpha)
{
    const PixelRoutines r = MakePixelRoutines(false);
    const TbsColor source[3] = {Pixel(0, 127, 0, 127), Pixel(9, 127, 0, 127) , Pixel(0, 1, 2, 3)};
    TbsColor dest[3] = {1, 2, 3};
    r.KeyCopyLine(source, dest, 3);
    EXPECT_EQ(dest[0], 1u);
    EXPECT_EQ(dest[1], 2u) << "the key compares the colour only";
    EXPECT_EQ(dest[2], Pixel(255, 1, 2, 3));
    r.FillAlpha(dest, 3, 7);
    EXPECT_EQ(dest[2], Pixel(7, 1, 2, 3));
    EXPECT_EQ(MakePixelRoutines(true).BlendLine == BlendLinePlain, false);
}

TEST(StretchMap, SamplesMiddleForOnePixelAndRoundsTiesToEven)
{
    EXPECT_EQ(StretchMap(0, 1, 0, 1, 0, 10), std::vector<int32_t>{4}); // (0 + 10 − 1) div 2
    EXPECT_EQ(StretchMap(5, 6, 5, 6, 3, 8), std::vector<int32_t>{5});
    // 3 source columns onto 5: x·2/4 = 0, 0.5, 1, 1.5, 2 → 0, 0 (tie to even), 1, 2 (tie), 2.
    EXPECT_EQ(StretchMap(0, 5, 0, 5, 0, 3), (std::vector<int32_t>{0, 0, 1, 2, 2}));
    // With an odd source start the ties go the other way: 1, 1.5, 2, 2.5, 3 → 1, 2, 2, 2, 3.
    EXPECT_EQ(StretchMap(0, 5, 0, 5, 1, 4), (std::vector<int32_t>{1, 2, 2, 2, 3}));
    // Against the formula, for up- and down-scaling.
    for (int dw : {2, 3, 7, 40}) for (int sw : {1, 2, 5, 33}) {
        const auto map = StretchMap(0, dw, 0, dw, 2, 2 + sw);
        for (int x = 0; x < dw; ++x)
            EXPECT_EQ(map[x], static_cast<int32_t>(std::nearbyint(x * double(sw - 1) / (dw - 1) + 2))) << dw << " " << sw;
    }
}

TEST(DrawImage, CopiesBlendsKeysAndStretchesWithinTheTarget)
{
    OwnedPixels source(4, 2), target(6, 6);
    for (int i = 0; i < 8; ++i) source.Pixels[i] = Pixel(255, static_cast<uint8_t>(i), 0, 0);
    DrawImage(source.Image, target.Image, {4, 5, 8, 7}, {0, 0, 4, 2}); // clipped to 2 × 1
    EXPECT_EQ(target.Image.At(4, 5), source.Pixels[0]);
    EXPECT_EQ(target.Image.At(5, 5), source.Pixels[1]);
    DrawImage(source.Image, target.Image, {0, 0, 6, 6}, {0, 0, 5, 2}); // outside the source: nothing
    EXPECT_EQ(target.Image.At(0, 0), 0u);

    OwnedPixels big(8, 4);
    DrawImage(source.Image, big.Image, {0, 0, 8, 4}, {0, 0, 4, 2}); // 2× up
    const auto cols = StretchMap(0, 8, 0, 8, 0, 4), rows = StretchMap(0, 4, 0, 4, 0, 2);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(big.Image.At(x, y), source.Image.At(cols[x], rows[y]));

    source.Image.AlphaBlend = true;
    source.Pixels[0] = Pixel(0, 9, 9, 9);
    OwnedPixels blended(8, 4);
    std::fill(blended.Pixels.begin(), blended.Pixels.end(), Pixel(255, 1, 1, 1));
    DrawImage(source.Image, blended.Image, {0, 0, 8, 4}, {0, 0, 4, 2});
    EXPECT_EQ(blended.Image.At(0, 0), Pixel(255, 1, 1, 1)) << "alpha 0 samples leave the target";
    EXPECT_EQ(blended.Image.At(7, 3), source.Pixels[7]);
}

TEST(Reflection, FlipsAndFadesTheLowerHalfAway)
{
    OwnedPixels one(2, 1);
    one.Pixels = {Pixel(200, 1, 2, 3), Pixel(0, 4, 5, 6)};
    one.Image.Bits = one.Pixels.data();
    MakeReflection(one.Image);
    EXPECT_EQ(one.Pixels[0], Pixel(66, 1, 2, 3)); // round(200) div 3
    EXPECT_EQ(one.Pixels[1], Pixel(0, 4, 5, 6));

    OwnedPixels image(3, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 3; ++x) image.Image.At(x, y) = Pixel(255, static_cast<uint8_t>(y), 0, 0);
    MakeReflection(image.Image, true);
    EXPECT_EQ(image.Image.At(0, 0), Pixel(63, 7, 0, 0)); // flipped; 255 div 4
    EXPECT_EQ(image.Image.At(0, 1) >> 24, static_cast<TbsColor>(std::nearbyint(0.75 * 255)) / 4);
    for (int y = 4; y < 8; ++y) EXPECT_EQ(image.Image.At(1, y) >> 24, 0u) << y;
    EXPECT_EQ(image.Image.At(2, 7) & 0xFFFFFF, 0x000000u);

    OwnedPixels flat(2, 2);
    flat.Pixels = {Pixel(0, 1, 1, 1), Pixel(255, 1, 1, 1), Pixel(255, 0, 0, 0), Pixel(0, 0, 0, 0)};
    flat.Image.Bits = flat.Pixels.data();
    EXPECT_FALSE(HasPartialAlpha(flat.Image));
    flat.Pixels[3] = Pixel(128, 0, 0, 0);
    EXPECT_TRUE(HasPartialAlpha(flat.Image));
    EXPECT_FALSE(HasPartialAlpha(PixelImage{}));
}

namespace {

// The blur by its definition: the triangular window, edges repeated, floor division.
std::vector<TbsColor> DirectBlur(const std::vector<TbsColor>& in, int w, int h, int r)
{
    const int d = (r + 1) * (r + 1);
    std::vector<uint32_t> planes[3];
    for (int c = 0; c < 3; ++c) {
        planes[c].resize(in.size());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                long sum = 0;
                for (int k = -r; k <= r; ++k)
                    sum += (r + 1 - std::abs(k)) * long(in[y * w + std::clamp(x + k, 0, w - 1)] >> (16 - 8 * c) & 0xFF);
                planes[c][y * w + x] = static_cast<uint32_t>(sum / d);
            }
    }
    std::vector<TbsColor> out(in.size(), 0xFF000000u);
    for (int c = 0; c < 3; ++c)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                long sum = 0;
                for (int k = -r; k <= r; ++k) sum += (r + 1 - std::abs(k)) * long(planes[c][std::clamp(y + k, 0, h - 1) * w + x]);
                out[y * w + x] |= static_cast<TbsColor>(sum / d) << (16 - 8 * c);
            }
    return out;
}

} // namespace

TEST(Blur, SingleWhitePixelWithRadiusOne)
{
    OwnedPixels image(5, 5);
    image.Image.At(2, 2) = 0x00FFFFFF;
    BlurBitmap(image.Image, 1);
    EXPECT_EQ(image.Image.At(2, 2), 0xFF3F3F3Fu); // 63
    EXPECT_EQ(image.Image.At(1, 2), 0xFF1F1F1Fu); // 31
    EXPECT_EQ(image.Image.At(2, 3), 0xFF1F1F1Fu);
    EXPECT_EQ(image.Image.At(1, 1), 0xFF0F0F0Fu); // 15
    EXPECT_EQ(image.Image.At(0, 0), 0xFF000000u);

    OwnedPixels untouched(3, 3);
    untouched.Image.At(1, 1) = 0x12345678;
    BlurBitmap(untouched.Image, 0);
    EXPECT_EQ(untouched.Image.At(1, 1), 0x12345678u);
}

TEST(Blur, EqualsTheTriangularWindowForRandomImagesAndRadii)
{
    std::mt19937 random(5);
    for (int r = 1; r <= 20; ++r) {
        const int w = 1 + static_cast<int>(random() % 37), h = 1 + static_cast<int>(random() % 29);
        OwnedPixels image(w, h);
        image.Pixels = Random(static_cast<size_t>(w) * h, static_cast<unsigned>(r));
        image.Image.Bits = image.Pixels.data();
        const auto expected = DirectBlur(image.Pixels, w, h, r);
        BlurBitmap(image.Image, r);
        ASSERT_EQ(image.Pixels, expected) << "r " << r << " " << w << "×" << h;
    }
}
