#include <gtest/gtest.h>

#include "effects/EffectBmp.h"

namespace {

// A picture whose every pixel is one grey value per column, from a function.
TbsEffectBmp Columns(int w, int h, auto value)
{
    TbsEffectBmp bmp(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c) bmp.Row(y)[x * 3 + c] = static_cast<uint8_t>(value(x, y));
    return bmp;
}

int At(const TbsEffectBmp& b, int x, int y) { return b.Row(y)[x * 3]; }

} // namespace

TEST(Morph, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(TbsEffectBmp(5, 1).Stride(), 16u);
    EXPECT_EQ(TbsEffectBmp(4, 1).Stride(), 12u);
    EXPECT_EQ(TbsEffectBmp(1, 1).Stride(), 4u);
    EXPECT_EQ(TbsEffectBmp(2, 1).Stride(), 8u);
}

TEST(Morph, BlendClampsItsFactorAndRoundsTiesToEven)
{
    for (double t : {-0.5, 0.0, 2.0, 1.0}) {
        auto a = Columns(3, 2, [](int, int) { return 10; });
        const auto b = Columns(3, 2, [](int, int) { return 200; });
        a.MorphBlend(b, t);
        EXPECT_EQ(At(a, 1, 1), t <= 0 ? 10 : 200) << t;
    }
    auto a = Columns(2, 1, [](int x, int) { return x == 0 ? 1 : 3; });
    a.MorphBlend(Columns(2, 1, [](int x, int) { return x == 0 ? 2 : 4; }), 0.5);
    EXPECT_EQ(At(a, 0, 0), 2); // 1.5 → 2
    EXPECT_EQ(At(a, 1, 0), 4); // 3.5 → 4
    auto other = Columns(3, 1, [](int, int) { return 0; });
    other.MorphBlend(Columns(2, 1, [](int, int) { return 9; }), 1); // sizes differ: nothing
    EXPECT_EQ(At(other, 0, 0), 0);
}

TEST(Morph, SlidesAndPushShowBAtTZero)
{
    const auto b = Columns(5, 2, [](int x, int) { return 100 + x; });
    auto a = Columns(5, 2, [](int x, int) { return x; });
    a.MorphLeftSlide(b, 0);
    EXPECT_EQ(At(a, 0, 1), 104); // B's right-most column
    EXPECT_EQ(At(a, 1, 1), 1);

    a = Columns(5, 2, [](int x, int) { return x; });
    a.MorphRightSlide(b, 0.4); // a = 2: columns 3, 4 take B's 0, 1
    EXPECT_EQ(At(a, 2, 0), 2);
    EXPECT_EQ(At(a, 3, 0), 100);
    EXPECT_EQ(At(a, 4, 0), 101);

    a = Columns(5, 2, [](int x, int) { return x; });
    a.MorphPush(b, 0);
    EXPECT_EQ(At(a, 0, 0), 104);
    for (int x = 1; x < 5; ++x) EXPECT_EQ(At(a, x, 0), x - 1);

    a = Columns(5, 2, [](int x, int) { return x; });
    a.MorphPush(b, 0.4); // a = 2: A moves right by 3, columns 0–2 take B's 2–4
    EXPECT_EQ(At(a, 0, 0), 102);
    EXPECT_EQ(At(a, 2, 0), 104);
    EXPECT_EQ(At(a, 3, 0), 0);
    EXPECT_EQ(At(a, 4, 0), 1);
    // t just inside 0 and 1: the slide still moves one column, and all but one.
    a = Columns(10, 1, [](int x, int) { return x; });
    a.MorphLeftSlide(Columns(10, 1, [](int x, int) { return 100 + x; }), 0.001);
    EXPECT_EQ(At(a, 0, 0), 109);
    EXPECT_EQ(At(a, 1, 0), 1);
    a = Columns(10, 1, [](int x, int) { return x; });
    a.MorphLeftSlide(Columns(10, 1, [](int x, int) { return 100 + x; }), 0.999);
    EXPECT_EQ(At(a, 0, 0), 101);
    EXPECT_EQ(At(a, 8, 0), 109);
    EXPECT_EQ(At(a, 9, 0), 9);
    a = Columns(10, 1, [](int x, int) { return x; });
    a.MorphPush(Columns(10, 1, [](int x, int) { return 100 + x; }), 0.999); // a = 9 at most
    for (int x = 0; x < 10; ++x) EXPECT_EQ(At(a, x, 0), 100 + x);
    // Width 1 and 2 stay inside the picture.
    for (int w : {1, 2})
        for (int kind = 0; kind <= 6; ++kind)
            for (double t : {0.0, 0.01, 0.5, 0.99, 1.0}) {
                auto x = Columns(w, 3, [](int, int) { return 5; });
                x.Morph(kind, Columns(w, 3, [](int, int) { return 250; }), t);
            }
}

TEST(Morph, GradientsPickTheirVariantAndEdges)
{
    // 20 × 20: horizontal. t = 0.5: a = 10, margin 5, band 5–15 shows B.
    auto a = Columns(20, 20, [](int, int) { return 0; });
    const auto b = Columns(20, 20, [](int, int) { return 200; });
    a.MorphGradient(b, 0.5);
    EXPECT_EQ(At(a, 10, 3), 200);
    EXPECT_EQ(At(a, 5, 3), 200);  // left: w = 0 on a column already B
    EXPECT_EQ(At(a, 4, 3), 160);  // w = 0.2: 0.2·0 + 0.8·200
    EXPECT_EQ(At(a, 0, 3), 0);    // w = 1 at the far edge
    EXPECT_EQ(At(a, 19, 7), 40);  // right side: w reaches 0.8 at column 19

    // 10 × 20: vertical. t = 0.5: a = 10, c = 4, step 0.25, rows 5–15 show B.
    auto v = Columns(10, 20, [](int, int) { return 0; });
    v.MorphGradient(Columns(10, 20, [](int, int) { return 200; }), 0.5);
    EXPECT_EQ(At(v, 3, 10), 200);
    EXPECT_EQ(At(v, 3, 4), 150); // w = 0.25
    EXPECT_EQ(At(v, 3, 0), 0);   // w = 1
    EXPECT_EQ(At(v, 3, 18), 50); // rows 15 … 19: w 0, .25, .5, .75, 1
    EXPECT_EQ(At(v, 3, 19), 0);
    // The vertical variant with c = 0 keeps B outside the band as well (step 0).
    auto tall = Columns(2, 4, [](int, int) { return 0; });
    tall.MorphGradient(Columns(2, 4, [](int, int) { return 90; }), 0.75); // a = 3, c = 0, rows 1–3
    for (int y = 0; y < 4; ++y) EXPECT_EQ(At(tall, 0, y), 90) << y;

    auto left = Columns(10, 1, [](int, int) { return 0; });
    left.MorphLeftGradient(Columns(10, 1, [](int, int) { return 100; }), 0.4); // a = 4, step .25
    EXPECT_EQ(At(left, 0, 0), 100);
    EXPECT_EQ(At(left, 2, 0), 50);
    EXPECT_EQ(At(left, 4, 0), 0);
    EXPECT_EQ(At(left, 5, 0), 0);
    auto right = Columns(10, 1, [](int, int) { return 0; });
    right.MorphRightGradient(Columns(10, 1, [](int, int) { return 100; }), 0.4); // b = 6, step .25
    EXPECT_EQ(At(right, 9, 0), 100);
    EXPECT_EQ(At(right, 7, 0), 50);
    EXPECT_EQ(At(right, 5, 0), 0);
}

TEST(Morph, LightenMixesWithWhite)
{
    auto a = Columns(2, 1, [](int x, int) { return x == 0 ? 0 : 255; });
    a.Lighten(0.5);
    EXPECT_EQ(At(a, 0, 0), 128); // 127.5 → 128
    EXPECT_EQ(At(a, 1, 0), 255);
    auto b = Columns(1, 1, [](int, int) { return 1; });
    b.Lighten(0.5); // 128 exactly
    EXPECT_EQ(At(b, 0, 0), 128);
    auto c = Columns(1, 1, [](int, int) { return 40; });
    c.Lighten(-3);
    EXPECT_EQ(At(c, 0, 0), 40);
}
