#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class TDib;

// A PNG picture kept in its own colour type with 8-bit samples: grey (0), RGB (2),
// palette (3), grey + alpha (4) or RGB + alpha (6). Alpha, where the type has it, is
// kept in rows of its own.
class TbsPngImage {
public:
    enum ColorType : uint8_t { Grayscale = 0, RGB = 2, Palette = 3, GrayscaleAlpha = 4, RGBAlpha = 6 };
    enum TransparencyMode : uint8_t { NoTransparency = 0, TransparentColor = 1, PartialTransparency = 2 };

    TbsPngImage() = default;
    TbsPngImage(int width, int height, ColorType type); // blank: black, opaque

    // PNG file bytes in and out. Raises Exception "Invalid PNG image: ..." for bytes
    // that are not a PNG or a picture beyond 16384 pixels a side.
    static TbsPngImage FromPng(std::span<const std::byte> file);
    // Raises as FromPng does for the file's signature, chunks and header, without
    // decoding a row: the rows may still prove damaged.
    static void CheckHeader(std::span<const std::byte> file);
    std::vector<std::byte> ToPng() const;
    // An RGB picture with the bitmap's colours.
    static TbsPngImage FromDib(const TDib& dib);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    ColorType Type() const { return type_; }
    TransparencyMode Transparency() const;
    // The one transparent colour (0x00BBGGRR) in TransparentColor mode.
    uint32_t TransparentColorValue() const;

    // The colour table of a palette picture, with optional alpha per entry (tRNS).
    void SetPalette(const std::vector<uint32_t>& colors, const std::vector<uint8_t>& alphas = {});
    // Marks one colour of a grey or RGB picture as transparent (tRNS).
    void SetTransparentColor(uint32_t color);

    // 0x00BBGGRR; writing picks the nearest entry of a palette and the luminance of grey.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t color);

    // Turns the picture into RGB + alpha with every alpha 255 and no transparent colour.
    void AddAlphaChannel();
    bool HasAlpha() const { return type_ == GrayscaleAlpha || type_ == RGBAlpha; }
    std::span<uint8_t> AlphaRow(int y) { return {alpha_.data() + static_cast<size_t>(y) * width_, static_cast<size_t>(width_)}; }
    std::span<const uint8_t> AlphaRow(int y) const
    {
        return {alpha_.data() + static_cast<size_t>(y) * width_, static_cast<size_t>(width_)};
    }
    // The pixel's alpha, whatever the type: alpha channel, palette alpha, transparent
    // colour or 255.
    uint8_t Alpha(int x, int y) const;

    // Blue, green, red, alpha per pixel (not premultiplied), rows top-down.
    std::vector<uint8_t> ToBgra() const;
    // The same into Width() * Height() * 4 bytes at out.
    void CopyBgraTo(uint8_t* out) const;

private:
    static TbsPngImage Read(std::span<const std::byte> file, bool rows);
    static void ReadInto(void* job, TbsPngImage& image, bool rows);
    void WriteFrom(void* job) const;
    void SplitAlpha(const uint8_t* interleaved);
    int Channels() const { return type_ == RGB || type_ == RGBAlpha ? 3 : 1; }
    const uint8_t* Sample(int x, int y) const { return samples_.data() + (static_cast<size_t>(y) * width_ + x) * Channels(); }

    int width_ = 0, height_ = 0;
    ColorType type_ = RGB;
    std::vector<uint8_t> samples_; // grey, RGB or palette index per pixel
    std::vector<uint8_t> alpha_;   // types 4 and 6 only
    std::vector<uint8_t> palette_; // RGB triples
    std::vector<uint8_t> paletteAlpha_;
    bool hasTransparentColor_ = false;
    uint16_t transparentColor_[3] = {}; // grey in [0] or RGB
};
