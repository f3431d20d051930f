#include <gtest/gtest.h>

#include "TestSupport.h"
#include "base/DesktopUser.h"
#include "base/Elevation.h"
#include "base/EntryPoint.h"
#include "base/Exception.h"
#include "base/FileChanges.h"
#include "base/FileSystem.h"
#include "base/Handles.h"
#include "base/ModuleFileName.h"
#include "base/PrivateFolder.h"
#include "base/Resources.h"
#include "base/SystemError.h"
#include "base/SystemLibrary.h"
#include "base/WinStrings.h"

namespace {
std::span<const std::byte> Bytes(std::string_view text) { return std::as_bytes(std::span(text)); }
} // namespace

TEST(CreateFolderTree, MakesEveryMissingLevel)
{
    TempFolder temp;
    const std::string deep = temp.Path() + "一\\二\\三";
    EXPECT_TRUE(CreateFolderTree(deep + "\\"));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(CreateFolderTree(deep)); // already there
    EXPECT_TRUE(CreateFolderTree("C:\\"));
}

TEST(CreateFolderTree, FailsWithTheSystemErrorWhenAFileIsInTheWay)
{
    TempFolder temp;
    WriteFileBytes(temp.Path() + "file", Bytes("x"));
    SetLastError(0);
    EXPECT_FALSE(CreateFolderTree(temp.Path() + "file\\sub\\"));
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_FALSE(DirectoryExists(temp.Path() + "file\\sub"));
    EXPECT_FALSE(CreateFolderTree(temp.Path() + "bad<name>|\\"));
    EXPECT_NE(GetLastError(), 0u);
}

TEST(WriteFileBytes, ReplacesTheWholeFile)
{
    TempFolder temp;
    const std::string file = temp.Path() + "out.bin";
    WriteFileBytes(file, Bytes("a much longer first content"));
    WriteFileBytes(file, Bytes("short"));
    EXPECT_EQ(ReadFileText(file), "short");
    WriteFileBytes(file, {});
    EXPECT_EQ(ReadFileText(file), "");
}

TEST(WriteFileBytes, RaisesTheSystemTextWhenTheFileCannotBeMade)
{
    TempFolder temp;
    const std::string path = temp.Path() + "missing\\out.bin";
    try {
        WriteFileBytes(path, Bytes("x"));
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + path + "\". " + SystemErrorText(ERROR_PATH_NOT_FOUND));
    }
}

namespace {
// A folder with an earlier install's files, one of them read-only.
struct EarlierFiles {
    TempFolder temp;
    const std::string& folder = temp.Path();
    EarlierFiles()
    {
        WriteFileBytes(folder + "kept.txt", Bytes("old kept"));
        WriteFileBytes(folder + "locked.txt", Bytes("old read-only"));
        SetFileAttributesW(ToWide(folder + "locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ~EarlierFiles() { SetFileAttributesW(ToWide(folder + "locked.txt").c_str(), FILE_ATTRIBUTE_NORMAL); }
    // Writes a new version of `name` under a temporary name and commits it.
    void Replace(FileChanges& changes, const std::string& name, std::string_view text)
    {
        std::string temporary;
        changes.CreateTemporary(folder + name, temporary)->WriteBuffer(text.data(), text.size());
        changes.Commit(temporary, folder + name);
    }
};
} // namespace

TEST(FileChanges, UndoPutsBackWhatStoodBefore)
{
    EarlierFiles earlier;
    const auto before = FolderContents(earlier.folder);
    FileChanges changes;
    ASSERT_TRUE(changes.CreateFolders(earlier.folder + "new\\deeper"));
    earlier.Replace(changes, "locked.txt", "new");
    earlier.Replace(changes, "new\\deeper\\added.txt", "new");
    std::string unfinished;
    changes.CreateTemporary(earlier.folder + "kept.txt", unfinished);
    changes.NewFile(earlier.folder + "kept.txt");
    WriteFileBytes(earlier.folder + "kept.txt", Bytes("new"));
    EXPECT_NE(FolderContents(earlier.folder), before);
    changes.Undo();
    EXPECT_EQ(FolderContents(earlier.folder), before);
}

TEST(FileChanges, KeepLeavesOnlyTheNewFilesAndUndoesOnlyWhatItWasGiven)
{
    EarlierFiles earlier;
    {
        FileChanges changes;
        earlier.Replace(changes, "locked.txt", "new");
        earlier.Replace(changes, "added.txt", "new");
        changes.Keep();
    } // kept: nothing is undone at the end
    const std::map<std::string, std::string> kept{{"added.txt", "new"}, {"kept.txt", "old kept"}, {"locked.txt", "new"}};
    EXPECT_EQ(FolderContents(earlier.folder), kept);

    // A target held open without sharing cannot be set aside: the commit fails with
    // the system's reason and changes nothing.
    const auto before = FolderContents(earlier.folder);
    FileHandle held(CreateFileW(ToWide(earlier.folder + "kept.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                nullptr));
    FileChanges changes;
    std::string temporary;
    changes.CreateTemporary(earlier.folder + "kept.txt", temporary);
    try {
        changes.Commit(temporary, earlier.folder + "kept.txt");
        ADD_FAILURE() << "no exception";
    } catch (const SystemException& error) {
        EXPECT_EQ(error.Code(), static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
    }
    held.Reset();
    changes.Undo();
    EXPECT_EQ(FolderContents(earlier.folder), before);
}

TEST(SystemErrorText, IsTheSystemsSentenceWithoutLineBreak)
{
    const std::string text = SystemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_NE(SystemErrorText(ERROR_ACCESS_DENIED), text);
    EXPECT_EQ(SystemErrorText(HRESULT_FROM_WIN32(ERROR_DISK_FULL)), SystemErrorText(ERROR_DISK_FULL));
    EXPECT_EQ(FailureText("Tavio.exe", SystemException("ignored", ERROR_DISK_FULL)),
              "Tavio.exe: " + SystemErrorText(ERROR_DISK_FULL) + ".");
    EXPECT_EQ(FailureText("Tavio.exe", Exception("data error")), "Tavio.exe: data error.");
    // Codes the system has no sentence for: decimal, or as an HRESULT in hex.
    EXPECT_EQ(SystemErrorText(0xE0A1B2C3), "System error 0xE0A1B2C3");
    EXPECT_EQ(SystemErrorText(0x0000FFF0), "System error 65520");
}

TEST(RawResource, MissingResourceRaises)
{
    EXPECT_THROW(RawResource(GetModuleHandleW(nullptr), "NOPE"), Exception);
}

// Where the installer takes libraries and programs from, and the folder it loads the
// archive library from.
TEST(SystemFolder, LibrariesAndProgramsComeFromItByFullPath)
{
    wchar_t system[MAX_PATH];
    const std::string folder = ToUtf8({system, GetSystemDirectoryW(system, MAX_PATH)});
    EXPECT_EQ(SystemFile("regsvr32.exe"), folder + "\\regsvr32.exe");
    EXPECT_TRUE(FileExists(SystemFile("regsvr32.exe")));

    const ModuleHandle version = LoadSystemLibrary(L"version.dll");
    ASSERT_TRUE(version);
    EXPECT_EQ(ModuleFileName(version.Get()), folder + "\\version.dll");
    EXPECT_FALSE(LoadSystemLibrary(L"no-such-library.dll"));
}

TEST(PrivateFolder, IsNewEachTimeAndGoesWithWhatWasWritten)
{
    PrivateFolder first = PrivateFolder::Create(), second = PrivateFolder::Create();
    // Elevated (as every process under Wine is), where the person cannot rename it.
    wchar_t temporary[MAX_PATH], windows[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    GetSystemWindowsDirectoryW(windows, MAX_PATH);
    const std::string parent = ProcessElevation() == Elevation::Full ? ToUtf8(windows) + "\\Temp\\" : ToUtf8(temporary);
    EXPECT_EQ(PrivateFolder::Parent(), parent);
    EXPECT_EQ(first.Path().rfind(parent + "Tavio-", 0), 0u) << first.Path();
    // Held: nobody, this process included, renames it away while it is in use.
    const std::wstring held = ToWide(first.Path().substr(0, first.Path().size() - 1));
    EXPECT_FALSE(MoveFileW(held.c_str(), (held + L"-away").c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_NE(first.Path(), second.Path());
    const std::string file = first.Write("7z.dll", Bytes("library"));
    EXPECT_EQ(file, first.Path() + "7z.dll");
    EXPECT_TRUE(FileExists(file));

    const std::string folder = first.Path();
    second = std::move(first); // the folder it held goes; the moved one now owns first's
    EXPECT_FALSE(first);
    EXPECT_TRUE(FileExists(file));
    second.Remove();
    EXPECT_FALSE(DirectoryExists(folder));
}

TEST(DesktopUser, StartsWithTheShellsTokenOrSaysWhatWasMissing)
{
    TempFolder temp;
    const std::string marker = temp.Path() + "started.txt";
    const std::string command = "/c echo started>\"" + marker + "\"";
    // No shell window: Wine's desktop registers none. Then a window of this test
    // stands in for the shell, and the program starts with this process's token.
    HWND shell = nullptr;
    if (!GetShellWindow()) {
        EXPECT_EQ(StartAsDesktopUser(SystemFile("cmd.exe"), command, temp.Path(), SW_HIDE), "no shell window");
        using SetShellWindowProc = BOOL(WINAPI*)(HWND);
        const auto setShell = BindEntry<SetShellWindowProc>(GetModuleHandleW(L"user32.dll"), "SetShellWindow");
        ASSERT_NE(setShell, nullptr);
        shell = CreateWindowExW(0, L"STATIC", L"shell", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(setShell(shell));
    }
    EXPECT_EQ(StartAsDesktopUser(SystemFile("cmd.exe"), command, temp.Path(), SW_HIDE), "");
    for (int i = 0; i < 500 && !FileExists(marker); ++i) Sleep(10);
    EXPECT_TRUE(FileExists(marker));
    EXPECT_EQ(StartAsDesktopUser(temp.Path() + "missing.exe", "", temp.Path(), SW_HIDE)
                  .rfind("CreateProcessWithTokenW: ", 0),
              0u);
    if (shell) DestroyWindow(shell);
}
