#include <gtest/gtest.h>

#include "TestSupport.h"
#include "base/Dib.h"
#include "base/PngImage.h"
#include "effects/EffectBmpWindows.h"
#include "effects/GlowText.h"
#include "effects/TbsBitmap.h"
#include "skinctrls/Regions.h"
#include "ui/DibSection.h"
#include "ui/PngBitmap.h"
#include "ui/SystemEntries.h"

namespace {

TbsColor Argb(uint8_t a, uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<TbsColor>(a) << 24 | static_cast<TbsColor>(r) << 16 | static_cast<TbsColor>(g) << 8 | b;
}

void Fill(TbsBitmap& bitmap, TbsColor colour)
{
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) *bitmap.PixelPtr(x, y) = colour;
}

// A 32-bit DIB section in a device context of its own: a target that is no alpha bitmap.
struct PlainTarget {
    BitmapHandle section;
    MemoryDC dc;
    TbsColor* bits = nullptr;
    HGDIOBJ old = nullptr;
    PlainTarget(int w, int h)
    {
        void* p = nullptr;
        section = CreateTopDownDibSection(w, h, 32, &p);
        bits = static_cast<TbsColor*>(p);
        dc = MemoryDC(CreateCompatibleDC(nullptr));
        old = SelectObject(dc.Get(), section.Get());
    }
    ~PlainTarget() { SelectObject(dc.Get(), old); }
};

} // namespace

TEST(TbsBitmap, SizesKeepOrReplaceThePixels)
{
    TbsBitmap bitmap;
    EXPECT_TRUE(bitmap.IsEmpty());
    bitmap.SetSize(-5, -7);
    ASSERT_FALSE(bitmap.IsEmpty());
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 7);
    EXPECT_EQ(*bitmap.PixelPtr(4, 6), 0u);
    bitmap.SetPixel(4, 6, 0x11223344);
    bitmap.SetPixel(5, 0, 1); // outside: nothing
    bitmap.SetSize(5, 7);
    EXPECT_EQ(*bitmap.PixelPtr(4, 6), 0x11223344u);
    bitmap.SetSize(0, 10);
    bitmap.SetSize(10, 0);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(FindBitmapByDC(bitmap.DC()), &bitmap);
    const HDC dc = bitmap.DC();
    bitmap.SetSize(3, 3);
    EXPECT_EQ(FindBitmapByDC(dc == bitmap.DC() ? nullptr : dc), nullptr);
    EXPECT_EQ(FindBitmapByDC(bitmap.DC()), &bitmap);
}

TEST(TbsBitmap, DrawingOntoAnotherBitmapsContextBlendsIntoItsPixels)
{
    TbsBitmap source, target;
    source.SetSize(2, 2);
    target.SetSize(6, 6);
    Fill(source, Argb(128, 255, 0, 0));
    Fill(target, Argb(255, 0, 0, 255));
    source.AlphaBlend = true;
    SetWindowOrgEx(target.DC(), -2, -1, nullptr); // drawing at (0, 0) lands at (2, 1)
    source.DrawAt(target.DC(), 0, 0);
    TbsColor expected = Argb(255, 0, 0, 255);
    const TbsColor s = Argb(128, 255, 0, 0);
    Routines().BlendLine(&s, &expected, 1);
    EXPECT_EQ(*target.PixelPtr(2, 1), expected);
    EXPECT_EQ(*target.PixelPtr(3, 2), expected);
    EXPECT_EQ(*target.PixelPtr(0, 0), Argb(255, 0, 0, 255));
    EXPECT_EQ(*target.PixelPtr(4, 3), Argb(255, 0, 0, 255));
}

TEST(TbsBitmap, SystemTransparentBltAndTheFallbackGiveTheSamePixels)
{
    TbsBitmap source;
    source.SetSize(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            *source.PixelPtr(x, y) = (x + y) % 2 ? TransparentKey : Argb(255, static_cast<uint8_t>(40 * x), 90, 7);
    source.Transparent = true;
    const bool chosen = TbsBitmap::UseSystemTransparentBlt();
    std::vector<TbsColor> results[2];
    for (int system = 0; system < 2; ++system) {
        if (system && !BoundEntries().TransparentBlt) GTEST_SKIP() << "no TransparentBlt on this system";
        PlainTarget target(8, 6);
        for (int i = 0; i < 48; ++i) target.bits[i] = Argb(255, 1, 2, 3);
        TbsBitmap::UseSystemTransparentBlt() = system == 1;
        source.DrawRect(target.dc.Get(), 2, 1, {0, 0, 4, 3});
        GdiFlush();
        for (int i = 0; i < 48; ++i) results[system].push_back(target.bits[i] & 0xFFFFFF);
    }
    TbsBitmap::UseSystemTransparentBlt() = chosen;
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0][1 * 8 + 2], 0x005A07u); // (0, 0) drawn
    EXPECT_EQ(results[0][1 * 8 + 3], 0x010203u); // a key pixel left the target
}

namespace {

// Renders "Tavio" with a blue glow of size g onto white; returns the pixels.
std::vector<TbsColor> Glow(int g, RECT& r)
{
    TbsBitmap target;
    target.SetSize(140, 60);
    Fill(target, Argb(255, 255, 255, 255));
    r = {30, 15, 110, 45};
    TCanvas& canvas = target.Canvas();
    FontSpec font;
    font.Name = "Arial";
    font.Height = 22;
    canvas.SetFont(font);
    DrawGlowText(canvas, r, "Tavio", g, RGB(0, 80, 255), 0, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    GdiFlush();
    return {target.PixelPtr(0, 0), target.PixelPtr(0, 0) + 140 * 60};
}

bool Bluish(TbsColor c) { return (c & 0xFF) > ((c >> 16) & 0xFF) + 8; }
bool Dark(TbsColor c) { return ((c >> 16) & 0xFF) < 90 && ((c >> 8) & 0xFF) < 90; }

} // namespace

TEST(GlowText, HaloAroundTheTextWhichStaysOnTop)
{
    RECT r;
    const auto glow = Glow(7, r);
    // The text's extent: its dark pixels.
    int left = 140, right = -1, top = 60, bottom = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 140; ++x)
            if (Dark(glow[y * 140 + x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GT(right, left) << "the text is drawn, dark, on top of its halo";
    const int middle = (top + bottom) / 2;
    const TbsColor leftHalo = glow[middle * 140 + left - 3], rightHalo = glow[middle * 140 + right + 3];
    EXPECT_TRUE(Bluish(leftHalo)) << std::hex << leftHalo;
    EXPECT_TRUE(Bluish(rightHalo)) << std::hex << rightHalo;
    EXPECT_TRUE(Bluish(glow[(top - 2) * 140 + left + 2])) << std::hex << glow[(top - 2) * 140 + left + 2];
    EXPECT_TRUE(Bluish(glow[(bottom + 2) * 140 + right - 2])) << std::hex << glow[(bottom + 2) * 140 + right - 2];
    EXPECT_EQ(glow[0], Argb(255, 255, 255, 255)) << "far from the text nothing changes";

    RECT sharp;
    const auto plain = Glow(0, sharp);
    int halo = 0, distant = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 140; ++x) {
            if (Bluish(plain[y * 140 + x])) ++halo;
            if (x < left - 3 && Bluish(plain[y * 140 + x])) ++distant;
        }
    EXPECT_GT(halo, 0) << "without blur the thickened text itself is the halo";
    EXPECT_EQ(distant, 0) << "and it does not reach beyond a pixel";
}

TEST(Regions, FrameOfAMaskShapesARealWindow)
{
    // 8 × 8 mask, black inside, the three top-corner pixels on each side white.
    TbsBitmap maskPixels;
    maskPixels.SetSize(8, 8);
    Fill(maskPixels, Argb(255, 0, 0, 0));
    for (TbsColor* p : {maskPixels.PixelPtr(0, 0), maskPixels.PixelPtr(1, 0), maskPixels.PixelPtr(0, 1),
                        maskPixels.PixelPtr(7, 0), maskPixels.PixelPtr(6, 0), maskPixels.PixelPtr(7, 1)})
        *p = Argb(255, 255, 255, 255);
    BitmapHandle mask(CreateBitmap(8, 8, 1, 32, maskPixels.PixelPtr(0, 0)));
    SkinGeometry g;
    g.LeftTop = {3, 3};
    g.RightTop = {5, 3};
    g.LeftBottom = {3, 5};
    g.RightBottom = {5, 5};
    g.Client = {3, 3, 5, 5};
    const ScaledGeometry sc{{3, 3}, {25, 3}, {3, 15}, {25, 15}, {3, 3, 25, 15}};
    RegionHandle region = FrameRegionFromMask(mask.Get(), g, sc, 28, 18);
    ASSERT_NE(region.Get(), nullptr);

    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 28, 18, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(SetWindowRgn(window, region.Release(), FALSE), 0);
    RegionHandle shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, shape.Get()), ERROR);
    const auto inside = [&](int x, int y) { return PtInRegion(shape.Get(), x, y) != 0; };
    EXPECT_FALSE(inside(0, 0));
    EXPECT_FALSE(inside(27, 0));
    EXPECT_FALSE(inside(26, 0));
    EXPECT_TRUE(inside(2, 0));
    EXPECT_TRUE(inside(14, 0));
    EXPECT_TRUE(inside(0, 17));
    EXPECT_TRUE(inside(14, 9)); // client
    DestroyWindow(window);

    ScaledGeometry tooSmall = sc;
    tooSmall.RightTop.X = 1;
    EXPECT_EQ(FrameRegionFromMask(mask.Get(), g, tooSmall, 28, 18).Get(), nullptr);
}

TEST(EffectBmp, ReadsAndDrawsThroughTheSystem)
{
    TbsBitmap source;
    source.SetSize(5, 2);
    Fill(source, Argb(255, 10, 20, 30));
    *source.PixelPtr(4, 1) = Argb(255, 200, 100, 50);
    BitmapHandle bitmap(CreateBitmap(5, 2, 1, 32, source.PixelPtr(0, 0)));
    const TbsEffectBmp picture = EffectBmpFromBitmap(bitmap.Get());
    ASSERT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Row(1)[12], 50);
    EXPECT_EQ(picture.Row(1)[14], 200);
    TbsBitmap target;
    target.SetSize(8, 4);
    DrawEffectBmp(picture, target.DC(), 2, 1);
    GdiFlush();
    EXPECT_EQ(*target.PixelPtr(6, 2) & 0xFFFFFF, 0xC86432u);
}

TEST(PngBitmap, CopiesOpaquePicturesAndBlendsTheOthers)
{
    // A 2 x 2 picture of one colour with two pixels' alpha set, drawn over grey at its
    // size and scaled to twice it: what shows is the picture where opaque, grey where
    // clear, and the two mixed where half.
    constexpr uint32_t Colour = RGB(200, 100, 50), Shown = 0xC86432, Grey = 0x808080; // Shown: as the DIB holds it
    struct Case {
        const char* name;
        TbsPngImage::ColorType type;
        uint8_t alpha0, alpha1; // of pixels (0, 0) and (1, 0)
        bool keyed;             // (1, 1) in the transparent colour of an RGB picture
        bool opaque;
    };
    const Case cases[] = {
        {"RGB", TbsPngImage::RGB, 255, 255, false, true},
        {"RGB with a transparent colour", TbsPngImage::RGB, 255, 255, true, false},
        {"alpha, every pixel 255", TbsPngImage::RGBAlpha, 255, 255, false, true},
        {"alpha, one pixel clear", TbsPngImage::RGBAlpha, 0, 255, false, false},
        {"alpha, one pixel half", TbsPngImage::RGBAlpha, 255, 128, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TbsPngImage png(2, 2, c.type);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) png.SetPixel(x, y, Colour);
        if (c.keyed) {
            png.SetPixel(1, 1, RGB(1, 2, 3));
            png.SetTransparentColor(RGB(1, 2, 3));
        }
        if (png.HasAlpha()) png.AlphaRow(0)[0] = c.alpha0, png.AlphaRow(0)[1] = c.alpha1;
        const TPngBitmap bitmap(png);
        EXPECT_EQ(bitmap.Opaque(), c.opaque);
        auto expected = [&](int x, int y) -> uint32_t {
            const unsigned a = c.keyed && x == 1 && y == 1 ? 0 : y == 0 ? (x == 0 ? c.alpha0 : c.alpha1) : 255;
            uint32_t mixed = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const unsigned s = (Shown >> shift & 0xFF) * a / 255, d = (Grey >> shift & 0xFF) * (255 - a) / 255;
                mixed |= (s + d) << shift;
            }
            return mixed;
        };
        for (int scale : {1, 2}) {
            SCOPED_TRACE(scale);
            PlainTarget target(6, 6);
            for (int i = 0; i < 36; ++i) target.bits[i] = 0xFF000000u | Grey;
            bitmap.Draw(target.dc.Get(), RECT{1, 1, 1 + 2 * scale, 1 + 2 * scale});
            GdiFlush();
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 6; ++x) {
                    const bool inside = x >= 1 && y >= 1 && x < 1 + 2 * scale && y < 1 + 2 * scale;
                    const uint32_t want = inside ? expected((x - 1) / scale, (y - 1) / scale) : Grey;
                    const uint32_t got = target.bits[y * 6 + x] & 0xFFFFFF;
                    for (int shift = 0; shift < 24; shift += 8) // blending may round either way
                        EXPECT_NEAR(static_cast<int>(got >> shift & 0xFF), static_cast<int>(want >> shift & 0xFF), 1)
                            << "at " << x << ", " << y;
                }
        }
    }
}

TEST(TbsBitmap, AssignsFrameworkPicturesAndHandsOutBitmaps)
{
    // A PNG with one clear pixel, one half-transparent, the rest opaque.
    TbsPngImage png(3, 2, TbsPngImage::RGBAlpha);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) png.SetPixel(x, y, RGB(200, 100, 50));
    png.AlphaRow(0)[0] = 0;
    png.AlphaRow(0)[1] = 128;
    TbsBitmap fromPng;
    fromPng.LoadFromPngImage(png);
    EXPECT_EQ(*fromPng.PixelPtr(2, 1), Argb(255, 200, 100, 50));
    EXPECT_EQ(*fromPng.PixelPtr(1, 0), Argb(128, 200, 100, 50));
    EXPECT_TRUE(fromPng.AlphaBlend);

    // As a framework graphic: drawn onto magenta; the clear pixel is not taken.
    TbsBitmap fromGraphic;
    fromGraphic.Assign(TPngBitmap(png));
    EXPECT_EQ(*fromGraphic.PixelPtr(0, 0), Argb(255, 0, 0, 0)) << "kept what it held, then made opaque";
    EXPECT_EQ(*fromGraphic.PixelPtr(2, 1), Argb(255, 200, 100, 50));

    TDib dib(2, 1, 24);
    dib.Row(0)[3] = 9;  // blue of pixel 1
    dib.Row(0)[5] = 77; // red of pixel 1
    TbsBitmap fromDib;
    fromDib.Assign(dib);
    EXPECT_EQ(*fromDib.PixelPtr(1, 0), Argb(255, 77, 0, 9));

    TbsBitmap copy;
    fromPng.Name = "mark";
    copy.Assign(fromPng);
    EXPECT_EQ(copy.Name, "mark");
    EXPECT_TRUE(copy.AlphaBlend);
    EXPECT_EQ(*copy.PixelPtr(1, 0), *fromPng.PixelPtr(1, 0));

    // Handed out as a framework bitmap, drawn in the current mode: copy.
    fromDib.AlphaBlend = false;
    BitmapHandle out = fromDib.AssignToBitmap();
    TbsBitmap back;
    back.AssignBitmap(out.Get());
    EXPECT_EQ(*back.PixelPtr(1, 0), Argb(255, 77, 0, 9));
}

TEST(Regions, FastBitmapRowsAndPadding)
{
    TbsBitmap pixels;
    pixels.SetSize(5, 2);
    Fill(pixels, Argb(255, 255, 255, 255));
    *pixels.PixelPtr(1, 1) = Argb(255, 0, 0, 0);
    BitmapHandle bitmap(CreateBitmap(5, 2, 1, 32, pixels.PixelPtr(0, 0)));
    const TbsFBitmap fast(bitmap.Get());
    EXPECT_EQ(fast.Gap, 1);
    EXPECT_EQ(fast.RowInc, 16);
    EXPECT_EQ(fast.Size, 32);
    ASSERT_EQ(fast.Rows.size(), 2u);
    EXPECT_EQ(fast.Rows[1][3], 0);
    EXPECT_EQ(fast.Rows[1][6], 255);
    EXPECT_NE(fast.DC(), nullptr);
    RegionHandle region = RegionFromMask(bitmap.Get());
    RECT box{};
    GetRgnBox(region.Get(), &box);
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 2);
    EXPECT_EQ(box.bottom, 2);
}
