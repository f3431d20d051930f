#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Component.h"
#include "base/Stream.h"
#include "base/ZlibStream.h"

// One skin package, held compressed (a zlib stream at level 9) inside a form's
// definition and inflated when a skin data component loads it. The bytes never
// change after loading, so a package can be unpacked any number of times.
class TbsCompressedStoredSkin : public TComponent {
public:
    std::string Description;

    const std::string& FileName() const { return fileName_; }
    const std::string& CompressedFileName() const { return compressedFileName_; }
    // Store the name; while designing (not loading) they store only the file name
    // and pack the skin folder / read the compressed skin file the path names.
    void SetFileName(std::string_view path);
    void SetCompressedFileName(std::string_view path);

    // The "CompressedData" property.
    std::span<const std::byte> CompressedData() const { return data_.Bytes(); }
    void SetCompressedData(std::span<const std::byte> bytes);

    bool IsEmpty() const { return data_.Bytes().empty(); }
    // Inflates the whole package into target at its position, or into memory.
    // Damaged or cut-off data raises EDecompressionError "compression error".
    void DecompressTo(TStream& target) const;
    ByteBuffer Decompress() const;

    // The framed form: version 3, the length, the compressed bytes. A version above 3
    // leaves the data empty.
    void LoadFramed(TStream& stream);
    void SaveFramed(TStream& stream) const;

    // Packs the skin folder whose definition file path names. A definition without
    // one of the five sections is refused and the data stays; a bitmap that cannot
    // be read raises, leaving the data empty.
    void BuildFromSkinFile(std::string_view path);
    // Reads a compressed skin file (framed form).
    void LoadFromCompressedFile(std::string_view path);

private:
    TMemoryStream data_;
    std::string fileName_, compressedFileName_;
};

// The part of a path after its last folder separator.
std::string_view FileNamePart(std::string_view path);

// Sets a file-name property of a stored skin. At design time the file is read into the
// skin through `read` (the data travels with the component) and only the name part is
// kept, once the read succeeded; at run time the name is only remembered.
void SetSkinFileName(std::string& name, std::string_view path, bool designing, TbsCompressedStoredSkin& skin,
                     void (TbsCompressedStoredSkin::*read)(std::string_view));
