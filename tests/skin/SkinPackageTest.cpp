#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/IniFile.h"
#include "base/StringList.h"
#include "base/ZlibStream.h"
#include "skin/SkinPackage.h"
#include "skin/SkinValues.h"
#include "SkinTestData.h"

namespace {

void ExpectSamePicture(const TDib& a, const TDib& b, const std::string& what)
{
    ASSERT_EQ(a.Width(), b.Width()) << what;
    ASSERT_EQ(a.Height(), b.Height()) << what;
    ASSERT_EQ(a.BitsPerPixel(), b.BitsPerPixel()) << what;
    for (int y = 0; y < a.Height(); ++y)
        ASSERT_TRUE(std::ranges::equal(a.Row(y), b.Row(y))) << what << " row " << y;
    if (a.BitsPerPixel() <= 8)
        for (size_t i = 0; i < a.Palette.size(); ++i) {
            EXPECT_EQ(a.Palette[i].Red, b.Palette[i].Red) << what;
            EXPECT_EQ(a.Palette[i].Green, b.Palette[i].Green) << what;
            EXPECT_EQ(a.Palette[i].Blue, b.Palette[i].Blue) << what;
        }
}

TDib FolderPicture(const std::string& name) { return TDib::FromBmp(ReadFileBytes(SkinFolder() + "/" + name)); }

SkinPackage Unpack(TbsCompressedStoredSkin& skin)
{
    TMemoryStream inflated;
    skin.DecompressTo(inflated);
    inflated.SetPosition(0);
    SkinPackage package;
    EXPECT_TRUE(ReadSkinPackage(inflated.Bytes(), package));
    return package;
}

void Compress(const TMemoryStream& inflated, TbsCompressedStoredSkin& skin)
{
    TMemoryStream packed;
    {
        TCompressionStream deflater(TCompressionLevel::Max, packed);
        deflater.WriteBuffer(inflated.Bytes().data(), inflated.Bytes().size());
    }
    skin.SetCompressedData(packed.Bytes());
}

} // namespace

TEST(SkinPackage, PackingOurFolderKeepsEveryPictureAndLine)
{
    TbsCompressedStoredSkin skin;
    skin.BuildFromSkinFile(SkinFolder() + "/skin.ini");
    ASSERT_FALSE(skin.IsEmpty());
    EXPECT_EQ(skin.CompressedData()[0], std::byte{0x78});
    EXPECT_EQ(skin.CompressedData()[1], std::byte{0xDA});

    const SkinPackage package = Unpack(skin);
    EXPECT_EQ(package.Version, 3);
    ExpectSamePicture(package.Picture, FolderPicture("main.bmp"), "main");
    ExpectSamePicture(package.InactivePicture, FolderPicture("inactive.bmp"), "inactive");
    ExpectSamePicture(package.MaskPicture, FolderPicture("mask.bmp"), "mask");
    EXPECT_EQ(package.MaskPicture.BitsPerPixel(), 1);
    const auto bytes = ReadFileBytes(SkinFolder() + "/skin.ini");
    TStringList lines;
    lines.SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    EXPECT_EQ(package.Text, lines.Text());
    const auto names = ReadStringList(TMemIniFile(lines.Text()), "PICTURES", "activepictures");
    ASSERT_EQ(package.ActivePictures.size(), names.size());
    bool eightBits = false;
    for (size_t i = 0; i < names.size(); ++i) {
        ExpectSamePicture(package.ActivePictures[i], FolderPicture(names[i]), names[i]);
        eightBits |= package.ActivePictures[i].BitsPerPixel() == 8;
    }
    EXPECT_TRUE(eightBits);
    // Unpacking leaves the data as it was: a second unpack gives the same.
    EXPECT_EQ(Unpack(skin).Text, package.Text);
}

TEST(SkinPackage, EmptyPicturesAreOneFlagByte)
{
    SkinPackage package;
    package.Picture = TDib(2, 2, 24);
    package.Text = "[VERSION]\r\n";
    TMemoryStream stream;
    WriteSkinPackage(stream, package);
    const auto& b = stream.Bytes();
    const size_t bitmap = package.Picture.ToBmp().size();
    ASSERT_EQ(b.size(), 4 + 1 + bitmap + 1 + 1 + 4 + package.Text.size());
    EXPECT_EQ(b[4], std::byte{0});
    EXPECT_EQ(b[5 + bitmap], std::byte{1}); // inactive
    EXPECT_EQ(b[6 + bitmap], std::byte{1}); // mask
    stream.SetPosition(0);
    SkinPackage back;
    ASSERT_TRUE(ReadSkinPackage(stream.Bytes(), back));
    EXPECT_TRUE(back.MaskPicture.Empty());
    EXPECT_TRUE(back.ActivePictures.empty());
    EXPECT_EQ(back.Text, package.Text);
}

TEST(SkinPackage, VersionTwoSkipsTwoPicturesAndVersionFourReadsNothingMore)
{
    const TDib small(3, 1, 24);
    TMemoryStream v2;
    WriteInt32(v2, 2);
    for (int i = 0; i < 3; ++i) v2.WriteBuffer("\x01", 1);
    for (int i = 0; i < 2; ++i) {
        v2.WriteBuffer("\x00", 1);
        WriteBitmapFile(v2, TDib(5, 5, 8));
    }
    WriteInt32(v2, 1);
    WriteBitmapFile(v2, small);
    v2.WriteBuffer("[A]\r\n", 5);
    v2.SetPosition(0);
    SkinPackage package;
    ASSERT_TRUE(ReadSkinPackage(v2.Bytes(), package));
    ASSERT_EQ(package.ActivePictures.size(), 1u);
    EXPECT_EQ(package.ActivePictures[0].Width(), 3);
    EXPECT_EQ(package.Text, "[A]\r\n");

    TMemoryStream v4;
    WriteInt32(v4, 4);
    v4.WriteBuffer("garbage", 7);
    v4.SetPosition(0);
    EXPECT_FALSE(ReadSkinPackage(v4.Bytes(), package));
}

TEST(SkinPackage, FramedFormAndCompressedFiles)
{
    TbsCompressedStoredSkin skin;
    skin.BuildFromSkinFile(SkinFolder() + "/skin.ini");
    TMemoryStream framed;
    framed.WriteBuffer("junk", 4); // LoadFramed reads from the stream's start
    framed.SetSize(0);
    skin.SaveFramed(framed);
    EXPECT_EQ(framed.Size(), 8 + static_cast<int64_t>(skin.CompressedData().size()));
    TbsCompressedStoredSkin copy;
    copy.LoadFramed(framed);
    EXPECT_TRUE(std::ranges::equal(copy.CompressedData(), skin.CompressedData()));

    TMemoryStream future;
    WriteInt32(future, 4);
    WriteInt32(future, 3);
    future.WriteBuffer("abc", 3);
    copy.LoadFramed(future);
    EXPECT_TRUE(copy.IsEmpty());

    // A compressed skin file holds the same framed form.
    const auto file = std::filesystem::temp_directory_path() / "tavio-skin-test.skn";
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(framed.Bytes().data()), static_cast<std::streamsize>(framed.Size()));
    }
    TbsCompressedStoredSkin fromFile;
    const std::u8string utf8 = file.u8string();
    fromFile.LoadFromCompressedFile(std::string(utf8.begin(), utf8.end()));
    std::filesystem::remove(file);
    EXPECT_TRUE(std::ranges::equal(fromFile.CompressedData(), skin.CompressedData()));

    TMemoryStream lying;
    WriteInt32(lying, 3);
    WriteInt32(lying, 1000);
    lying.WriteBuffer("abc", 3);
    EXPECT_THROW(copy.LoadFramed(lying), Exception);
}

TEST(SkinPackage, PackingRefusesDefinitionsWithoutTheFiveSections)
{
    TbsCompressedStoredSkin skin;
    skin.SetCompressedData(std::vector<std::byte>{std::byte{1}, std::byte{2}});
    skin.BuildFromSkinFile(CorpusFile("sound")); // not an INI with sections at all
    EXPECT_EQ(skin.CompressedData().size(), 2u);
    EXPECT_THROW(skin.BuildFromSkinFile(SkinFolder() + "/no-such.ini"), Exception);
}

TEST(SkinPackage, DesignTimeNamesLoadDataAndKeepOnlyTheFileName)
{
    TbsCompressedStoredSkin skin;
    skin.SetFileName(SkinFolder() + "/skin.ini"); // at run time: stored as given
    EXPECT_TRUE(skin.IsEmpty());
    EXPECT_EQ(skin.FileName(), SkinFolder() + "/skin.ini");
    skin.ComponentState = TComponent::Designing;
    skin.SetFileName(SkinFolder() + "/skin.ini");
    EXPECT_FALSE(skin.IsEmpty());
    EXPECT_EQ(skin.FileName(), "skin.ini");
}

TEST(SkinPackage, CountOfPicturesBeyondTheDataRaises)
{
    TMemoryStream stream;
    WriteInt32(stream, 3);
    for (int i = 0; i < 3; ++i) stream.WriteBuffer("\x01", 1);
    WriteInt32(stream, 2);
    WriteBitmapFile(stream, TDib(1, 1, 24));
    TbsCompressedStoredSkin skin;
    Compress(stream, skin);
    TMemoryStream inflated;
    skin.DecompressTo(inflated);
    inflated.SetPosition(0);
    SkinPackage package;
    EXPECT_THROW(ReadSkinPackage(inflated.Bytes(), package), Exception);
}
