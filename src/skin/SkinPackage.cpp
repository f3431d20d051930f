#include "skin/SkinPackage.h"

#include <algorithm>
#include <span>

#include "base/ByteOrder.h"
#include "base/Exception.h"
#include "base/Stream.h"

namespace {

constexpr size_t BitmapFileHeaderSize = 14;

// A flag byte of 1 stands for an empty picture; 0 is followed by its bitmap file.
void WriteFlaggedBitmap(TStream& stream, const TDib& bitmap)
{
    const uint8_t empty = bitmap.Empty() ? 1 : 0;
    stream.WriteBuffer(&empty, 1);
    if (!empty) WriteBitmapFile(stream, bitmap);
}

} // namespace

void WriteBitmapFile(TStream& stream, const TDib& bitmap)
{
    const std::vector<std::byte> file = bitmap.ToBmp();
    stream.WriteBuffer(file.data(), file.size());
}

namespace {

// Reading the in-memory package in place.
class PackageReader {
public:
    explicit PackageReader(std::span<const std::byte> data) : data_(data) {}
    size_t Position() const { return at_; }

    std::span<const std::byte> Take(size_t count)
    {
        if (count > data_.size() - at_) throw Exception("Stream read error");
        const auto part = data_.subspan(at_, count);
        at_ += count;
        return part;
    }
    int32_t Int32()
    {
        return static_cast<int32_t>(LittleEndian32(Take(4)));
    }
    TDib Bitmap()
    {
        if (data_.size() - at_ < BitmapFileHeaderSize) throw Exception("Stream read error");
        const uint32_t size = LittleEndian32(data_, at_ + 2);
        if (size < BitmapFileHeaderSize || size > data_.size() - at_)
            throw Exception("Invalid bitmap: file size " + std::to_string(size) + " beyond the data");
        return TDib::FromBmp(Take(size));
    }
    TDib FlaggedBitmap()
    {
        const bool empty = Take(1)[0] != std::byte{0};
        return empty ? TDib() : Bitmap();
    }

private:
    std::span<const std::byte> data_;
    size_t at_ = 0;
};

} // namespace

bool ReadSkinPackage(std::span<const std::byte> data, SkinPackage& package)
{
    package = {};
    PackageReader in(data);
    package.Version = in.Int32();
    if (package.Version > SkinPackage::CurrentVersion) return false;
    package.Picture = in.FlaggedBitmap();
    package.InactivePicture = in.FlaggedBitmap();
    package.MaskPicture = in.FlaggedBitmap();
    if (package.Version == 2)
        for (int dropped = 0; dropped < 2; ++dropped) in.FlaggedBitmap();
    const int32_t count = in.Int32();
    for (int32_t i = 0; i < count; ++i) package.ActivePictures.push_back(in.Bitmap());
    const auto text = in.Take(data.size() - in.Position());
    package.Text.assign(reinterpret_cast<const char*>(text.data()), text.size());
    return true;
}

void WriteSkinPackage(TStream& stream, const SkinPackage& package)
{
    WriteInt32(stream, package.Version);
    WriteFlaggedBitmap(stream, package.Picture);
    WriteFlaggedBitmap(stream, package.InactivePicture);
    WriteFlaggedBitmap(stream, package.MaskPicture);
    WriteInt32(stream, static_cast<int32_t>(package.ActivePictures.size()));
    for (const TDib& bitmap : package.ActivePictures) WriteBitmapFile(stream, bitmap);
    stream.WriteBuffer(package.Text.data(), package.Text.size());
}
