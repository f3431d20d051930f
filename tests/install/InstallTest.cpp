#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Exception.h"
#include "framework/FileSystem.h"
#include "install/ProcessShutdown.h"
#include "install/Registry.h"
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
        STARTUPINFOW startup{sizeof startup};
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
        form2.Install.Settings = {"0", "0", "0", temp.Path()};
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
    form2.TimerStartDownloadTimer();
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
