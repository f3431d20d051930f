#include "skin/CompressedStoredSkin.h"

#include "base/FileBytes.h"
#include "base/IniFile.h"
#include "base/StringList.h"
#include "base/ZlibStream.h"
#include "skin/SkinPackage.h"
#include "skin/SkinValues.h"

namespace {

constexpr std::string_view RequiredSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};

TDib LoadBitmap(const std::string& folder, const std::string& name)
{
    return name.empty() ? TDib() : TDib::FromBmp(ReadFileBytes(folder + name));
}

} // namespace

std::string_view FileNamePart(std::string_view path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

void SetSkinFileName(std::string& name, std::string_view path, bool designing, TbsCompressedStoredSkin& skin,
                     void (TbsCompressedStoredSkin::*read)(std::string_view))
{
    if (designing) {
        (skin.*read)(path);
        name = FileNamePart(path);
    } else {
        name = path;
    }
}

void TbsCompressedStoredSkin::SetFileName(std::string_view path)
{
    SetSkinFileName(fileName_, path, IsDesigning() && !IsLoading(), *this, &TbsCompressedStoredSkin::BuildFromSkinFile);
}

void TbsCompressedStoredSkin::SetCompressedFileName(std::string_view path)
{
    SetSkinFileName(compressedFileName_, path, IsDesigning() && !IsLoading(), *this,
                    &TbsCompressedStoredSkin::LoadFromCompressedFile);
}

void TbsCompressedStoredSkin::SetCompressedData(std::span<const std::byte> bytes)
{
    data_.SetSize(0);
    data_.WriteBuffer(bytes.data(), bytes.size());
    data_.SetPosition(0);
}

ByteBuffer TbsCompressedStoredSkin::Decompress() const { return InflateAll(data_.Bytes()); }

void TbsCompressedStoredSkin::DecompressTo(TStream& target) const
{
    const ByteBuffer inflated = Decompress();
    target.WriteBuffer(inflated.data(), inflated.size());
}

void TbsCompressedStoredSkin::LoadFramed(TStream& stream)
{
    data_.SetSize(0);
    stream.SetPosition(0);
    if (ReadInt32(stream) > SkinPackage::CurrentVersion) return;
    const int32_t length = ReadInt32(stream);
    if (length < 0 || length > stream.Size() - stream.Position())
        throw Exception("Compressed skin data of " + std::to_string(length) + " bytes runs past the end");
    if (length > 0) data_.CopyFrom(stream, length);
    data_.SetPosition(0);
}

void TbsCompressedStoredSkin::SaveFramed(TStream& stream) const
{
    WriteInt32(stream, SkinPackage::CurrentVersion);
    WriteInt32(stream, static_cast<int32_t>(data_.Bytes().size()));
    stream.WriteBuffer(data_.Bytes().data(), data_.Bytes().size());
}

void TbsCompressedStoredSkin::BuildFromSkinFile(std::string_view path)
{
    const std::vector<std::byte> file = ReadFileBytes(path);
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    TStringList lines;
    lines.SetText(text);
    const TMemIniFile ini(text);
    for (std::string_view section : RequiredSections)
        if (!ini.SectionExists(section)) return;
    const std::string folder(path.substr(0, path.size() - FileNamePart(path).size()));

    data_.SetSize(0);
    SkinPackage package;
    package.Picture = LoadBitmap(folder, ini.ReadString("PICTURES", "picture", ""));
    package.InactivePicture = LoadBitmap(folder, ini.ReadString("PICTURES", "inactivepicture", ""));
    package.MaskPicture = LoadBitmap(folder, ini.ReadString("PICTURES", "mask", ""));
    for (const std::string& name : ReadStringList(ini, "PICTURES", "activepictures"))
        package.ActivePictures.push_back(TDib::FromBmp(ReadFileBytes(folder + name)));
    package.Text = lines.Text();

    TMemoryStream inflated;
    WriteSkinPackage(inflated, package);
    TCompressionStream deflater(TCompressionLevel::Max, data_);
    deflater.WriteBuffer(inflated.Bytes().data(), inflated.Bytes().size());
    deflater.Finish();
    data_.SetPosition(0);
}

void TbsCompressedStoredSkin::LoadFromCompressedFile(std::string_view path)
{
    data_.SetSize(0);
    const std::vector<std::byte> file = ReadFileBytes(path);
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), file.size());
    LoadFramed(stream);
}
