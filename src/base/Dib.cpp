#include "base/Dib.h"

#include <cstring>
#include <string>

#include "base/ByteOrder.h"
#include "base/Exception.h"

namespace {

constexpr int MaxSide = 32768;
constexpr size_t FileHeaderSize = 14, InfoHeaderSize = 40;

[[noreturn]] void Invalid(const char* why) { throw Exception(std::string("Invalid bitmap: ") + why); }

void Put32(std::vector<std::byte>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::byte>(v >> (8 * i)));
}
void Put16(std::vector<std::byte>& out, uint16_t v)
{
    out.push_back(static_cast<std::byte>(v));
    out.push_back(static_cast<std::byte>(v >> 8));
}

} // namespace

TDib::TDib(int width, int height, int bitsPerPixel) : width_(width), height_(height), bits_(bitsPerPixel)
{
    if (width < 0 || height < 0 || width > MaxSide || height > MaxSide) Invalid("size out of range");
    if (bits_ != 1 && bits_ != 8 && bits_ != 24) Invalid("unsupported depth");
    pixels_.assign(Stride() * static_cast<size_t>(height), 0);
    if (bits_ == 1) Palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    if (bits_ == 8)
        for (int i = 0; i < 256; ++i) {
            const auto g = static_cast<uint8_t>(i);
            Palette.push_back({g, g, g, 0});
        }
}

uint32_t TDib::Color(int x, int y) const
{
    const std::span<const uint8_t> row = Row(y);
    auto rgb = [](uint8_t r, uint8_t g, uint8_t b) { return r | (g << 8) | (b << 16); };
    if (bits_ == 24) return rgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    const unsigned index = bits_ == 8 ? row[x] : (row[x / 8] >> (7 - x % 8)) & 1;
    if (index >= Palette.size()) return 0;
    const PaletteEntry& e = Palette[index];
    return rgb(e.Red, e.Green, e.Blue);
}

TDib TDib::FromBmp(std::span<const std::byte> file)
{
    if (file.size() < FileHeaderSize + InfoHeaderSize) Invalid("file too short");
    if (file[0] != std::byte{'B'} || file[1] != std::byte{'M'}) Invalid("no BM signature");
    const uint32_t offset = LittleEndian32(file, 10);
    const uint32_t infoSize = LittleEndian32(file, 14);
    if (infoSize < InfoHeaderSize || infoSize > file.size() - FileHeaderSize) Invalid("bad header size");
    const auto width = static_cast<int32_t>(LittleEndian32(file, 18));
    const auto height = static_cast<int32_t>(LittleEndian32(file, 22));
    const uint16_t planes = LittleEndian16(file, 26), bits = LittleEndian16(file, 28);
    const uint32_t compression = LittleEndian32(file, 30), colorsUsed = LittleEndian32(file, 46);
    if (planes != 1) Invalid("planes must be 1");
    if (bits != 1 && bits != 8 && bits != 24) Invalid("unsupported depth");
    if (compression != 0) Invalid("compressed bitmaps are not supported");
    if (width <= 0 || height == 0 || width > MaxSide || height > MaxSide || height < -MaxSide)
        Invalid("size out of range");
    const bool topDown = height < 0;
    const int rows = topDown ? -height : height;
    // Check the pixel data is there before allocating what the header claims.
    const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    const uint64_t dataSize = stride * static_cast<uint64_t>(rows);
    if (offset < FileHeaderSize + infoSize || offset > file.size() || file.size() - offset < dataSize)
        Invalid("pixel data beyond the file");
    TDib dib;
    dib.width_ = width;
    dib.height_ = rows;
    dib.bits_ = bits;
    // Rows are appended as they are copied: no zero fill of a buffer about to be overwritten.
    dib.pixels_.reserve(static_cast<size_t>(dataSize));
    for (int y = 0; y < rows; ++y) {
        const auto* row = reinterpret_cast<const uint8_t*>(file.data()) + offset +
                          static_cast<size_t>(topDown ? y : rows - 1 - y) * stride;
        dib.pixels_.insert(dib.pixels_.end(), row, row + stride);
    }

    if (bits <= 8) {
        const uint32_t maxColors = 1u << bits;
        const uint32_t colors = colorsUsed == 0 ? maxColors : colorsUsed;
        if (colors > maxColors) Invalid("colour table too large");
        const size_t at = FileHeaderSize + infoSize;
        if (at + colors * 4 > file.size()) Invalid("colour table beyond the file");
        dib.Palette.resize(colors);
        std::memcpy(dib.Palette.data(), file.data() + at, colors * 4);
    }
    return dib;
}

std::vector<std::byte> TDib::ToBmp() const
{
    const auto paletteBytes = static_cast<uint32_t>(Palette.size() * 4);
    const uint32_t offset = FileHeaderSize + InfoHeaderSize + paletteBytes;
    const auto dataSize = static_cast<uint32_t>(Stride() * height_);
    std::vector<std::byte> out;
    out.reserve(offset + dataSize);
    out.push_back(std::byte{'B'});
    out.push_back(std::byte{'M'});
    Put32(out, offset + dataSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, InfoHeaderSize);
    Put32(out, static_cast<uint32_t>(width_));
    Put32(out, static_cast<uint32_t>(height_));
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(bits_));
    Put32(out, 0);
    Put32(out, dataSize);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, static_cast<uint32_t>(Palette.size()));
    Put32(out, 0);
    const auto* palette = reinterpret_cast<const std::byte*>(Palette.data());
    out.insert(out.end(), palette, palette + paletteBytes);
    for (int y = height_ - 1; y >= 0; --y) {
        const auto row = std::as_bytes(Row(y));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
