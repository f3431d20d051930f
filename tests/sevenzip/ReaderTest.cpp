#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "SevenZipFixtures.h"
#include "base/Exception.h"
#include "base/FileSystem.h"
#include "base/SystemError.h"
#include "sevenzip/T7zStream.h"

namespace {

constexpr wchar_t Password[] = L"secret";
const char* const Files[] = {"top.txt", "a\\b\\deep.txt", "zero.bin", "big.bin", "中文\\塔维欧.txt"};

uint32_t IndexOf(I7zReader& reader, std::wstring_view path)
{
    for (uint32_t i = 0; i < reader.ItemCount(); ++i)
        if (reader.ItemPath(i) == path) return i;
    ADD_FAILURE() << "no item " << ToUtf8(path);
    return 0;
}

std::string ExceptionText(auto&& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no exception";
}

void ExpectExtracted(const std::string& folder)
{
    for (const char* file : Files)
        EXPECT_EQ(ReadFileText(folder + file), ReadFileText(Source(file))) << file;
    EXPECT_TRUE(DirectoryExists(folder + "a\\b"));
    EXPECT_FALSE(PathExists(folder + "empty")) << "empty folders are not created";
}

struct PasswordLog {
    int asked = 0;
    std::wstring answer = Password;
};
HRESULT AnswerPassword(void* sender, std::wstring& password)
{
    auto* log = static_cast<PasswordLog*>(sender);
    ++log->asked;
    password = log->answer;
    return S_OK;
}

struct ProgressLog {
    std::vector<std::pair<bool, int64_t>> calls;
    std::vector<DWORD> threads;
    HRESULT answer = S_OK;
};
HRESULT LogProgress(void* sender, BOOL isTotal, int64_t value)
{
    auto* log = static_cast<ProgressLog*>(sender);
    log->calls.emplace_back(isTotal != FALSE, value);
    log->threads.push_back(GetCurrentThreadId());
    return log->answer;
}

// Hands out memory streams for the items asked for.
struct MemoryItems {
    std::map<uint32_t, TMemoryStream> streams;
};
HRESULT ItemToMemory(void* sender, uint32_t index, sevenzip::ISequentialOutStream** stream)
{
    auto* items = static_cast<MemoryItems*>(sender);
    sevenzip::IOutStream* face = new T7zStream(items->streams[index]);
    face->AddRef();
    *stream = face;
    return S_OK;
}

std::string Text(const TMemoryStream& stream)
{
    return {reinterpret_cast<const char*>(stream.Bytes().data()), stream.Bytes().size()};
}

} // namespace

TEST(Reader, ItemPropertiesComeFromTheHandler)
{
    ComPtr<I7zReader> reader = OpenReader("plain.7z");
    const uint32_t deep = IndexOf(*reader, L"a\\b\\deep.txt");
    // The 7z handler keeps names only inside paths: property 4 may be empty.
    const std::wstring name = reader->ItemName(deep);
    EXPECT_TRUE(name.empty() || name == L"deep.txt");
    EXPECT_EQ(reader->ItemSize(deep), 17);
    EXPECT_FALSE(reader->ItemIsFolder(deep));
    const uint32_t folder = IndexOf(*reader, L"a\\b");
    EXPECT_TRUE(reader->ItemIsFolder(folder));
    EXPECT_EQ(reader->ItemSize(IndexOf(*reader, L"big.bin")), 5 * 1024 * 1024 + 123);
    EXPECT_EQ(reader->ItemSize(IndexOf(*reader, L"zero.bin")), 0);
    IndexOf(*reader, L"中文\\塔维欧.txt"); // Unicode names arrive intact
}

TEST(Reader, ExtractsToAFolderWithOrWithoutTrailingDelimiter)
{
    for (const char* archive : {"plain.7z", "solid-lzma.7z"}) {
        TempFolder temp;
        OpenReader(archive)->ExtractToFolder(temp.Path() + "out");
        ExpectExtracted(temp.Path() + "out\\");
        OpenReader(archive)->ExtractToFolder(temp.Path() + "out2\\");
        ExpectExtracted(temp.Path() + "out2\\");
    }
}

TEST(Reader, BranchFiltersAndPpmdDecode)
{
    for (const char* archive : {"bcj.7z", "bcj2.7z", "ppmd.7z"}) {
        SCOPED_TRACE(archive);
        TempFolder temp;
        OpenReader(archive)->ExtractToFolder(temp.Path());
        ExpectExtracted(temp.Path());
    }
}

// The binding ignores the handler's answer to the decoder-thread setting; a library
// that refused it would decode with buffers that grow with the payload.
TEST(Reader, HandlerAcceptsTheDecoderThreadSetting)
{
    ComPtr<I7zReader> reader = OpenReader("plain.7z"); // holds the library the handler lives in
    ComPtr<sevenzip::ISetProperties> settings =
        reader->HandlerObject().As<sevenzip::ISetProperties>(sevenzip::IID_ISetProperties);
    ASSERT_TRUE(settings);
    const wchar_t* const names[] = {L"mt"};
    PROPVARIANT values[1]{};
    values[0].vt = VT_UI4;
    values[0].ulVal = 1;
    EXPECT_EQ(settings->SetProperties(names, values, 1), S_OK);
}

TEST(Reader, ExistingFilesAreReplacedWholeEvenReadOnlyAndNothingElseStays)
{
    TempFolder temp;
    const std::string longer(100000, 'x');
    const std::string old = temp.Path() + "a\\b\\deep.txt";
    ASSERT_TRUE(CreateFolderTree(temp.Path() + "a\\b"));
    WriteFileBytes(old, std::as_bytes(std::span(longer)));
    SetFileAttributesW(ToWide(old).c_str(), FILE_ATTRIBUTE_READONLY);
    OpenReader("plain.7z")->ExtractToFolder(temp.Path());
    ExpectExtracted(temp.Path());
    EXPECT_EQ(FolderContents(temp.Path()).size(), 8u) << "five files and their three folders, no leftovers";
}

// An earlier install's files stay as they were when any item fails: an output that
// cannot be replaced, or an item whose data is damaged.
TEST(Reader, FailedExtractionLeavesTheFolderAsItWas)
{
    TempFolder temp;
    const std::string locked = temp.Path() + "top.txt";
    WriteFileBytes(locked, std::as_bytes(std::span(std::string_view("old"))));
    WriteFileBytes(temp.Path() + "big.bin", std::as_bytes(std::span(std::string_view("old big"))));
    const auto before = FolderContents(temp.Path());
    HANDLE handle = CreateFileW(ToWide(locked).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    const std::string message = ExceptionText([&] { OpenReader("plain.7z")->ExtractToFolder(temp.Path()); });
    CloseHandle(handle);
    EXPECT_EQ(message.find("Could not extract 1 item:\ntop.txt: " + SystemErrorText(ERROR_SHARING_VIOLATION)), 0u)
        << message;
    EXPECT_EQ(FolderContents(temp.Path()), before);

    EXPECT_NE(ExceptionText([&] { OpenReader("damaged.7z")->ExtractToFolder(temp.Path()); }), "no exception");
    EXPECT_EQ(FolderContents(temp.Path()), before);
}

TEST(Reader, ExtractOneItemWritesIntoTheCallersStreamOrTestsOnly)
{
    ComPtr<I7zReader> reader = OpenReader("plain.7z");
    TMemoryStream stream;
    reader->ExtractOneItem(IndexOf(*reader, L"top.txt"), stream, false);
    EXPECT_EQ(Text(stream), "top level\r\n");
    TMemoryStream untouched;
    reader->ExtractOneItem(IndexOf(*reader, L"big.bin"), untouched, true);
    EXPECT_EQ(untouched.Size(), 0);
    // The caller's stream is still the caller's.
    stream.Write("!", 1);
    EXPECT_EQ(Text(stream), "top level\r\n!");
}

TEST(Reader, ItemListAndAllItemsGoToTheProvidersStreams)
{
    ComPtr<I7zReader> reader = OpenReader("plain.7z");
    MemoryItems items;
    const uint32_t wanted[] = {IndexOf(*reader, L"中文\\塔维欧.txt"), IndexOf(*reader, L"top.txt")};
    reader->ExtractItemList(wanted, 2, false, &items, ItemToMemory);
    ASSERT_EQ(items.streams.size(), 2u);
    EXPECT_EQ(Text(items.streams[wanted[0]]), ReadFileText(Source("中文\\塔维欧.txt")));
    EXPECT_EQ(Text(items.streams[wanted[1]]), "top level\r\n");

    MemoryItems all;
    reader->ExtractAllItems(false, &all, ItemToMemory);
    EXPECT_EQ(all.streams.size(), 9u); // folders are asked for too
    EXPECT_EQ(Text(all.streams[IndexOf(*reader, L"big.bin")]), ReadFileText(Source("big.bin")));

    MemoryItems tested;
    reader->ExtractAllItems(true, &tested, ItemToMemory);
    EXPECT_TRUE(tested.streams.empty());
}

TEST(Reader, PerCallFieldsEndWithTheirCall)
{
    TempFolder temp;
    ComPtr<I7zReader> reader = OpenReader("plain.7z");
    reader->ExtractToFolder(temp.Path() + "first");
    TempFolder second;
    reader->ExtractAllItems(false, nullptr, nullptr); // no provider, no folder: nothing written
    EXPECT_FALSE(PathExists(temp.Path() + "top.txt"));
    EXPECT_EQ(ReadFileText(temp.Path() + "first\\top.txt"), "top level\r\n");
}

TEST(Reader, PasswordFromTheSetter)
{
    for (const char* archive : {"password.7z", "headers.7z"}) {
        TempFolder temp;
        OpenReader(archive, Password)->ExtractToFolder(temp.Path());
        ExpectExtracted(temp.Path());
    }
}

TEST(Reader, PasswordFromTheProviderIsAskedOnceUntilClose)
{
    ComPtr<I7zReader> reader = CreateArchiveReader(sevenzip::FormatId7z, Library());
    PasswordLog log;
    reader->SetPasswordProvider(&log, AnswerPassword);
    reader->SetArchivePassword(L""); // empty: the provider is still asked
    reader->OpenArchiveFile(Archive("headers.7z"));
    EXPECT_EQ(log.asked, 1);
    TMemoryStream one, two;
    reader->ExtractOneItem(IndexOf(*reader, L"top.txt"), one, false);
    reader->ExtractOneItem(IndexOf(*reader, L"big.bin"), two, false);
    EXPECT_EQ(log.asked, 1);
    EXPECT_EQ(Text(one), "top level\r\n");
    reader->CloseArchive();
    reader->OpenArchiveFile(Archive("headers.7z"));
    EXPECT_EQ(log.asked, 2);
}

TEST(Reader, WrongOrMissingPasswordIsNeverSuccess)
{
    TempFolder temp;
    // Encrypted headers: the archive does not even open.
    const std::string wrong = "Cannot open the archive: the password is wrong or missing";
    EXPECT_EQ(ExceptionText([&] { OpenReader("headers.7z", L"wrong"); }), wrong);
    EXPECT_EQ(ExceptionText([&] { OpenReader("headers.7z"); }), wrong);
    // Encrypted data only: the listing opens, every file fails and is named.
    const std::string message = ExceptionText([&] { OpenReader("password.7z", L"wrong")->ExtractToFolder(temp.Path()); });
    EXPECT_NE(message.find("Could not extract 4 items:"), std::string::npos) << message; // zero.bin has no data
    EXPECT_NE(message.find("top.txt: "), std::string::npos) << message;
    EXPECT_EQ(message.find("zero.bin"), std::string::npos) << message;
    const std::string none = ExceptionText([&] { OpenReader("password.7z")->ExtractToFolder(temp.Path() + "none"); });
    EXPECT_NE(none, "no exception");
}

TEST(Reader, DamagedOrForeignArchivesRaise)
{
    TempFolder temp;
    const std::string message = ExceptionText([&] { OpenReader("damaged.7z")->ExtractToFolder(temp.Path()); });
    EXPECT_NE(message.find("big.bin: "), std::string::npos) << message;
    EXPECT_NE(message.find("CRC"), std::string::npos) << message;
    EXPECT_TRUE(FolderContents(temp.Path()).empty()) << "the good item went with the bad one";
    for (const char* foreign : {"not-an-archive.7z", "zip-renamed.7z"})
        EXPECT_EQ(ExceptionText([&] { OpenReader(foreign); }),
                  "Cannot open the archive: it is not a 7z archive or it is damaged") << foreign;
    const std::string missing = Archive("missing.7z");
    EXPECT_EQ(ExceptionText([&] { OpenReader("missing.7z"); }).rfind("Cannot open file \"" + missing + "\". ", 0), 0u);
}

TEST(Reader, ItemsThatClimbOutAreRefused)
{
    TempFolder temp;
    const std::string target = temp.Path() + "inner\\";
    const std::string message = ExceptionText([&] { OpenReader("climb.7z")->ExtractToFolder(target); });
    EXPECT_NE(message.find("..\\escape.txt: refused"), std::string::npos) << message;
    EXPECT_FALSE(PathExists(temp.Path() + "escape.txt"));
    EXPECT_FALSE(PathExists(target)) << "nothing stays of a refused archive";
}

TEST(Reader, ProgressIsOneTotalThenRisingCompletedValues)
{
    TempFolder temp;
    ComPtr<I7zReader> reader = OpenReader("plain.7z");
    ProgressLog log;
    reader->SetProgressHandler(&log, LogProgress);
    reader->ExtractToFolder(temp.Path());
    ASSERT_GE(log.calls.size(), 2u);
    EXPECT_TRUE(log.calls[0].first);
    const int64_t total = log.calls[0].second;
    EXPECT_EQ(total, 5 * 1024 * 1024 + 123 + 11 + 17 + ReadFileText(Source("中文\\塔维欧.txt")).size());
    int64_t last = -1;
    for (size_t i = 1; i < log.calls.size(); ++i) {
        EXPECT_FALSE(log.calls[i].first) << "one total only";
        EXPECT_GE(log.calls[i].second, last);
        EXPECT_LE(log.calls[i].second, total);
        last = log.calls[i].second;
    }
    EXPECT_EQ(last, total);
    // Which thread the library reports on: the caller's.
    for (DWORD thread : log.threads) EXPECT_EQ(thread, GetCurrentThreadId());
}

TEST(Reader, EachReportIsExactlyOneHandlerCall)
{
    ComPtr<I7zReader> reader = CreateArchiveReader(sevenzip::FormatId7z, Library());
    ComPtr<sevenzip::IProgress> progress = reader.As<sevenzip::IProgress>(sevenzip::IID_IProgress);
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->SetTotal(1000), S_OK); // no handler yet
    ProgressLog log;
    reader->SetProgressHandler(&log, LogProgress);
    const UINT64 done = 250;
    EXPECT_EQ(progress->SetTotal(1000), S_OK);
    EXPECT_EQ(progress->SetCompleted(nullptr), S_OK);
    EXPECT_EQ(progress->SetCompleted(&done), S_OK);
    log.answer = E_ABORT;
    EXPECT_EQ(progress->SetCompleted(&done), E_ABORT); // passed back unchanged
    EXPECT_EQ(log.calls, (std::vector<std::pair<bool, int64_t>>{{true, 1000}, {false, 250}, {false, 250}}));
}

TEST(Reader, HandlerStopStopsTheExtractionWithTheSystemText)
{
    TempFolder temp;
    ComPtr<I7zReader> reader = OpenReader("plain.7z");
    ProgressLog log;
    log.answer = E_ABORT;
    reader->SetProgressHandler(&log, LogProgress);
    EXPECT_EQ(ExceptionText([&] { reader->ExtractToFolder(temp.Path() + "x"); }), SystemErrorText(E_ABORT));
    EXPECT_FALSE(PathExists(temp.Path() + "x\\big.bin"));
    // The folder is forgotten: a later extraction without one writes nothing.
    log.answer = S_OK;
    reader->ExtractAllItems(false, nullptr, nullptr);
    EXPECT_FALSE(PathExists(temp.Path() + "x\\big.bin"));
}

TEST(Reader, ExceptionInAHandlerReachesTheCaller)
{
    ComPtr<I7zReader> reader = OpenReader("plain.7z");
    reader->SetProgressHandler(nullptr, [](void*, BOOL, int64_t) -> HRESULT { throw Exception("progress bar gone"); });
    TMemoryStream stream;
    EXPECT_EQ(ExceptionText([&] { reader->ExtractOneItem(0, stream, false); }), "progress bar gone");
}
