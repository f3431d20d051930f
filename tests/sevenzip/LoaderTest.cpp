#include <gtest/gtest.h>

#include "SevenZipFixtures.h"
#include "base/Exception.h"
#include "base/SystemError.h"

namespace {
std::string FailureOf(const std::string& path, unsigned long* code = nullptr)
{
    try {
        CreateArchiveReader(sevenzip::FormatId7z, path);
    } catch (const Exception& e) {
        if (const auto* system = dynamic_cast<const SystemException*>(&e); system && code) *code = system->Code();
        return e.Message();
    }
    return "no exception";
}
} // namespace

TEST(Loader, MissingOrForeignFileCannotBeLoaded)
{
    const std::string missing = TestLibrary("no-such-library.dll");
    unsigned long code = 0;
    EXPECT_EQ(FailureOf(missing, &code), "Error loading library " + missing);
    EXPECT_EQ(code, static_cast<unsigned long>(ERROR_MOD_NOT_FOUND)); // the system's reason, kept
    const std::string text = Archive("not-an-archive.7z");
    EXPECT_EQ(FailureOf(text), "Error loading library " + text);
}

TEST(Loader, LibraryWithoutHandlerPropertyIsReleasedExactlyOnce)
{
    const std::string path = TestLibrary("OnlyCreateObject.dll");
    HMODULE ours = LoadLibraryA(path.c_str()); // our own load keeps it countable
    ASSERT_NE(ours, nullptr);
    EXPECT_EQ(FailureOf(path), path + " is not a Format library");
    EXPECT_TRUE(ModuleLoaded("OnlyCreateObject.dll")); // a second release would have taken ours
    FreeLibrary(ours);
    EXPECT_FALSE(ModuleLoaded("OnlyCreateObject.dll"));
}

TEST(Loader, CreateObjectIsCheckedFirst)
{
    const std::string path = TestLibrary("NoEntries.dll");
    EXPECT_EQ(FailureOf(path), path + " is not a 7z library");
    EXPECT_FALSE(ModuleLoaded("NoEntries.dll"));
}

TEST(Loader, LastReleaseUnloadsAndASecondReaderLoadsAgain)
{
    ASSERT_FALSE(ModuleLoaded("7z.dll"));
    {
        ComPtr<I7zReader> first = OpenReader("plain.7z");
        EXPECT_TRUE(ModuleLoaded("7z.dll"));
        ComPtr<I7zReader> extra = first; // two references, one object
        first.Reset();
        EXPECT_TRUE(ModuleLoaded("7z.dll"));
    }
    EXPECT_FALSE(ModuleLoaded("7z.dll"));
    ComPtr<I7zReader> second = OpenReader("plain.7z");
    EXPECT_TRUE(ModuleLoaded("7z.dll"));
    EXPECT_EQ(second->ItemCount(), 9u);
    second.Reset();
    EXPECT_FALSE(ModuleLoaded("7z.dll"));
}

TEST(Loader, ZeroFormatIdFailsWithTheSystemText)
{
    ComPtr<I7zReader> reader = CreateArchiveReader(GUID{}, Library());
    const GUID id = reader->GetFormatId();
    EXPECT_EQ(id, GUID{});
    try {
        reader->ItemCount();
        FAIL() << "no exception";
    } catch (const SystemException& e) { // the code goes up with the text
        EXPECT_EQ(e.Message(), SystemErrorText(static_cast<unsigned long>(CLASS_E_CLASSNOTAVAILABLE)));
        EXPECT_EQ(e.Code(), static_cast<unsigned long>(CLASS_E_CLASSNOTAVAILABLE));
    }
    // The id can still be set: the handler object is made on first need.
    reader->SetFormatId(sevenzip::FormatId7z);
    reader->OpenArchiveFile(Archive("plain.7z"));
    EXPECT_EQ(reader->ItemCount(), 9u);
}

TEST(Loader, ReaderAnswersItsInterfacesOnly)
{
    ComPtr<I7zReader> reader = CreateArchiveReader(sevenzip::FormatId7z, Library());
    for (const GUID& iid : {IID_I7zReader, sevenzip::IID_IArchiveOpenCallback, sevenzip::IID_IArchiveExtractCallback,
                            sevenzip::IID_IProgress, sevenzip::IID_ICryptoGetTextPassword,
                            sevenzip::IID_IArchiveOpenVolumeCallback, sevenzip::IID_IArchiveOpenSetSubArchiveName}) {
        ComPtr<IUnknown> face = reader.As<IUnknown>(iid);
        EXPECT_TRUE(face);
    }
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(reader->QueryInterface(sevenzip::IID_IInArchive, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
}
