// The PNG encoder, apart from the decoder: the installer only decodes, and only what it
// links is carried in every download.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <string>

#include "base/Exception.h"
#include "base/PngErrors.h"
#include "base/PngImage.h"

namespace {

void WriteBytes(png_structp png, png_bytep data, png_size_t size)
{
    auto* out = static_cast<std::vector<std::byte>*>(png_get_io_ptr(png));
    const auto* bytes = reinterpret_cast<const std::byte*>(data);
    bool stored = true;
    try {
        out->insert(out->end(), bytes, bytes + size);
    } catch (...) {
        stored = false;
    }
    if (!stored) png_error(png, "out of memory"); // outside the handler: it jumps
}
void Flush(png_structp) {}

struct WriteJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string error;
    std::vector<std::byte> out;
    std::vector<png_color> colors;
    std::vector<uint8_t> row;
    ~WriteJob() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

} // namespace

void TbsPngImage::WriteFrom(void* context) const
{
    auto& job = *static_cast<WriteJob*>(context);
    png_structp png = job.png;
    png_infop info = job.info;
    png_set_write_fn(png, &job.out, WriteBytes, Flush);
    png_set_IHDR(png, info, width_, height_, 8, type_, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (type_ == Palette) {
        for (size_t i = 0; i + 2 < palette_.size(); i += 3) job.colors.push_back({palette_[i], palette_[i + 1], palette_[i + 2]});
        // Files may use indexes past their colour table (those pixels show black): the
        // table written covers every index, or libpng refuses to write the picture.
        const auto highest = samples_.empty() ? uint8_t{0} : *std::max_element(samples_.begin(), samples_.end());
        if (job.colors.size() <= highest) job.colors.resize(highest + size_t{1}, png_color{0, 0, 0});
        png_set_PLTE(png, info, job.colors.data(), static_cast<int>(job.colors.size()));
        if (!paletteAlpha_.empty())
            png_set_tRNS(png, info, const_cast<png_bytep>(paletteAlpha_.data()), static_cast<int>(paletteAlpha_.size()),
                         nullptr);
    } else if (hasTransparentColor_) {
        png_color_16 key{};
        key.gray = transparentColor_[0];
        key.red = transparentColor_[0];
        key.green = transparentColor_[1];
        key.blue = transparentColor_[2];
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    const int channels = Channels(), stride = channels + (HasAlpha() ? 1 : 0);
    job.row.resize(static_cast<size_t>(width_) * stride);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            std::memcpy(job.row.data() + x * stride, Sample(x, y), channels);
            if (HasAlpha()) job.row[x * stride + channels] = alpha_[static_cast<size_t>(y) * width_ + x];
        }
        png_write_row(png, job.row.data());
    }
    png_write_end(png, nullptr);
}

std::vector<std::byte> TbsPngImage::ToPng() const
{
    auto job = std::make_unique<WriteJob>();
    job->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job->error, PngFail, PngWarn);
    if (!job->png) throw Exception("Invalid PNG image: out of memory");
    job->info = png_create_info_struct(job->png);
    if (setjmp(png_jmpbuf(job->png))) throw Exception("Cannot write PNG image: " + job->error);
    WriteFrom(job.get());
    return std::move(job->out);
}
