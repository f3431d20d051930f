#include <gtest/gtest.h>

#include "effects/PixelImage.h"
#include "skinctrls/Composition.h"

#include <cstring>
#include <optional>

namespace {

// Draws with pixels, and notes every call.
class PixelPainter final : public SkinPainter {
public:
    PixelPainter(const PixelImage& source, const PixelImage& target) : source_(source), target_(target) {}
    void Copy(const TRect& t, const TRect& s) override
    {
        EXPECT_EQ(t.Width(), s.Width());
        EXPECT_EQ(t.Height(), s.Height());
        Copies.push_back(t);
        DrawImage(source_, target_, t, s, Routines(), clip_ ? &*clip_ : nullptr);
    }
    void Stretch(const TRect& t, const TRect& s) override
    {
        Stretches.push_back(t);
        DrawImage(source_, target_, t, s, Routines(), clip_ ? &*clip_ : nullptr);
    }
    void SetClip(const TRect* clip) override { clip_ = clip ? std::optional<TRect>(*clip) : std::nullopt; }
    std::vector<TRect> Copies, Stretches;

private:
    PixelImage source_, target_;
    std::optional<TRect> clip_;
};

// A picture with a distinct value in every pixel.
OwnedPixels Picture(int w, int h)
{
    OwnedPixels p(w, h);
    for (int i = 0; i < w * h; ++i) p.Pixels[i] = 0xFF000000u | static_cast<TbsColor>(i + 1);
    return p;
}

// The check box geometry of our skin, as a nine-slice.
SkinGeometry BoxGeometry()
{
    SkinGeometry g;
    g.LeftTop = {5, 8};
    g.RightTop = {27, 8};
    g.LeftBottom = {5, 12};
    g.RightBottom = {27, 12};
    g.Client = {1, 2, 31, 17};
    return g;
}

ScaledGeometry Unscaled(const SkinGeometry& g) { return {g.LeftTop, g.RightTop, g.LeftBottom, g.RightBottom, g.Client}; }

} // namespace

TEST(Tiling, TenPixelPieceInATwentyFivePixelBand)
{
    EXPECT_EQ(TileSpans(10, 0, 25), (std::vector<Span>{{0, 10}, {10, 10}, {20, 5}}));
    EXPECT_EQ(TileSpans(10, 5, 25), (std::vector<Span>{{5, 10}, {15, 10}}));
    EXPECT_TRUE(TileSpans(0, 0, 25).empty());
    EXPECT_TRUE(TileSpans(4, 9, 9).empty());
}

TEST(NineSlice, AtTheSkinSizeReproducesTheSource)
{
    OwnedPixels picture = Picture(60, 40);
    const TRect s{20, 10, 53, 29}; // 33 × 19
    OwnedPixels out(33, 19);
    PixelPainter painter(picture.Image, out.Image);
    const SkinGeometry g = BoxGeometry();
    ComposeNineSlice(painter, s, g, Unscaled(g), 33, 19, true);
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 33; ++x) ASSERT_EQ(out.Image.At(x, y), picture.Image.At(s.Left + x, s.Top + y)) << x << "," << y;
}

TEST(NineSlice, WiderTargetsTileTheEdgesAndClient)
{
    OwnedPixels picture = Picture(33, 19);
    const SkinGeometry g = BoxGeometry();
    ScaledGeometry wide = Unscaled(g);
    wide.RightTop.X += 40;
    wide.RightBottom.X += 40;
    wide.Client.Right += 40;
    OwnedPixels out(73, 19);
    PixelPainter painter(picture.Image, out.Image);
    ComposeNineSlice(painter, {0, 0, 33, 19}, g, wide, 73, 19, true);
    // The right-hand corners moved with the edge; the top band repeats its 22-pixel piece.
    EXPECT_EQ(out.Image.At(72, 0), picture.Image.At(32, 0));
    EXPECT_EQ(out.Image.At(5 + 22, 0), picture.Image.At(5, 0));
    EXPECT_EQ(out.Image.At(72, 18), picture.Image.At(32, 18));

    // Equal points compose nothing.
    SkinGeometry flat = g;
    flat.RightBottom.X = flat.LeftTop.X;
    PixelPainter none(picture.Image, out.Image);
    ComposeNineSlice(none, {0, 0, 33, 19}, flat, wide, 73, 19, true);
    EXPECT_TRUE(none.Copies.empty());
}

TEST(NineSlice, StretchTypesRepeatStrips)
{
    OwnedPixels picture = Picture(40, 40);
    SkinGeometry g;
    g.LeftTop = {0, 0};
    g.RightTop = {30, 0};
    g.LeftBottom = {0, 10};
    g.RightBottom = {30, 10};
    g.Client = {0, 0, 30, 10};
    g.StretchEffect = true;
    g.StretchType = 1;
    ScaledGeometry sc{{0, 0}, {100, 0}, {0, 20}, {100, 20}, {0, 0, 100, 20}};
    OwnedPixels out(100, 20);
    PixelPainter strips(picture.Image, out.Image);
    ComposeNineSlice(strips, {0, 0, 30, 10}, g, sc, 100, 20, true);
    ASSERT_EQ(strips.Stretches.size(), 4u); // 100 div 30 + 1, the last clipped
    EXPECT_EQ(strips.Stretches[3], (TRect{90, 0, 120, 20}));
    EXPECT_EQ(out.Image.At(99, 0), picture.Image.At(9, 0));

    g.StretchType = 2;
    PixelPainter rows(picture.Image, out.Image);
    ComposeNineSlice(rows, {0, 0, 30, 10}, g, sc, 100, 20, true);
    EXPECT_EQ(rows.Stretches.size(), 3u); // 20 div 10 + 1
    g.StretchType = 0;
    PixelPainter whole(picture.Image, out.Image);
    ComposeNineSlice(whole, {0, 0, 30, 10}, g, sc, 100, 20, true);
    EXPECT_EQ(whole.Stretches, std::vector<TRect>{sc.Client});
}

TEST(Slices, HorizontalAndVerticalKeepTheirEnds)
{
    OwnedPixels picture = Picture(20, 6);
    OwnedPixels out(47, 6);
    PixelPainter painter(picture.Image, out.Image);
    ComposeHorizontalSlices(painter, {0, 0, 20, 6}, 4, 3, 47, false);
    EXPECT_EQ(out.Image.At(0, 2), picture.Image.At(0, 2));
    EXPECT_EQ(out.Image.At(46, 5), picture.Image.At(19, 5));
    EXPECT_EQ(out.Image.At(4 + 13, 1), picture.Image.At(4, 1)); // middle piece 13 wide, tiled
    OwnedPixels tall(20, 30);
    PixelPainter vertical(picture.Image, tall.Image);
    ComposeVerticalSlices(vertical, {0, 0, 20, 6}, 2, 1, 30, true);
    EXPECT_EQ(tall.Image.At(3, 29), picture.Image.At(3, 5));
    EXPECT_EQ(tall.Image.At(3, 0), picture.Image.At(3, 0));
}

namespace {

MaskImage Mask(std::initializer_list<const char*> rows)
{
    MaskImage m(static_cast<int32_t>(std::strlen(*rows.begin())), static_cast<int32_t>(rows.size()));
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x]; ++x)
            if (row[x] == '#') std::memset(m.Row(y) + x * 3, 0, 3);
        ++y;
    }
    return m;
}

} // namespace

TEST(RegionData, BlackRunsBecomeRectanglesRowByRow)
{
    const auto two = BuildRegionData(Mask({"#.#"}), 0, 0);
    EXPECT_EQ(two.size(), 32u + 2 * 16);
    EXPECT_EQ(RegionRectangles(two), (std::vector<TRect>{{0, 0, 1, 1}, {2, 0, 3, 1}}));
    const auto none = BuildRegionData(Mask({"...", "..."}), 0, 0);
    EXPECT_EQ(none.size(), 32u);
    EXPECT_TRUE(RegionRectangles(none).empty());
    const auto shifted = BuildRegionData(Mask({".##", "###"}), 10, 20);
    EXPECT_EQ(RegionRectangles(shifted), (std::vector<TRect>{{11, 20, 13, 21}, {10, 21, 13, 22}}));
    int32_t header[8];
    std::memcpy(header, shifted.data(), 32);
    EXPECT_EQ(header[0], 32);
    EXPECT_EQ(header[1], 1);
    EXPECT_EQ(header[4], 10);
    EXPECT_EQ(header[7], 22);
    EXPECT_TRUE(BuildRegionData(MaskImage(), 0, 0).empty());
}

TEST(RegionData, MoreThanTenThousandRunsAllKept)
{
    MaskImage stripes(301, 80); // 150 black runs a row, 12,000 in all
    for (int y = 0; y < 80; ++y)
        for (int x = 1; x < 301; x += 2) std::memset(stripes.Row(y) + x * 3, 0, 3);
    const auto data = BuildRegionData(stripes, 0, 0);
    const auto rects = RegionRectangles(data);
    ASSERT_EQ(rects.size(), 12000u);
    EXPECT_EQ(rects.back(), (TRect{299, 79, 300, 80}));
}

TEST(MaskStrips, FrameTheMaskAtTheTargetSize)
{
    // 6 × 6 mask: rounded corners cut (white), the rest black; client 2,2–4,4.
    const MaskImage m = Mask({".####.", "######", "######", "######", "######", ".####."});
    SkinGeometry g;
    g.LeftTop = {2, 2};
    g.RightTop = {4, 2};
    g.LeftBottom = {2, 4};
    g.RightBottom = {4, 4};
    g.Client = {2, 2, 4, 4};
    ScaledGeometry sc{{2, 2}, {10, 2}, {2, 8}, {10, 8}, {2, 2, 10, 8}};
    const MaskStrips strips = ComposeMaskStrips(m, g, sc, 12);
    ASSERT_EQ(strips.Top.Width, 12);
    ASSERT_EQ(strips.Top.Height, 2);
    EXPECT_FALSE(strips.Top.Black(0, 0));
    EXPECT_TRUE(strips.Top.Black(6, 0));
    EXPECT_FALSE(strips.Top.Black(11, 0));
    EXPECT_TRUE(strips.Top.Black(11, 1));
    EXPECT_EQ(strips.Left.Height, 6);
    EXPECT_EQ(strips.Right.Width, 2);
    EXPECT_FALSE(strips.Bottom.Black(0, 1));
    EXPECT_FALSE(strips.Bottom.Black(11, 1));
}
