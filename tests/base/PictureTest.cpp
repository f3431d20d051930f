#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "base/Dib.h"
#include "base/Exception.h"
#include "base/PngImage.h"

namespace {

TDib Sample(int width, int height, int bits)
{
    TDib dib(width, height, bits);
    std::mt19937 random(static_cast<unsigned>(width * 31 + bits));
    if (bits == 8) {
        dib.Palette.resize(7);
        for (auto& entry : dib.Palette) entry = {uint8_t(random()), uint8_t(random()), uint8_t(random()), 0};
    }
    if (bits == 1) dib.Palette = {{10, 20, 30, 0}, {200, 100, 50, 0}};
    for (int y = 0; y < height; ++y) {
        auto row = dib.Row(y);
        const size_t used = (static_cast<size_t>(width) * bits + 7) / 8;
        for (size_t i = 0; i < used; ++i) row[i] = static_cast<uint8_t>(bits == 8 ? random() % 7 : random());
        if (bits == 1 && width % 8) row[used - 1] &= static_cast<uint8_t>(0xFF << (8 - width % 8));
    }
    return dib;
}

void ExpectSamePixels(const TDib& a, const TDib& b)
{
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) ASSERT_EQ(a.Color(x, y), b.Color(x, y)) << x << "," << y;
}

} // namespace

TEST(Bitmap, RoundTripsEachDepthWithItsColourTable)
{
    for (int bits : {1, 8, 24})
        for (int width : {1, 3, 8, 13}) {
            const TDib original = Sample(width, 5, bits);
            const TDib copy = TDib::FromBmp(original.ToBmp());
            EXPECT_EQ(copy.BitsPerPixel(), bits);
            EXPECT_EQ(copy.Palette.size(), original.Palette.size());
            ExpectSamePixels(original, copy);
            EXPECT_EQ(copy.ToBmp(), original.ToBmp());
        }
}

TEST(Bitmap, ReadsTopDownFilesAndColourTablesOfAnyUsedCount)
{
    TDib original = Sample(4, 3, 8);
    std::vector<std::byte> file = original.ToBmp();
    // Flip to top-down: negative height, rows reversed.
    const int32_t height = -3;
    std::memcpy(file.data() + 22, &height, 4);
    uint32_t offset;
    std::memcpy(&offset, file.data() + 10, 4);
    const size_t stride = original.Stride();
    std::vector<std::byte> rows(file.begin() + offset, file.end());
    for (int y = 0; y < 3; ++y)
        std::memcpy(file.data() + offset + y * stride, rows.data() + (2 - y) * stride, stride);
    ExpectSamePixels(original, TDib::FromBmp(file));
}

TEST(Bitmap, LyingHeadersAreRefusedNotRead)
{
    const std::vector<std::byte> good = Sample(8, 8, 24).ToBmp();
    auto corrupt = [&](size_t at, uint32_t value) {
        std::vector<std::byte> file = good;
        std::memcpy(file.data() + at, &value, 4);
        return file;
    };
    EXPECT_THROW(TDib::FromBmp(corrupt(10, 0xFFFFFF00)), Exception);              // pixel offset past the end
    EXPECT_THROW(TDib::FromBmp(corrupt(18, 100000)), Exception);                  // width
    EXPECT_THROW(TDib::FromBmp(corrupt(22, 5000)), Exception);                    // height beyond the data
    EXPECT_THROW(TDib::FromBmp(corrupt(14, 0x7FFFFFFF)), Exception);              // header size
    EXPECT_THROW(TDib::FromBmp(corrupt(30, 1)), Exception);                       // compressed
    EXPECT_THROW(TDib::FromBmp(std::span(good).first(good.size() - 1)), Exception); // truncated
    EXPECT_THROW(TDib::FromBmp(std::span(good).first(20)), Exception);
    std::vector<std::byte> indexed = Sample(4, 4, 8).ToBmp();
    const uint32_t tooMany = 300;
    std::memcpy(indexed.data() + 46, &tooMany, 4);
    EXPECT_THROW(TDib::FromBmp(indexed), Exception);
}

namespace {

void ExpectSamePicture(const TbsPngImage& a, const TbsPngImage& b)
{
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    EXPECT_EQ(a.Type(), b.Type());
    EXPECT_EQ(a.Transparency(), b.Transparency());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << x << "," << y;
            ASSERT_EQ(a.Alpha(x, y), b.Alpha(x, y)) << x << "," << y;
        }
}

TbsPngImage Gradient(TbsPngImage::ColorType type)
{
    TbsPngImage image(9, 6, type);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x) {
            image.SetPixel(x, y, (x * 28) | ((y * 40) << 8) | (((x + y) * 15) << 16));
            if (image.HasAlpha()) image.AlphaRow(y)[x] = static_cast<uint8_t>(x * 30 + y);
        }
    return image;
}

} // namespace

TEST(PngImage, RoundTripsEveryColourType)
{
    for (auto type : {TbsPngImage::Grayscale, TbsPngImage::RGB, TbsPngImage::GrayscaleAlpha, TbsPngImage::RGBAlpha}) {
        const TbsPngImage image = Gradient(type);
        const TbsPngImage copy = TbsPngImage::FromPng(image.ToPng());
        ExpectSamePicture(image, copy);
    }
}

TEST(PngImage, PaletteAndTransparentColoursSurvive)
{
    // A palette picture written by hand: libpng writes it, we read it back.
    TbsPngImage rgb = Gradient(TbsPngImage::RGB);
    const TbsPngImage viaRgb = TbsPngImage::FromPng(rgb.ToPng());
    EXPECT_EQ(viaRgb.Transparency(), TbsPngImage::NoTransparency);
    EXPECT_EQ(viaRgb.Alpha(0, 0), 255);

    rgb.SetTransparentColor(rgb.Pixel(2, 2));
    const TbsPngImage keyed = TbsPngImage::FromPng(rgb.ToPng());
    ExpectSamePicture(rgb, keyed);
    EXPECT_EQ(keyed.Transparency(), TbsPngImage::TransparentColor);
    EXPECT_EQ(keyed.TransparentColorValue(), rgb.Pixel(2, 2));
    EXPECT_EQ(keyed.Alpha(2, 2), 0);

    TbsPngImage grey(4, 1, TbsPngImage::Grayscale);
    grey.SetPixel(1, 0, 0x808080);
    grey.SetTransparentColor(0x808080);
    ExpectSamePicture(grey, TbsPngImage::FromPng(grey.ToPng()));

    TbsPngImage palette(4, 2, TbsPngImage::Palette);
    palette.SetPalette({0x0000FF, 0x00FF00, 0xFF0000}, {255, 0});
    palette.SetPixel(0, 0, 0x00FF00);
    palette.SetPixel(1, 0, 0xFE0101); // nearest: blue
    EXPECT_EQ(palette.Pixel(1, 0), 0xFF0000u);
    EXPECT_EQ(palette.Transparency(), TbsPngImage::TransparentColor);
    EXPECT_EQ(palette.TransparentColorValue(), 0x00FF00u);
    const TbsPngImage paletteCopy = TbsPngImage::FromPng(palette.ToPng());
    ExpectSamePicture(palette, paletteCopy);
    EXPECT_EQ(paletteCopy.Alpha(0, 0), 0);
    EXPECT_EQ(paletteCopy.Alpha(1, 0), 255); // entries past the alpha table are opaque
    palette.SetPalette({0x0000FF, 0x00FF00}, {128, 255});
    EXPECT_EQ(TbsPngImage::FromPng(palette.ToPng()).Transparency(), TbsPngImage::PartialTransparency);
}

TEST(PngImage, AddAlphaChannelKeepsColoursAndMakesEveryPixelOpaque)
{
    TbsPngImage image = Gradient(TbsPngImage::RGB);
    const uint32_t before = image.Pixel(4, 3);
    image.AddAlphaChannel();
    EXPECT_EQ(image.Type(), TbsPngImage::RGBAlpha);
    EXPECT_EQ(image.Pixel(4, 3), before);
    for (int y = 0; y < image.Height(); ++y)
        for (uint8_t a : image.AlphaRow(y)) EXPECT_EQ(a, 255);
}

TEST(PngImage, FromDibCopiesColours)
{
    const TDib dib = Sample(5, 4, 8);
    const TbsPngImage image = TbsPngImage::FromDib(dib);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(image.Pixel(x, y), dib.Color(x, y));
}

TEST(PngImage, DamagedFilesRaise)
{
    std::vector<std::byte> png = Gradient(TbsPngImage::RGBAlpha).ToPng();
    EXPECT_THROW(TbsPngImage::FromPng(std::span(png).first(png.size() / 2)), Exception);
    std::vector<std::byte> garbled = png;
    for (size_t i = 40; i < garbled.size(); i += 7) garbled[i] ^= std::byte{0x5A};
    EXPECT_THROW(TbsPngImage::FromPng(garbled), Exception);
    EXPECT_THROW(TbsPngImage::FromPng(std::vector<std::byte>(100, std::byte{1})), Exception);
}

TEST(PngImage, BgraHoldsEachPixelsColourAndAlphaWhateverTheType)
{
    TbsPngImage keyed = Gradient(TbsPngImage::RGB);
    keyed.SetTransparentColor(keyed.Pixel(3, 1));
    TbsPngImage palette(3, 2, TbsPngImage::Palette);
    palette.SetPalette({0x0000FF, 0x00FF00, 0xFF0000}, {255, 0, 90});
    palette.SetPixel(1, 0, 0x00FF00);
    palette.SetPixel(2, 1, 0xFF0000);
    for (const TbsPngImage& image : {Gradient(TbsPngImage::Grayscale), Gradient(TbsPngImage::RGB),
                                     Gradient(TbsPngImage::GrayscaleAlpha), Gradient(TbsPngImage::RGBAlpha), keyed, palette}) {
        const std::vector<uint8_t> bgra = TbsPngImage::FromPng(image.ToPng()).ToBgra();
        ASSERT_EQ(bgra.size(), static_cast<size_t>(image.Width()) * image.Height() * 4);
        const uint8_t* p = bgra.data();
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x, p += 4) {
                const uint32_t c = image.Pixel(x, y);
                EXPECT_EQ(p[0] | (p[1] << 8) | (p[2] << 16), ((c & 0xFF) << 16) | (c & 0xFF00) | (c >> 16))
                    << image.Type() << " at " << x << "," << y;
                EXPECT_EQ(p[3], image.Alpha(x, y)) << image.Type() << " at " << x << "," << y;
            }
    }
}
