#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A device-independent bitmap of 1, 8 or 24 bits per pixel, as Windows bitmap files
// hold them: rows of 4-byte-aligned stride, colour table for the indexed depths. Rows
// are kept top-down whatever the file's order.
class TDib {
public:
    struct PaletteEntry {
        uint8_t Blue = 0, Green = 0, Red = 0, Reserved = 0;
    };

    TDib() = default;
    // A blank bitmap (all zero bytes); the indexed depths get a black-and-white or
    // grey-ramp colour table.
    TDib(int width, int height, int bitsPerPixel);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bits_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    size_t Stride() const { return (static_cast<size_t>(width_) * bits_ + 31) / 32 * 4; }
    std::span<uint8_t> Row(int y) { return {pixels_.data() + y * Stride(), Stride()}; }
    std::span<const uint8_t> Row(int y) const { return {pixels_.data() + y * Stride(), Stride()}; }

    std::vector<PaletteEntry> Palette;

    // The pixel's colour as 0x00BBGGRR.
    uint32_t Color(int x, int y) const;

    // Reads a Windows bitmap file (uncompressed, 1, 8 or 24 bits). Raises Exception
    // "Invalid bitmap: ..." for anything else, a header that does not fit the data, or
    // a size beyond 32768 pixels a side.
    static TDib FromBmp(std::span<const std::byte> file);
    std::vector<std::byte> ToBmp() const; // bottom-up, with its colour table

private:
    int width_ = 0, height_ = 0, bits_ = 24;
    std::vector<uint8_t> pixels_;
};
