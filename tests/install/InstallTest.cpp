#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "TestSupport.h"
#include "base/Exception.h"
#include "base/FileBytes.h"
#include "base/FileSystem.h"
#include "base/PrivateFolder.h"
#include "install/ProcessShutdown.h"
#include "install/Registry.h"
#include "install/Shortcuts.h"
#include "pages/TForm2.h"
#include "pages/TForm3.h"

namespace {

std::string WinPath(std::string path)
{
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// A copy of the stand-in player under another name, started and watched.
struct RunningCopy {
    PROCESS_INFORMATION info{};
    RunningCopy(const std::string& folder, const std::string& name)
    {
        const std::string path = folder + name;
        CopyFileW(ToWide(WinPath(TEST_PLAYER)).c_str(), ToWide(path).c_str(), FALSE);
        std::wstring line = L"\"" + ToWide(path) + L"\" Minimize";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        EXPECT_TRUE(CreateProcessW(ToWide(path).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &info))
            << name;
        WaitForInputIdle(info.hProcess, 5000);
    }
    ~RunningCopy()
    {
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    bool Ended() const { return WaitForSingleObject(info.hProcess, 5000) == WAIT_OBJECT_0; }
    bool StillRunning() const { return WaitForSingleObject(info.hProcess, 300) == WAIT_TIMEOUT; }
};

} // namespace

TEST(ProcessShutdown, StopsMatchingNamesInAnyCaseAndLeavesOthers)
{
    TempFolder temp;
    RunningCopy upper(temp.Path(), "TAVIO.EXE");
    RunningCopy notes(temp.Path(), "MirelNotes.exe");
    RunningCopy inside(temp.Path(), "mytavio.exe");
    RunningCopy bare(temp.Path(), "tavio");
    RunningCopy other(temp.Path(), "viewer.exe");
    EXPECT_TRUE(KillRunningProcesses(ProcessShutdownList));
    EXPECT_TRUE(upper.Ended());
    EXPECT_TRUE(notes.Ended());
    EXPECT_TRUE(inside.Ended());
    EXPECT_TRUE(bare.StillRunning());
    EXPECT_TRUE(other.StillRunning());
    EXPECT_FALSE(KillRunningProcesses(ProcessShutdownList)); // nothing left to stop
}

TEST(ProcessShutdown, TwoCopiesGoInOnePass)
{
    TempFolder one, two;
    RunningCopy first(one.Path(), "tavio.exe");
    RunningCopy second(two.Path(), "tavio.exe");
    EXPECT_TRUE(KillRunningProcesses("tavio.exe"));
    EXPECT_TRUE(first.Ended());
    EXPECT_TRUE(second.Ended());
}

// A shortcut made is listed at once: a later failure (here the programs-menu folder,
// with a file in its place) cannot leave it unlisted, and the failure keeps the
// system's code and names the folder.
TEST(Shortcuts, EachIsReportedAsMadeAndAFailureKeepsTheSystemCode)
{
    TempFolder temp;
    const std::string desktop = temp.Path() + "Desktop", programs = temp.Path() + "Programs";
    ASSERT_TRUE(CreateFolderTree(desktop));
    ASSERT_TRUE(CreateFolderTree(programs));
    WriteFileBytes(programs + "\\塔维欧", std::as_bytes(std::span(std::string_view("in the way"))));
    std::vector<std::string> made;
    try {
        CreateShortcuts({"1", "1", "0", temp.Path(), {}}, {temp.Path(), desktop, "", programs},
                        [&](InstallManifest::Kind, const std::string& path) { made.push_back(path); });
        ADD_FAILURE() << "the programs-menu folder was made";
    } catch (const SystemException& error) {
        EXPECT_EQ(error.Code(), static_cast<unsigned long>(ERROR_ALREADY_EXISTS));
        EXPECT_EQ(std::string(error.what()).rfind(programs + "\\塔维欧: ", 0), 0u) << error.what();
    }
    ASSERT_EQ(made, std::vector<std::string>{desktop + "\\塔维欧.lnk"}); // no AppData: no quick launch
    EXPECT_EQ(ShortcutTarget(made[0]), temp.Path() + "Tavio.exe");
    EXPECT_EQ(ShortcutTarget(temp.Path() + "none.lnk"), std::nullopt);
}

TEST(Registry, RunValueAndUninstallEntry)
{
    const std::string exe = "C:\\Program Files\\Tavio\\tavio.exe";
    ASSERT_TRUE(SetRunAtLogon(exe, " Minimize ", true));
    wchar_t data[512] = {};
    DWORD size = sizeof data;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, ToWide(RunKey).c_str(), L"tavio", RRF_RT_REG_SZ, nullptr, data, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(ToUtf8(data), "\"C:\\Program Files\\Tavio\\tavio.exe\"  Minimize ");
    ASSERT_TRUE(SetRunAtLogon(exe, "", false));
    EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, ToWide(RunKey).c_str(), L"tavio", RRF_RT_REG_SZ, nullptr, data, &size),
              ERROR_SUCCESS);

    const InstallFacts facts{"C:\\Tavio\\", 3 * 1024 * 1024 + 1, "20261209"};
    ASSERT_TRUE(WriteUninstallEntry("C:\\Tavio\\UnInstall.exe", WinPath(TEST_PLAYER), facts));
    auto value = [](const wchar_t* name) {
        wchar_t text[512] = {};
        DWORD bytes = sizeof text;
        RegGetValueW(HKEY_CURRENT_USER, ToWide(UninstallKey).c_str(), name, RRF_RT_REG_SZ, nullptr, text, &bytes);
        return ToUtf8(text);
    };
    EXPECT_EQ(value(L"DisplayName"), "塔维欧");
    EXPECT_EQ(value(L"UninstallString"), "\"C:\\\\Tavio\\\\UnInstall.exe\"");
    EXPECT_EQ(value(L"DisplayVersion"), "2.5.0.1024");
    // What deployment tools read: the folder as a path, the quiet command like the other.
    EXPECT_EQ(value(L"InstallLocation"), "C:\\Tavio\\");
    EXPECT_EQ(value(L"InstallDate"), "20261209");
    EXPECT_EQ(value(L"QuietUninstallString"), "\"C:\\\\Tavio\\\\UnInstall.exe\" /s");
    auto number = [](const wchar_t* name) {
        DWORD data = 0, bytes = sizeof data;
        RegGetValueW(HKEY_CURRENT_USER, ToWide(UninstallKey).c_str(), name, RRF_RT_REG_DWORD, nullptr, &data, &bytes);
        return data;
    };
    EXPECT_EQ(number(L"EstimatedSize"), 3073u); // KB, rounded up
    EXPECT_EQ(number(L"NoModify"), 1u);
    EXPECT_EQ(number(L"NoRepair"), 1u);
    ASSERT_TRUE(WriteUninstallEntry("C:\\Tavio\\UnInstall.exe", "C:\\Tavio\\missing.exe", facts));
    EXPECT_EQ(value(L"DisplayVersion"), "1.0.0.1");
    RegDeleteKeyW(HKEY_CURRENT_USER, ToWide(UninstallKey).c_str());
}

TEST(Registry, FileVersionOfVersionedAndUnversionedFiles)
{
    EXPECT_EQ(FileVersionString(WinPath(TEST_PLAYER)), "2.5.0.1024");
    EXPECT_THROW(FileVersionString(WinPath(TEST_UNVERSIONED)), Exception);
    EXPECT_THROW(FileVersionString("C:\\no\\such.exe"), Exception);
}

namespace {

struct SequenceTest : ::testing::Test {
    ApplicationSession session;
    TempFolder temp;
    TForm2& form2 = Application::Instance().CreatePage<TForm2>();
    std::vector<uint32_t> waits;
    std::vector<std::string> lines;

    SequenceTest()
    {
        form2.Install.Do.Wait = [this](uint32_t ms) { waits.push_back(ms); };
        form2.Install.Do.DebugLine = [this](const std::string& line) { lines.push_back(line); };
        form2.Install.Settings = {"0", "0", "0", temp.Path(), {}};
    }
};

} // namespace

TEST_F(SequenceTest, PassesAndWaitsBeforeTheExtraction)
{
    // An archive but no library: the sequence stops at the extraction, after its waits.
    WriteFileBytes(temp.Path() + "Tavio.7z", std::as_bytes(std::span(std::string_view("not used"))));
    int passes = 0;
    form2.Install.Do.KillProcesses = [&](std::string_view list) {
        EXPECT_EQ(list, ProcessShutdownList);
        ++passes;
        return true; // something always comes back
    };
    form2.TimerStartDownloadTimer();
    EXPECT_EQ(passes, 21);
    std::vector<uint32_t> expected(21, 1000);
    expected.push_back(3000);
    EXPECT_EQ(waits, expected);
    ASSERT_EQ(session.Messages.size(), 1u);
    EXPECT_EQ(session.Messages[0].Text, "Error loading library 7z.dll");
    EXPECT_EQ(form2.Label1->Caption(), "正在释放文件...");
    EXPECT_EQ(form2.FinishPage(), nullptr);
    EXPECT_TRUE(PathExists(temp.Path() + "Tavio.7z")); // nothing after the failed step ran
}

TEST_F(SequenceTest, QuietMachineMeansOnePassThenTheLongWait)
{
    WriteFileBytes(temp.Path() + "Tavio.7z", std::as_bytes(std::span(std::string_view("x"))));
    form2.Install.Do.KillProcesses = [](std::string_view) { return false; };
    form2.TimerStartDownloadTimer();
    EXPECT_EQ(waits, std::vector<uint32_t>{3000});
}

TEST_F(SequenceTest, FailedExtractionTakesAwayWhatTheLaunchWroteAndEndsWithItsCode)
{
    const std::string folder = temp.Path() + "Tavio\\";
    ASSERT_TRUE(form2.Install.Staged.CreateFolders(folder));
    form2.Install.Staged.NewFile(folder + "Tavio.7z");
    WriteFileBytes(folder + "Tavio.7z", std::as_bytes(std::span(std::string_view("x"))));
    form2.Install.Settings.InstallFolder = folder;
    form2.Install.Library = PrivateFolder::Create();
    const std::string library = form2.Install.Library.Write("7z.dll", std::as_bytes(std::span(std::string_view("x"))));
    form2.Install.Do.KillProcesses = [](std::string_view) { return false; };
    bool quitTakesEffect = true;
    Application::Instance().SetMessageBoxHook(
        [&](const std::string& text, const std::string& caption, unsigned flags, unsigned closeAfterMs) {
            session.Messages.push_back({text, caption, flags, closeAfterMs});
            quitTakesEffect = form2.Install.Cancel(); // the close mark, while the failure is shown
            return IDOK;
        });
    form2.TimerStartDownloadTimer();
    EXPECT_FALSE(quitTakesEffect); // nothing is left to undo: the close mark just ends the program
    EXPECT_EQ(form2.Label1->Caption(), "正在释放文件...");
    ASSERT_EQ(session.Messages.size(), 1u);
    EXPECT_EQ(session.Messages[0].Text, "Error loading library " + library);
    EXPECT_FALSE(PathExists(library.substr(0, library.rfind('\\')))); // the private folder went too
    EXPECT_EQ(session.Messages[0].CloseAfterMs, 0u); // a person is there to close it
    EXPECT_EQ(Application::Instance().ExitCode(), 3);
    EXPECT_FALSE(PathExists(folder));
    EXPECT_EQ(form2.FinishPage(), nullptr);
}

TEST_F(SequenceTest, EachReportIsOneDebugLineAndMovesTheBar)
{
    EXPECT_EQ(InstallSequence::OnExtractProgress(&form2.Install, TRUE, 1000), S_OK);
    EXPECT_EQ(InstallSequence::OnExtractProgress(&form2.Install, FALSE, 250), S_OK);
    EXPECT_EQ(lines, (std::vector<std::string>{"-1 ->1000", "0 ->250"}));
    EXPECT_EQ(form2.ProgressBar1->Max(), 1000);
    EXPECT_EQ(form2.ProgressBar1->Position(), 250);
    InstallSequence::OnExtractProgress(&form2.Install, TRUE, 8'000'000'000LL); // beyond 32 bits: scaled, not cut
    InstallSequence::OnExtractProgress(&form2.Install, FALSE, 4'000'000'000LL);
    EXPECT_GT(form2.ProgressBar1->Max(), 0);
    EXPECT_EQ(form2.ProgressBar1->Position(), form2.ProgressBar1->Max() / 2);
}

TEST_F(SequenceTest, SlideshowRunsOneToFiveThenAgain)
{
    auto shown = [&] {
        Picture* slides[] = {form2.Image1, form2.Image2, form2.Image3, form2.Image4, form2.Image5};
        for (int i = 0; i < 5; ++i)
            if (form2.Image6->Image().Pixel(300, 100) == slides[i]->Image().Pixel(300, 100)) return i + 1;
        return 0;
    };
    std::vector<int> order{shown()};
    for (int tick = 0; tick < 5; ++tick) {
        form2.Timer1Timer();
        order.push_back(shown());
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5, 1}));
    EXPECT_EQ(form2.Timer1->Interval(), 3000u);
    EXPECT_TRUE(form2.Timer1->Enabled());
}

TEST(FinishPage, ChannelTagFileFollowsTheOwnFileName)
{
    ApplicationSession session;
    TempFolder appData;
    SetEnvironmentVariableW(L"APPDATA", ToWide(appData.Path()).c_str());
    const std::string file = appData.Path() + "Tavio\\mirelff.dat";
    ASSERT_TRUE(CreateFolderTree(appData.Path() + "Tavio"));
    WriteFileBytes(file, std::as_bytes(std::span(std::string_view("old"))));
    TForm3& form3 = Application::Instance().CreatePage<TForm3>(); // this program has no "[" in its name
    EXPECT_FALSE(PathExists(file));
    EXPECT_EQ(form3.Width(), 588);
    EXPECT_EQ(form3.Height(), 358);
    EXPECT_EQ(form3.Image2->Left(), 168);
}

namespace {

// Every file under a folder with its bytes: what "left as it was" compares.
std::map<std::wstring, std::vector<std::byte>> Contents(const std::string& folder)
{
    std::map<std::wstring, std::vector<std::byte>> files;
    const std::filesystem::path root(ToWide(folder));
    if (!std::filesystem::exists(root)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        files[entry.path().lexically_relative(root).wstring()] =
            entry.is_directory() ? std::vector<std::byte>{} : ReadFileBytes(ToUtf8(entry.path().wstring()));
    return files;
}

} // namespace

// The person quits at each safe point, on a first install and over an earlier one: the
// sequence stops there, and the folder is as it was before the launch wrote into it.
TEST_F(SequenceTest, QuittingUndoesTheInstallAtEachSafePoint)
{
    enum class When { SecondShutdownWait, LongWait, Extraction };
    const auto bytes = [](std::string_view text) { return std::as_bytes(std::span(text)); };
    const auto payload = ReadFileBytes(WinPath(TEST_PAYLOAD)), library = ReadFileBytes(WinPath(TEST_7Z_DLL));
    Application& application = Application::Instance();
    for (const When when : {When::SecondShutdownWait, When::LongWait, When::Extraction})
        for (const bool upgrade : {false, true}) {
            SCOPED_TRACE(testing::Message() << "point " << static_cast<int>(when) << (upgrade ? ", upgrade" : ""));
            const std::string folder = temp.Path() + "Tavio\\";
            if (upgrade) {
                ASSERT_TRUE(CreateFolderTree(folder + "skins"));
                WriteFileBytes(folder + "Tavio.exe", bytes("the earlier player"));
                WriteFileBytes(folder + "7z.dll", bytes("the earlier library"));
                WriteFileBytes(folder + "skins\\notes.txt", bytes("the person's own"));
            }
            const auto before = Contents(folder);
            // What the launch does.
            TForm2& page = application.CreatePage<TForm2>();
            InstallSequence& install = page.Install;
            install.Settings = {"1", "1", "1", folder, {}};
            ASSERT_TRUE(install.Staged.CreateFolders(folder));
            for (const auto& [name, data] : {std::pair{"Tavio.7z", &payload}, std::pair{"7z.dll", &library}}) {
                install.Staged.NewFile(folder + name);
                WriteFileBytes(folder + name, *data);
            }
            install.Library = PrivateFolder::Create();
            const std::string privateFolder = install.Library.Path();
            install.Library.Write("7z.dll", library);

            int passes = 0;
            std::vector<uint32_t> waited;
            bool progressed = false;
            install.Do.KillProcesses = [&](std::string_view) { return ++passes < 3; };
            install.Do.Wait = [&](uint32_t ms) {
                waited.push_back(ms);
                const bool now =
                    (when == When::SecondShutdownWait && waited.size() == 2) || (when == When::LongWait && ms == 3000);
                if (now) {
                    EXPECT_TRUE(install.Cancel());
                }
            };
            install.Do.DebugLine = [&](const std::string& line) {
                if (when != When::Extraction || progressed || !line.starts_with("0 ->")) return;
                progressed = true;
                EXPECT_TRUE(install.Cancel());
                EXPECT_EQ(page.Label1->Caption(), "正在取消安装...");
            };
            application.SetExitCode(0);
            page.TimerStartDownloadTimer();

            EXPECT_EQ(waited.size(), when == When::SecondShutdownWait ? 2u : 3u); // nothing waits on
            EXPECT_EQ(passes, when == When::SecondShutdownWait ? 2 : 3);
            EXPECT_EQ(progressed, when == When::Extraction);
            EXPECT_EQ(page.Label1->Caption(), "正在取消安装...");
            EXPECT_EQ(application.ExitCode(), 6);
            EXPECT_TRUE(session.Messages.empty()); // quitting is no failure
            EXPECT_EQ(page.FinishPage(), nullptr);
            EXPECT_FALSE(install.Cancel()); // it is over
            EXPECT_FALSE(PathExists(privateFolder));
            EXPECT_EQ(Contents(folder), before);
            EXPECT_EQ(PathExists(folder), upgrade);
            std::filesystem::remove_all(ToWide(folder));
        }
}

TEST_F(SequenceTest, QuittingBeforeTheStartUndoesTheStaging)
{
    const std::string folder = temp.Path() + "Tavio\\";
    ASSERT_TRUE(form2.Install.Staged.CreateFolders(folder));
    form2.Install.Staged.NewFile(folder + "Tavio.7z");
    WriteFileBytes(folder + "Tavio.7z", std::as_bytes(std::span(std::string_view("x"))));
    form2.Install.Do.KillProcesses = [](std::string_view) -> bool { throw std::logic_error("started"); };
    EXPECT_TRUE(form2.Install.Cancel());
    form2.TimerStartDownloadTimer(); // a tick already queued starts nothing
    EXPECT_FALSE(PathExists(folder));
    EXPECT_EQ(Application::Instance().ExitCode(), 6);
    EXPECT_TRUE(session.Messages.empty());
}
