#include <gtest/gtest.h>

#include "base/Dib.h"
#include "base/PngImage.h"
#include "skin/DataSkinControls.h"
#include "skinctrls/CheckRadioLook.h"
#include "skinctrls/SkinShape.h"
#include "skinctrls/Translucent.h"

#include <algorithm>

namespace {

SkinShape ShapeOf(TRect skin, TPoint rightTop, TPoint leftBottom, TPoint rightBottom)
{
    TbsDataSkinCustomControl d("box");
    d.SkinRect = skin;
    d.LeftTopPoint = {5, 8};
    d.RightTopPoint = rightTop;
    d.LeftBottomPoint = leftBottom;
    d.RightBottomPoint = rightBottom;
    d.ClientRect = {1, 2, 31, 17};
    SkinShape shape;
    shape.CopyFrom(d);
    return shape;
}

} // namespace

TEST(SkinShape, ResizeModeAndSizeFollowTheCornerPoints)
{
    const TRect skin{59, 62, 92, 81}; // 33 x 19
    struct Case {
        TRect Skin;
        TPoint RightTop, LeftBottom, RightBottom;
        int Mode, Width, Height; // the size a request of 100 x 40 becomes
    } cases[] = {
        {{0, 0, 0, 19}, {27, 8}, {0, 0}, {0, 0}, -1, 100, 40}, // empty skin: the request stands
        {skin, {27, 8}, {5, 12}, {27, 12}, 1, 100, 40},         // both directions
        {skin, {27, 8}, {5, 12}, {27, 0}, 2, 100, 19},          // right-bottom y 0: horizontal only
        {skin, {0, 0}, {5, 12}, {0, 0}, 3, 33, 40},             // vertical only
        {skin, {0, 0}, {0, 0}, {0, 0}, 0, 33, 19},              // fixed
    };
    for (const Case& c : cases) {
        SkinShape shape = ShapeOf(c.Skin, c.RightTop, c.LeftBottom, c.RightBottom);
        int width = 100, height = 40;
        shape.ComputeSkinSize(width, height);
        EXPECT_EQ(shape.ResizeMode, c.Mode);
        EXPECT_EQ(width, c.Width) << c.Mode;
        EXPECT_EQ(height, c.Height) << c.Mode;
    }
    SkinShape both = ShapeOf(skin, {27, 8}, {5, 12}, {27, 12});
    int width = 100, height = 40;
    both.ComputeSkinSize(width, height);
    EXPECT_EQ(both.ScaledRightBottom, (TPoint{27 + 67, 12 + 21}));
    EXPECT_EQ(both.ScaledClientRect, (TRect{1, 2, 31 + 67, 17 + 21}));
}

TEST(SkinShape, ComposesTheSkinPictureByResizeMode)
{
    // A picture whose every pixel tells where it came from.
    TDib picture(40, 20, 24);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            uint8_t* p = picture.Row(y).data() + x * 3;
            p[0] = static_cast<uint8_t>(x);
            p[1] = static_cast<uint8_t>(y);
        }
    const TRect source{2, 1, 12, 6}; // 10 x 5
    auto from = [](TbsColor c) { return TPoint{static_cast<int32_t>(c & 0xFF), static_cast<int32_t>(c >> 8 & 0xFF)}; };

    SkinShape fixed = ShapeOf(source, {0, 0}, {0, 0}, {0, 0});
    OwnedPixels a(10, 5);
    ComposeSkinImage(picture, source, fixed, 10, 5, a.Image);
    EXPECT_EQ(from(a.Image.At(9, 4)), (TPoint{11, 5}));

    // Horizontal: left 3 and right 10 − 8 = 2 columns kept, the middle tiled.
    SkinShape horizontal = ShapeOf(source, {8, 0}, {0, 0}, {0, 0});
    horizontal.LeftTopPoint = {3, 0};
    OwnedPixels b(20, 5);
    ComposeSkinImage(picture, source, horizontal, 20, 5, b.Image);
    EXPECT_EQ(from(b.Image.At(0, 0)), (TPoint{2, 1}));
    EXPECT_EQ(from(b.Image.At(19, 4)), (TPoint{11, 5}));
    EXPECT_EQ(from(b.Image.At(3, 0)), (TPoint{5, 1}));
    EXPECT_EQ(from(b.Image.At(8, 0)), (TPoint{5, 1})); // the 5-column middle again

    // An empty skin rectangle composes nothing.
    SkinShape none = ShapeOf({}, {8, 0}, {0, 0}, {0, 0});
    OwnedPixels c(4, 4);
    ComposeSkinImage(picture, {}, none, 4, 4, c.Image);
    EXPECT_EQ(c.Image.At(1, 1), 0u);
}

TEST(CheckRadioLook, GlyphTableWithItsFallbacks)
{
    TbsDataSkinCheckRadioControl d("checkbox");
    d.CheckImageRect = {43, 60, 58, 75};
    d.UnCheckImageRect = {1, 60, 16, 75};
    d.ActiveCheckImageRect = {29, 60, 44, 75};
    d.ActiveUnCheckImageRect = {15, 60, 30, 75};
    d.Morphing = true;
    CheckRadioLook look;
    look.CopyFrom(d, {59, 62, 92, 81}, false);
    EXPECT_EQ(look.ActiveSkinRect, (TRect{59, 62, 92, 81})); // empty: the skin rectangle
    EXPECT_TRUE(look.Morphing);
    const TRect check = d.CheckImageRect, uncheck = d.UnCheckImageRect;
    const TRect hotCheck = d.ActiveCheckImageRect, hotUncheck = d.ActiveUnCheckImageRect;
    struct Case {
        bool Enabled, Hot;
        TCheckBoxState State;
        TRect Source;
        bool Lighten;
    } cases[] = {
        {true, true, cbGrayed, hotCheck, true},  {true, true, cbChecked, hotCheck, false},
        {true, true, cbUnchecked, hotUncheck, false}, {true, false, cbGrayed, check, true},
        {true, false, cbChecked, check, false},  {true, false, cbUnchecked, uncheck, false},
        // Disabled rectangles are empty in the skin: the normal ones stand in.
        {false, true, cbGrayed, check, true},    {false, false, cbChecked, check, false},
        {false, true, cbUnchecked, uncheck, false},
    };
    for (const Case& c : cases) {
        const GlyphChoice g = ChooseGlyph(look, c.Enabled, c.Hot, c.State, c.State == cbChecked);
        EXPECT_EQ(g.Source, c.Source) << c.Enabled << c.Hot << int(c.State);
        EXPECT_EQ(g.Lighten, c.Lighten) << c.Enabled << c.Hot << int(c.State);
    }
    d.GrayedCheckImageRect = {1, 1, 16, 16};
    look.CopyFrom(d, {59, 62, 92, 81}, true);
    EXPECT_FALSE(look.Morphing); // Flat never morphs
    EXPECT_EQ(ChooseGlyph(look, true, true, cbGrayed, false).Source, d.GrayedCheckImageRect); // no hot one
    EXPECT_FALSE(ChooseGlyph(look, true, true, cbGrayed, false).Lighten);

    // The glyph centred in its area, which moves with the width when right of the text.
    look.CheckImageArea = {1, 1, 18, 17};
    look.TextArea = {19, 1, 32, 18};
    EXPECT_EQ(CheckImagePlaceOf(look, 10), (TRect{2, 2, 17, 17}));
    look.TextArea = {1, 1, 15, 18};
    EXPECT_EQ(CheckImagePlaceOf(look, 10), (TRect{12, 2, 27, 17}));
}

TEST(CheckRadioLook, KeyedGlyphLeavesItsBottomLeftColourOut)
{
    TDib picture(3, 2, 24);
    auto set = [&](int x, int y, uint8_t v) { std::fill_n(picture.Row(y).data() + x * 3, 3, v); };
    set(0, 0, 200), set(1, 0, 9), set(2, 0, 200), set(0, 1, 200), set(1, 1, 50), set(2, 1, 200);
    OwnedPixels target(4, 3);
    DrawKeyedGlyph(CutGlyph(picture, {{0, 0, 3, 2}}), target.Image, 1, 1);
    EXPECT_EQ(target.Image.At(2, 1), 0xFF090909u);
    EXPECT_EQ(target.Image.At(2, 2), 0xFF323232u);
    EXPECT_EQ(target.Image.At(1, 1), 0u); // the key colour leaves the target alone
    // Lightened halfway to white: the grayed look.
    const TbsEffectBmp light = CutGlyph(picture, {{0, 0, 3, 2}, true});
    EXPECT_EQ(light.Row(0)[3], 132);
}

TEST(CheckRadioLook, MorphStepsAndStopsByItself)
{
    std::vector<double> up;
    double p = 0;
    for (MorphTick t{}; !t.Stop;) {
        t = StepMorph(p, true, true);
        p = t.Position;
        up.push_back(p);
    }
    ASSERT_EQ(up.size(), 6u); // five steps of 0.2, then the stop at 1
    EXPECT_NEAR(up[0], 0.2, 1e-9);
    EXPECT_EQ(up.back(), 1.0);
    int ticks = 0;
    for (MorphTick t{}; !t.Stop; ++ticks) p = (t = StepMorph(p, false, true)).Position;
    EXPECT_EQ(p, 0.0);
    EXPECT_LE(ticks, 7);
    const MorphTick off = StepMorph(0.4, true, false); // inactive: straight to the end, no repaint
    EXPECT_EQ(off.Position, 1.0);
    EXPECT_TRUE(off.Stop);
    EXPECT_FALSE(off.Repaint);
}

TEST(CheckRadioLook, DottedFocusFramePhase)
{
    // Shrunk by one: 6 x 4 (both even) starts with a gap; 7 x 4 starts drawn.
    const std::vector<TPoint> even = DottedFocusFramePoints({0, 0, 7, 5});
    const std::vector<TPoint> odd = DottedFocusFramePoints({0, 0, 8, 5});
    EXPECT_EQ(even.front(), (TPoint{1, 0}));
    EXPECT_EQ(odd.front(), (TPoint{0, 0}));
    auto onFrame = [](const std::vector<TPoint>& points, int right) {
        return std::all_of(points.begin(), points.end(),
                           [&](TPoint p) { return p.X == 0 || p.Y == 0 || p.Y == 4 || p.X == right; });
    };
    EXPECT_TRUE(onFrame(even, 6));
    EXPECT_TRUE(onFrame(odd, 7));
    EXPECT_EQ(even.size(), 12u); // every second of 24 steps round the frame
    EXPECT_TRUE(DottedFocusFramePoints({5, 5, 5, 5}).empty());
}

TEST(CheckRadioLook, Accelerators)
{
    EXPECT_TRUE(IsAccelerator("&Agree", 'a'));
    EXPECT_TRUE(IsAccelerator("I a&gree", 'G'));
    EXPECT_FALSE(IsAccelerator("Fish && &Chips", 'f'));
    EXPECT_TRUE(IsAccelerator("Fish && &Chips", 'c'));
    EXPECT_FALSE(IsAccelerator("阅读并同意", 'a'));
    EXPECT_FALSE(IsAccelerator("end&", 'e'));
}

TEST(Translucent, HalvesAlphaAndKeepsClearPixelsClear)
{
    TbsPngImage rgba(3, 1, TbsPngImage::RGBAlpha);
    std::span<uint8_t> alpha = rgba.AlphaRow(0);
    alpha[0] = 255, alpha[1] = 0, alpha[2] = 3;
    MakeTranslucent(rgba, 127);
    EXPECT_EQ(rgba.Alpha(0, 0), 128); // 127.5, ties to even
    EXPECT_EQ(rgba.Alpha(1, 0), 0);
    EXPECT_EQ(rgba.Alpha(2, 0), 2); // 1.5 → 2

    TbsPngImage keyed(2, 1, TbsPngImage::RGB);
    keyed.SetPixel(0, 0, 0x00FF00);
    keyed.SetTransparentColor(0x00FF00);
    MakeTranslucent(keyed, 127);
    EXPECT_EQ(keyed.Type(), TbsPngImage::RGBAlpha);
    EXPECT_EQ(keyed.Alpha(0, 0), 0);
    EXPECT_EQ(keyed.Alpha(1, 0), 128);

    // Grey and palette pictures become RGB at the level, their clear entries kept clear.
    TbsPngImage palette(2, 1, TbsPngImage::Palette);
    palette.SetPalette({0x0000FF, 0x00FF00}, {0, 255});
    palette.SetPixel(1, 0, 0x00FF00);
    MakeTranslucent(palette, 127);
    EXPECT_EQ(palette.Type(), TbsPngImage::RGBAlpha);
    EXPECT_EQ(palette.Alpha(0, 0), 0);
    EXPECT_EQ(palette.Alpha(1, 0), 127);
    EXPECT_EQ(palette.Pixel(1, 0), 0x00FF00u);
}
