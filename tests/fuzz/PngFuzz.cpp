// The PNG decoder and its conversions. Chunk checksums are made right before decoding
// (a mutated chunk would otherwise stop at its checksum, never reaching the code
// behind it); whatever decodes must convert, and come back the same through the
// encoder.
#include <zlib.h>

#include <algorithm>
#include <vector>

#include "Fuzz.h"
#include "base/ByteOrder.h"
#include "base/Dib.h"
#include "base/Exception.h"
#include "base/PngImage.h"

namespace {

std::vector<uint8_t> WithChunkChecksums(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> png(data, data + size);
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = BigEndian32(AsBytes(png.data(), png.size()), at);
        if (length > png.size() - at - 12) break;
        const uint32_t crc = static_cast<uint32_t>(crc32(0, &png[at + 4], length + 4));
        for (int i = 0; i < 4; ++i) png[at + 8 + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
        at += 12 + length;
    }
    return png;
}

void CheckSame(const TbsPngImage& a, const TbsPngImage& b)
{
    FUZZ_CHECK(a.Width() == b.Width() && a.Height() == b.Height() && a.Type() == b.Type());
    FUZZ_CHECK(a.Transparency() == b.Transparency());
    FUZZ_CHECK(a.ToBgra() == b.ToBgra());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> file = WithChunkChecksums(data, size);
    TbsPngImage image;
    try {
        image = TbsPngImage::FromPng(AsBytes(file.data(), file.size()));
    } catch (const Exception&) {
        return 0;
    }
    const std::vector<uint8_t> bgra = image.ToBgra();
    FUZZ_CHECK(bgra.size() == static_cast<size_t>(image.Width()) * image.Height() * 4);
    if (image.Transparency() == TbsPngImage::TransparentColor) (void)image.TransparentColorValue();
    const std::vector<std::byte> encoded = image.ToPng();
    CheckSame(image, TbsPngImage::FromPng(encoded));

    // With an alpha channel added every pixel keeps its colour and its alpha.
    TbsPngImage withAlpha = image;
    withAlpha.AddAlphaChannel();
    FUZZ_CHECK(withAlpha.HasAlpha() && withAlpha.Width() == image.Width() && withAlpha.Height() == image.Height());
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) FUZZ_CHECK(withAlpha.Pixel(x, y) == image.Pixel(x, y));

    // Through a bitmap and back the colours stay.
    if (!image.Empty()) {
        TDib dib(image.Width(), image.Height(), 24);
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) {
                const uint8_t* pixel = &bgra[(static_cast<size_t>(y) * image.Width() + x) * 4];
                std::copy(pixel, pixel + 3, dib.Row(y).begin() + x * 3);
            }
        const TbsPngImage rgb = TbsPngImage::FromDib(dib);
        FUZZ_CHECK(rgb.Type() == TbsPngImage::RGB);
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) FUZZ_CHECK(rgb.Pixel(x, y) == image.Pixel(x, y));
    }
    return 0;
}
