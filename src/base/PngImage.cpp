#include "base/PngImage.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <string>

#include "base/ByteOrder.h"
#include "base/Dib.h"
#include "base/Exception.h"
#include "base/PngErrors.h"

[[noreturn]] void PngFail(png_structp png, png_const_charp message)
{
    try {
        *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    } catch (...) {
        // Out of memory for the text: the codec still fails, with an empty reason.
    }
    png_longjmp(png, 1);
}
void PngWarn(png_structp, png_const_charp) {}

namespace {

constexpr int MaxSide = 16384;
constexpr uint64_t MaxDeflateRatio = 1032;

struct Reader {
    std::span<const std::byte> data;
    size_t at = 0;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t size)
{
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (reader->data.size() - reader->at < size) png_error(png, "unexpected end of data");
    std::memcpy(out, reader->data.data() + reader->at, size);
    reader->at += size;
}

// libpng allocates what a chunk's length claims before reading it: every length must
// fit the file. Gives the bytes of image data the file holds.
uint64_t ImageDataSize(std::span<const std::byte> file)
{
    uint64_t imageData = 0;
    for (size_t at = 8; at + 8 <= file.size();) {
        const uint32_t length = BigEndian32(file, at);
        if (length > file.size() - at - 8) throw Exception("Invalid PNG image: a chunk runs past the end of the file");
        const uint32_t type = BigEndian32(file, at + 4);
        if (type == 0x49444154) imageData += length; // IDAT
        if (type == 0x49454E44) break;               // IEND
        at += 12 + static_cast<size_t>(length);
    }
    return imageData;
}

uint8_t Red(uint32_t c) { return c & 0xFF; }
uint8_t Green(uint32_t c) { return (c >> 8) & 0xFF; }
uint8_t Blue(uint32_t c) { return (c >> 16) & 0xFF; }
uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) { return r | (g << 8) | (b << 16); }
uint8_t Luminance(uint32_t c) { return static_cast<uint8_t>((Red(c) * 30 + Green(c) * 59 + Blue(c) * 11 + 50) / 100); }

struct ReadJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string error;
    Reader reader;
    uint64_t imageData = 0; // bytes in IDAT chunks
    std::vector<uint8_t> raw;
    std::vector<png_bytep> rows;
    ~ReadJob() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

} // namespace

TbsPngImage::TbsPngImage(int width, int height, ColorType type) : width_(width), height_(height), type_(type)
{
    if (width < 0 || height < 0 || width > MaxSide || height > MaxSide) throw Exception("Invalid PNG image: size out of range");
    samples_.assign(static_cast<size_t>(width) * height * Channels(), 0);
    if (HasAlpha()) alpha_.assign(static_cast<size_t>(width) * height, 255);
    if (type == Palette) palette_ = {0, 0, 0};
}

// Reads header, palette, transparency and, when asked, rows into the job and the
// picture; errors jump back into Read.
void TbsPngImage::ReadInto(void* context, TbsPngImage& image, bool rows)
{
    auto& job = *static_cast<ReadJob*>(context);
    png_structp png = job.png;
    png_infop info = job.info;
    png_set_read_fn(png, &job.reader, ReadBytes);
    png_set_user_limits(png, MaxSide, MaxSide);
    png_read_info(png, info);

    const int type = png_get_color_type(png, info);
    image.width_ = static_cast<int>(png_get_image_width(png, info));
    image.height_ = static_cast<int>(png_get_image_height(png, info));
    // Deflate packs at most 1032 bytes into one: a header claiming more pixel data than
    // the file's image data can hold is refused before anything is allocated for it.
    const uint64_t pixelBytes = uint64_t{png_get_channels(png, info)} * png_get_bit_depth(png, info) *
                                static_cast<uint64_t>(image.width_) * static_cast<uint64_t>(image.height_) / 8;
    if (pixelBytes / MaxDeflateRatio > job.imageData) png_error(png, "more pixels than image data");
    if (!rows) return;
    image.type_ = static_cast<ColorType>(type);
    if (type == PNG_COLOR_TYPE_PALETTE) {
        png_colorp colors = nullptr;
        int count = 0;
        png_get_PLTE(png, info, &colors, &count);
        for (int i = 0; i < count; ++i) image.palette_.insert(image.palette_.end(), {colors[i].red, colors[i].green, colors[i].blue});
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_bytep alphas = nullptr;
        int count = 0;
        png_color_16p color = nullptr;
        png_get_tRNS(png, info, &alphas, &count, &color);
        if (type == PNG_COLOR_TYPE_PALETTE) {
            image.paletteAlpha_.assign(alphas, alphas + count);
        } else if (color) {
            image.hasTransparentColor_ = true;
            const int depth = png_get_bit_depth(png, info);
            // Samples are brought to 8 bits below; the key colour goes with them.
            auto scale = [depth](uint16_t v) -> uint16_t {
                return depth == 16 ? v >> 8 : depth < 8 ? v * 255 / ((1 << depth) - 1) : v;
            };
            if (type == PNG_COLOR_TYPE_GRAY) {
                image.transparentColor_[0] = scale(color->gray);
            } else {
                image.transparentColor_[0] = scale(color->red);
                image.transparentColor_[1] = scale(color->green);
                image.transparentColor_[2] = scale(color->blue);
            }
        }
    }
    png_set_strip_16(png);
    png_set_packing(png);
    if (type == PNG_COLOR_TYPE_GRAY) png_set_expand_gray_1_2_4_to_8(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const size_t rowBytes = png_get_rowbytes(png, info);
    const int stride = image.Channels() + (image.HasAlpha() ? 1 : 0);
    if (rowBytes != static_cast<size_t>(image.width_) * stride) png_error(png, "unexpected row size");
    // Rows without alpha are already in the picture's own layout: decode straight into it.
    std::vector<uint8_t>& decoded = image.HasAlpha() ? job.raw : image.samples_;
    decoded.resize(rowBytes * image.height_);
    job.rows.resize(image.height_);
    for (int y = 0; y < image.height_; ++y) job.rows[y] = decoded.data() + y * rowBytes;
    png_read_image(png, job.rows.data());
    png_read_end(png, nullptr);
    if (image.HasAlpha()) image.SplitAlpha(job.raw.data());
}

// Interleaved samples with alpha last, split into samples and rows of alpha.
void TbsPngImage::SplitAlpha(const uint8_t* in)
{
    const size_t pixels = static_cast<size_t>(width_) * height_;
    samples_.resize(pixels * Channels());
    alpha_.resize(pixels);
    uint8_t* s = samples_.data();
    if (Channels() == 3) {
        for (size_t i = 0; i < pixels; ++i, in += 4, s += 3) {
            s[0] = in[0], s[1] = in[1], s[2] = in[2];
            alpha_[i] = in[3];
        }
    } else {
        for (size_t i = 0; i < pixels; ++i, in += 2) s[i] = in[0], alpha_[i] = in[1];
    }
}

TbsPngImage TbsPngImage::FromPng(std::span<const std::byte> file) { return Read(file, true); }

void TbsPngImage::CheckHeader(std::span<const std::byte> file) { Read(file, false); }

TbsPngImage TbsPngImage::Read(std::span<const std::byte> file, bool rows)
{
    if (file.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(file.data()), 0, 8) != 0)
        throw Exception("Invalid PNG image: no PNG signature");
    auto job = std::make_unique<ReadJob>();
    job->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job->error, PngFail, PngWarn);
    if (!job->png) throw Exception("Invalid PNG image: out of memory");
    job->info = png_create_info_struct(job->png);
    job->reader.data = file;
    job->imageData = ImageDataSize(file);
    auto image = std::make_unique<TbsPngImage>();
    if (setjmp(png_jmpbuf(job->png))) throw Exception("Invalid PNG image: " + job->error);
    ReadInto(job.get(), *image, rows);
    return std::move(*image);
}

TbsPngImage TbsPngImage::FromDib(const TDib& dib)
{
    TbsPngImage image(dib.Width(), dib.Height(), RGB);
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) image.SetPixel(x, y, dib.Color(x, y));
    return image;
}

TbsPngImage::TransparencyMode TbsPngImage::Transparency() const
{
    if (HasAlpha()) return PartialTransparency;
    if (type_ == Palette && !paletteAlpha_.empty()) {
        int clear = 0;
        for (uint8_t a : paletteAlpha_) {
            if (a != 0 && a != 255) return PartialTransparency;
            clear += a == 0;
        }
        return clear == 1 ? TransparentColor : clear == 0 ? NoTransparency : PartialTransparency;
    }
    return hasTransparentColor_ ? TransparentColor : NoTransparency;
}

uint32_t TbsPngImage::TransparentColorValue() const
{
    if (type_ == Palette) {
        for (size_t i = 0; i < paletteAlpha_.size() && i * 3 + 2 < palette_.size(); ++i)
            if (paletteAlpha_[i] == 0) return Rgb(palette_[i * 3], palette_[i * 3 + 1], palette_[i * 3 + 2]);
        return 0;
    }
    if (type_ == Grayscale) {
        const auto g = static_cast<uint8_t>(transparentColor_[0]);
        return Rgb(g, g, g);
    }
    return Rgb(static_cast<uint8_t>(transparentColor_[0]), static_cast<uint8_t>(transparentColor_[1]),
               static_cast<uint8_t>(transparentColor_[2]));
}

void TbsPngImage::SetPalette(const std::vector<uint32_t>& colors, const std::vector<uint8_t>& alphas)
{
    palette_.clear();
    for (uint32_t c : colors) palette_.insert(palette_.end(), {Red(c), Green(c), Blue(c)});
    paletteAlpha_ = alphas;
}

void TbsPngImage::SetTransparentColor(uint32_t color)
{
    hasTransparentColor_ = true;
    if (type_ == Grayscale) {
        transparentColor_[0] = Luminance(color);
    } else {
        transparentColor_[0] = Red(color);
        transparentColor_[1] = Green(color);
        transparentColor_[2] = Blue(color);
    }
}

uint32_t TbsPngImage::Pixel(int x, int y) const
{
    const uint8_t* s = Sample(x, y);
    switch (type_) {
    case RGB:
    case RGBAlpha: return Rgb(s[0], s[1], s[2]);
    case Palette: {
        const size_t at = static_cast<size_t>(s[0]) * 3;
        return at + 2 < palette_.size() ? Rgb(palette_[at], palette_[at + 1], palette_[at + 2]) : 0;
    }
    default: return Rgb(s[0], s[0], s[0]);
    }
}

void TbsPngImage::SetPixel(int x, int y, uint32_t color)
{
    auto* s = const_cast<uint8_t*>(Sample(x, y));
    switch (type_) {
    case RGB:
    case RGBAlpha:
        s[0] = Red(color), s[1] = Green(color), s[2] = Blue(color);
        break;
    case Palette: {
        int best = 0, bestDistance = 1 << 30;
        for (size_t i = 0; i + 2 < palette_.size(); i += 3) {
            const int dr = palette_[i] - Red(color), dg = palette_[i + 1] - Green(color), db = palette_[i + 2] - Blue(color);
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) best = static_cast<int>(i / 3), bestDistance = distance;
        }
        s[0] = static_cast<uint8_t>(best);
        break;
    }
    default: s[0] = Luminance(color); break;
    }
}

uint8_t TbsPngImage::Alpha(int x, int y) const
{
    if (HasAlpha()) return alpha_[static_cast<size_t>(y) * width_ + x];
    const uint8_t* s = Sample(x, y);
    if (type_ == Palette) return s[0] < paletteAlpha_.size() ? paletteAlpha_[s[0]] : 255;
    if (!hasTransparentColor_) return 255;
    const bool match = type_ == Grayscale ? s[0] == transparentColor_[0]
                                          : s[0] == transparentColor_[0] && s[1] == transparentColor_[1] &&
                                                s[2] == transparentColor_[2];
    return match ? 0 : 255;
}

void TbsPngImage::AddAlphaChannel()
{
    if (type_ == RGBAlpha) return;
    TbsPngImage result(width_, height_, RGBAlpha);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            result.SetPixel(x, y, Pixel(x, y));
            if (type_ == GrayscaleAlpha) result.alpha_[static_cast<size_t>(y) * width_ + x] = Alpha(x, y);
        }
    *this = std::move(result);
}

std::vector<uint8_t> TbsPngImage::ToBgra() const
{
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 4);
    CopyBgraTo(out.data());
    return out;
}

void TbsPngImage::CopyBgraTo(uint8_t* p) const
{
    const size_t pixels = static_cast<size_t>(width_) * height_;
    // Pages decode their pictures while the user waits: the common types go by the row.
    if ((type_ == RGB && !hasTransparentColor_) || type_ == RGBAlpha) {
        const uint8_t* s = samples_.data();
        for (size_t i = 0; i < pixels; ++i, s += 3, p += 4)
            p[0] = s[2], p[1] = s[1], p[2] = s[0], p[3] = type_ == RGBAlpha ? alpha_[i] : 255;
        return;
    }
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x, p += 4) {
            const uint32_t c = Pixel(x, y);
            p[0] = Blue(c), p[1] = Green(c), p[2] = Red(c), p[3] = Alpha(x, y);
        }
}
