#include <gtest/gtest.h>

#include "SevenZipFixtures.h"
#include "base/Exception.h"
#include "base/FileStream.h"
#include "base/FileSystem.h"
#include "sevenzip/T7zStream.h"

using namespace sevenzip;

namespace {

ComPtr<IInStream> Over(TStream& stream) { return ComPtr<IInStream>(new T7zStream(stream)); }

TMemoryStream Filled(std::string_view text)
{
    TMemoryStream stream;
    stream.Write(text.data(), text.size());
    stream.SetPosition(0);
    return stream;
}

// A medium that fails: the adapter must answer with a code, not let it through.
struct BrokenStream : TStream {
    size_t Read(void*, size_t) override { throw Exception("read failed"); }
    size_t Write(const void*, size_t) override { throw Exception("write failed"); }
    int64_t Seek(int64_t, uint32_t) override { throw Exception("seek failed"); }
    void SetSize(int64_t) override { throw Exception("set size failed"); }
};

} // namespace

TEST(StreamAdapter, ReadsToTheEndThenReportsZero)
{
    TMemoryStream memory = Filled("abcdef");
    ComPtr<IInStream> in = Over(memory);
    char buffer[8] = {};
    UINT32 processed = 99;
    EXPECT_EQ(in->Read(buffer, 4, &processed), S_OK);
    EXPECT_EQ(processed, 4u);
    EXPECT_EQ(in->Read(buffer, 8, &processed), S_OK);
    EXPECT_EQ(processed, 2u);
    EXPECT_EQ(in->Read(buffer, 8, &processed), S_OK);
    EXPECT_EQ(processed, 0u);
}

TEST(StreamAdapter, NullResultPointersStillDoTheWork)
{
    TMemoryStream memory = Filled("abcdef");
    ComPtr<IInStream> in = Over(memory);
    char buffer[2];
    EXPECT_EQ(in->Read(buffer, 2, nullptr), S_OK);
    EXPECT_EQ(memory.Position(), 2);
    EXPECT_EQ(in->Seek(1, 1, nullptr), S_OK);
    EXPECT_EQ(memory.Position(), 3);
    ComPtr<IOutStream> out = in.As<IOutStream>(IID_IOutStream);
    EXPECT_EQ(out->Write("XY", 2, nullptr), S_OK);
    EXPECT_EQ(memory.Position(), 5);
    ComPtr<IStreamGetSize> size = in.As<IStreamGetSize>(IID_IStreamGetSize);
    EXPECT_EQ(size->GetSize(nullptr), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(memory.Bytes().data()), 6), "abcXYf");
}

TEST(StreamAdapter, SeekToTheEndGivesTheSizeAndSetSizeTruncates)
{
    TMemoryStream memory = Filled("abcdef");
    ComPtr<IInStream> in = Over(memory);
    UINT64 position = 0;
    EXPECT_EQ(in->Seek(0, 2, &position), S_OK);
    EXPECT_EQ(position, 6u);
    EXPECT_EQ(in->Seek(-2, 1, &position), S_OK);
    EXPECT_EQ(position, 4u);
    ComPtr<IOutStream> out = in.As<IOutStream>(IID_IOutStream);
    EXPECT_EQ(out->SetSize(3), S_OK);
    UINT64 size = 0;
    in.As<IStreamGetSize>(IID_IStreamGetSize)->GetSize(&size);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(in.As<IOutStreamFlush>(IID_IOutStreamFlush)->Flush(), S_OK);
    EXPECT_EQ(memory.Size(), 3);
}

TEST(StreamAdapter, AnswersEveryStreamFaceAndNoOther)
{
    TMemoryStream memory;
    ComPtr<IInStream> in = Over(memory);
    for (const GUID& iid : {IID_ISequentialInStream, IID_IInStream, IID_ISequentialOutStream, IID_IOutStream,
                            IID_IStreamGetSize, IID_IOutStreamFlush})
        EXPECT_TRUE(in.As<IUnknown>(iid));
    EXPECT_FALSE(in.As<IUnknown>(IID_IProgress));
}

TEST(StreamAdapter, OwnedFileClosesOnLastReleaseBorrowedStaysOpen)
{
    TempFolder temp;
    const std::string path = temp.Path() + "owned.bin";
    {
        ComPtr<IOutStream> out(new T7zStream(std::make_unique<TFileStream>(path, TFileStream::Mode::CreateExclusive)));
        EXPECT_EQ(out->Write("data", 4, nullptr), S_OK);
        // Unshared while the adapter lives.
        EXPECT_THROW(TFileStream(path, TFileStream::Mode::ReadSharedReadWrite), Exception);
    }
    EXPECT_EQ(ReadFileText(path), "data");
    EXPECT_NO_THROW(TFileStream(path, TFileStream::Mode::CreateExclusive));

    TMemoryStream memory;
    { ComPtr<IOutStream> out(new T7zStream(memory)); out->Write("kept", 4, nullptr); }
    memory.Write("!", 1);
    EXPECT_EQ(memory.Size(), 5);
}

TEST(StreamAdapter, FailuresOfTheMediumBecomeResultCodes)
{
    BrokenStream broken;
    ComPtr<IInStream> in = Over(broken);
    ComPtr<IOutStream> out = in.As<IOutStream>(IID_IOutStream);
    char buffer[4];
    UINT32 processed = 7;
    EXPECT_EQ(in->Read(buffer, 4, &processed), E_FAIL);
    EXPECT_EQ(processed, 0u);
    EXPECT_EQ(out->Write(buffer, 4, &processed), E_FAIL);
    EXPECT_EQ(processed, 0u);
    EXPECT_EQ(in->Seek(0, 0, nullptr), E_FAIL);
    EXPECT_EQ(out->SetSize(1), E_FAIL);
    UINT64 size;
    EXPECT_EQ(in.As<IStreamGetSize>(IID_IStreamGetSize)->GetSize(&size), E_FAIL);

    // The system's reason is kept for the message.
    struct FullDisk : BrokenStream {
        size_t Write(const void*, size_t) override { throw SystemException("disk full", ERROR_DISK_FULL); }
    } full;
    EXPECT_EQ(Over(full).As<IOutStream>(IID_IOutStream)->Write(buffer, 4, &processed),
              HRESULT_FROM_WIN32(ERROR_DISK_FULL));
}
