#include "skin/SkinPackage.h"

#include <cstring>

#include "framework/Exception.h"
#include "framework/Stream.h"

namespace {

constexpr size_t BitmapFileHeaderSize = 14;

// A flag byte of 1 stands for an empty picture; 0 is followed by its bitmap file.
TDib ReadFlaggedBitmap(TStream& stream)
{
    uint8_t empty;
    stream.ReadBuffer(&empty, 1);
    return empty ? TDib() : ReadBitmapFile(stream);
}

void WriteFlaggedBitmap(TStream& stream, const TDib& bitmap)
{
    const uint8_t empty = bitmap.Empty() ? 1 : 0;
    stream.WriteBuffer(&empty, 1);
    if (!empty) WriteBitmapFile(stream, bitmap);
}

} // namespace

TDib ReadBitmapFile(TStream& stream)
{
    std::byte header[BitmapFileHeaderSize];
    stream.ReadBuffer(header, sizeof header);
    uint32_t size;
    std::memcpy(&size, header + 2, 4); // little-endian on every target we build
    // The length is taken from the header: check it against what is there before
    // allocating anything.
    const int64_t left = stream.Size() - stream.Position();
    if (size < BitmapFileHeaderSize || static_cast<int64_t>(size - BitmapFileHeaderSize) > left)
        throw Exception("Invalid bitmap: file size " + std::to_string(size) + " beyond the data");
    std::vector<std::byte> file(size);
    std::memcpy(file.data(), header, sizeof header);
    stream.ReadBuffer(file.data() + sizeof header, size - sizeof header);
    return TDib::FromBmp(file);
}

void WriteBitmapFile(TStream& stream, const TDib& bitmap)
{
    const std::vector<std::byte> file = bitmap.ToBmp();
    stream.WriteBuffer(file.data(), file.size());
}

bool ReadSkinPackage(TStream& stream, SkinPackage& package)
{
    package = {};
    package.Version = ReadInt32(stream);
    if (package.Version > SkinPackage::CurrentVersion) return false;
    package.Picture = ReadFlaggedBitmap(stream);
    package.InactivePicture = ReadFlaggedBitmap(stream);
    package.MaskPicture = ReadFlaggedBitmap(stream);
    if (package.Version == 2)
        for (int dropped = 0; dropped < 2; ++dropped) ReadFlaggedBitmap(stream);
    const int32_t count = ReadInt32(stream);
    for (int32_t i = 0; i < count; ++i) package.ActivePictures.push_back(ReadBitmapFile(stream));
    const int64_t left = stream.Size() - stream.Position();
    package.Text.resize(static_cast<size_t>(left));
    stream.ReadBuffer(package.Text.data(), package.Text.size());
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
