#include <gtest/gtest.h>

#include <shlobj.h>

#include "TestSupport.h"
#include "base/Exception.h"
#include "base/FileChanges.h"
#include "base/FileSystem.h"
#include "base/Resources.h"
#include "base/SpecialFolder.h"
#include "base/SystemError.h"
#include "base/ZlibStream.h"
#include "base/WinStrings.h"
#include "install/DefaultFolder.h"
#include "install/Product.h"
#include "install/RunMode.h"
#include "pages/PayloadStaging.h"
#include "pages/TForm1.h"
#include "pages/TForm2.h"
#include "skinctrls/PngImageView.h"
#include "skinctrls/SkinCheckRadioBox.h"
#include "skinctrls/SkinLinkLabel.h"

namespace {

std::string ResourceText(const char* name)
{
    const auto bytes = RawResource(GetModuleHandleW(nullptr), name);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The library as staging writes it: the resource inflated.
std::string LibraryText()
{
    const auto bytes = InflateAll(RawResource(GetModuleHandleW(nullptr), "F7z"));
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

BOOL CALLBACK CountProgressPages(HWND window, LPARAM count)
{
    if (dynamic_cast<TForm2*>(Page::FromHandle(window))) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// An earlier install as its Programs-list entry names it, for the length of a test.
struct EarlierEntry {
    EarlierEntry(const std::string& folder, const std::string& version)
    {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, ToWide(product::UninstallKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr);
        for (const auto& [name, value] : {std::pair{L"InstallLocation", folder}, {L"DisplayVersion", version}}) {
            const std::wstring data = ToWide(value);
            RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
        }
        RegCloseKey(key);
    }
    ~EarlierEntry() { RegDeleteKeyW(HKEY_CURRENT_USER, ToWide(product::UninstallKey).c_str()); }
};

struct LaunchTest : ::testing::Test {
    ApplicationSession session;
    TempFolder temp;
    TForm1& form1 = Application::Instance().CreatePage<TForm1>();
};

} // namespace

TEST_F(LaunchTest, OptionsPageStartsWithDefaultFolderAndEveryBoxChecked)
{
    EXPECT_EQ(form1.Width(), 588);
    EXPECT_EQ(form1.Height(), 400);
    EXPECT_EQ(form1.Edit1->Text(), SpecialFolderPath(CSIDL_PROGRAM_FILES) + "Tavio\\");
    EXPECT_EQ(form1.Edit1->Text(), "C:\\Program Files\\Tavio\\");
    EXPECT_EQ(form1.Image2->Left(), 196);
    EXPECT_EQ(form1.Image2->Width(), 197);
    EXPECT_EQ(form1.Edit1->Left(), 176);
    EXPECT_EQ(form1.Edit1->Width(), 237);
    EXPECT_EQ(form1.ImageClose->Left(), 573);
    EXPECT_EQ(form1.ImageMin->Left(), 558);
    EXPECT_FALSE(IsWindowEnabled(form1.Edit1->Handle()));
    EXPECT_EQ(form1.ImageClose->Top(), 5);
    EXPECT_EQ(form1.ImageMin->Width(), 10);
    EXPECT_EQ(form1.ImageMin->Height(), 2);
    EXPECT_EQ(form1.Button1->Top(), form1.Edit1->Top());
    for (const TbsSkinCheckRadioBox* box : {form1.bsSkinCheckRadioBox1, form1.bsSkinCheckRadioBox2,
                                            form1.bsSkinCheckRadioBox3, form1.bsSkinCheckRadioBox4}) {
        EXPECT_TRUE(box->Checked());
        EXPECT_NE(box->SkinControlIndex, -1); // painted by the page's own skin
    }
    EXPECT_EQ(form1.bsPngImageView1->ImageIndex(), 0);
    EXPECT_EQ(form1.ProgressPage(), nullptr); // an interactive start waits for the click
}

TEST_F(LaunchTest, ClickStagesPayloadAndArmsTheProgressPage)
{
    const std::string folder = temp.Path() + "Apps\\塔维欧"; // two missing levels, no trailing "\"
    form1.Edit1->SetText(folder);
    form1.Show();
    form1.Image2->Perform(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    form1.Image2->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));

    EXPECT_EQ(ReadFileText(folder + "\\Tavio.7z"), ResourceText("F1"));
    EXPECT_EQ(ReadFileText(folder + "\\7z.dll"), LibraryText());
    TForm2* form2 = form1.ProgressPage();
    ASSERT_NE(form2, nullptr);
    // The library is loaded from a folder of the run's own, not from the install folder.
    const std::string privateFolder = form2->Install.Library.Path();
    EXPECT_EQ(privateFolder.rfind(PrivateFolder::Parent() + "Tavio-", 0), 0u) << privateFolder;
    EXPECT_EQ(ReadFileText(privateFolder + "7z.dll"), LibraryText());
    EXPECT_TRUE(form2->Visible());
    EXPECT_FALSE(form1.Visible());
    EXPECT_EQ(form2->Install.Settings.InstallFolder, folder + "\\");
    EXPECT_EQ(form2->Install.Settings.DesktopShortcut, "1");
    EXPECT_EQ(form2->Install.Settings.QuickLaunchShortcut, "1");
    EXPECT_EQ(form2->Install.Settings.StartAtLogon, "1");
    EXPECT_TRUE(form2->TimerStartDownload->Enabled());
    EXPECT_EQ(form2->TimerStartDownload->Interval(), 100u);
    EXPECT_TRUE(session.Messages.empty());
}

// A reader's two presses, or a held Enter, queued before the first is handled: the
// second reaches a page that has launched its install already, and launches nothing.
TEST_F(LaunchTest, TwoQueuedPressesLaunchOneInstall)
{
    form1.Edit1->SetText(temp.Path() + "Tavio");
    form1.Show();
    form1.PressLater(*form1.Image2);
    form1.PressLater(*form1.Image2);
    Application::Instance().ProcessMessages();
    int progressPages = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountProgressPages, reinterpret_cast<LPARAM>(&progressPages));
    EXPECT_EQ(progressPages, 1);
}

TEST_F(LaunchTest, TrailingBackslashIsKeptSingleAndExistingFilesAreReplaced)
{
    const std::string folder = temp.Path() + "Tavio\\";
    ASSERT_TRUE(CreateFolderTree(folder));
    const std::string longer(5000, 'x');
    WriteFileBytes(folder + "Tavio.7z", std::as_bytes(std::span(longer)));
    WriteFileBytes(folder + "7z.dll", std::as_bytes(std::span(longer)));
    form1.Edit1->SetText(folder);
    form1.Image2Click();
    EXPECT_EQ(ReadFileText(folder + "Tavio.7z"), ResourceText("F1"));
    EXPECT_EQ(ReadFileText(folder + "7z.dll"), LibraryText());
    ASSERT_NE(form1.ProgressPage(), nullptr);
    EXPECT_EQ(form1.ProgressPage()->Install.Settings.InstallFolder, folder);
}

TEST_F(LaunchTest, FlagsFollowTheOptionBoxesAndTheAgreementBoxIsIgnored)
{
    form1.Edit1->SetText(temp.Path() + "T");
    form1.bsSkinCheckRadioBox1->SetChecked(false); // the agreement changes nothing
    form1.bsSkinCheckRadioBox2->SetChecked(false);
    form1.bsSkinCheckRadioBox3->SetChecked(true);
    form1.bsSkinCheckRadioBox4->SetChecked(false);
    form1.Image2Click();
    ASSERT_NE(form1.ProgressPage(), nullptr);
    const InstallSettings& s = form1.ProgressPage()->Install.Settings;
    EXPECT_EQ(s.DesktopShortcut, "0");
    EXPECT_EQ(s.QuickLaunchShortcut, "1");
    EXPECT_EQ(s.StartAtLogon, "0");
}

TEST_F(LaunchTest, UncreatableFolderShowsTheSystemTextAndChangesNothing)
{
    WriteFileBytes(temp.Path() + "blocker", std::as_bytes(std::span(std::string_view("x"))));
    const std::string folder = temp.Path() + "blocker\\Tavio\\";
    // What the system says when a level of the folder cannot be made.
    CreateDirectoryW(ToWide(temp.Path() + "blocker").c_str(), nullptr);
    const std::string expected = SystemErrorText(GetLastError());

    form1.Show();
    form1.Edit1->SetText(folder);
    form1.Image2Click();
    ASSERT_EQ(session.Messages.size(), 1u);
    EXPECT_EQ(session.Messages[0].Text, expected);
    EXPECT_EQ(session.Messages[0].Caption, "塔维欧安装向导");
    EXPECT_EQ(session.Messages[0].Flags, static_cast<unsigned>(MB_OK));
    EXPECT_EQ(form1.ProgressPage(), nullptr);
    EXPECT_TRUE(form1.Visible());
    EXPECT_EQ(form1.Edit1->Text(), folder);
    EXPECT_FALSE(PathExists(folder));
    // An interactive run waits for another choice instead of ending.
    Application::Instance().ProcessMessages();
    EXPECT_FALSE(Application::Instance().Terminated());
}

// The folder rule holds for the page's folder too: the person reads why, the folder
// stays as typed, and nothing is written.
TEST_F(LaunchTest, RefusedFolderIsShownAndKeptAndNothingIsWritten)
{
    form1.Show();
    for (const char* folder : {R"(C:\)", R"(C:\Windows)", R"(C:\Program Files\)", "D:", "Tavio", R"(\\.\pipe\x)"}) {
        session.Messages.clear();
        form1.Edit1->SetText(folder);
        form1.Image2Click();
        ASSERT_EQ(session.Messages.size(), 1u) << folder;
        EXPECT_EQ(session.Messages[0].Text, CheckInstallFolder(folder).Error) << folder;
        EXPECT_EQ(form1.Edit1->Text(), folder);
        EXPECT_EQ(form1.ProgressPage(), nullptr) << folder;
    }
    EXPECT_FALSE(PathExists(R"(C:\Tavio.7z)"));
    EXPECT_FALSE(PathExists(R"(C:\Windows\Tavio.7z)"));
    EXPECT_FALSE(Application::Instance().Terminated());
}

TEST_F(LaunchTest, TheToggleExpandsAndCollapsesKeepingTheBottomRowDown)
{
    struct Step {
        bool Click;    // else a hover
        int Height, Index;
    } steps[] = {{false, 400, 1}, {true, 550, 2}, {false, 550, 3}, {true, 400, 0}, {true, 550, 2}};
    for (const Step& step : steps) {
        if (step.Click) form1.bsPngImageView1Click();
        else form1.bsPngImageView1MouseEnter();
        EXPECT_EQ(form1.Height(), step.Height);
        EXPECT_EQ(form1.bsPngImageView1->ImageIndex(), step.Index);
        if (!step.Click) continue; // a hover moves nothing
        EXPECT_EQ(form1.bsSkinCheckRadioBox1->Top(), step.Height - 30);
        EXPECT_EQ(form1.bsSkinLinkLabel1->Top(), step.Height - 25);
        EXPECT_EQ(form1.bsPngImageView1->Top(), step.Height - 25);
        EXPECT_EQ(form1.bsSkinLinkLabel2->Top(), step.Height - 25);
    }
    EXPECT_EQ(form1.Edit1->Top(), 400); // revealed by the height alone
}

TEST_F(LaunchTest, BrowsingSetsTheFolderBelowTheChoice)
{
    struct Case {
        bool Chosen;
        std::string Folder, Expected;
    } cases[] = {
        {true, "D:\\Apps", "D:\\Apps\\Tavio\\"},
        {true, "D:\\", "D:\\Tavio\\"},
        {true, "D:\\Фильмы 电影", "D:\\Фильмы 电影\\Tavio\\"}, // beyond any one code page
        {false, "E:\\Ignored", "D:\\Фильмы 电影\\Tavio\\"},       // cancelled: unchanged
    };
    std::string title;
    for (const Case& c : cases) {
        form1.PickFolder = [&](std::string_view t, std::string& folder) {
            title = t;
            folder = c.Folder;
            return c.Chosen;
        };
        form1.Button1Click();
        EXPECT_EQ(form1.Edit1->Text(), c.Expected);
    }
    EXPECT_EQ(title, "指定目录");
}

TEST_F(LaunchTest, CloseMarkEndsWithNothingWritten)
{
    form1.ImageCloseClick();
    Application::Instance().ProcessMessages();
    EXPECT_TRUE(Application::Instance().Terminated());
    EXPECT_EQ(form1.ProgressPage(), nullptr);
}

// The page offers the folder of the install the Programs list names, while its
// uninstaller is there; it replaces a newer one only when the person says so.
TEST(EarlierInstall, ThePageOffersItsFolderAndAsksBeforeANewerOneIsReplaced)
{
    for (const int answer : {IDNO, IDYES}) {
        ApplicationSession session(answer);
        TempFolder temp;
        const std::string folder = temp.Path() + "Apps\\Tavio\\";
        ASSERT_TRUE(CreateFolderTree(folder));
        {
            EarlierEntry gone(folder, "2.4.0.1"); // an entry whose uninstaller is gone is no install
            EXPECT_EQ(Application::Instance().CreatePage<TForm1>().Edit1->Text(), "C:\\Program Files\\Tavio\\");
        }
        WriteFileBytes(folder + "UnInstall.exe", std::as_bytes(std::span(std::string_view("MZ"))));
        EarlierEntry entry(folder, "10.0.0.1");
        TForm1& form1 = Application::Instance().CreatePage<TForm1>();
        EXPECT_EQ(form1.Edit1->Text(), folder);
        form1.Show();
        form1.Image2Click();
        ASSERT_EQ(session.Messages.size(), 1u) << answer;
        EXPECT_NE(session.Messages[0].Text.find("10.0.0.1"), std::string::npos) << session.Messages[0].Text;
        EXPECT_NE(session.Messages[0].Text.find("2.5.0.1024"), std::string::npos) << session.Messages[0].Text;
        EXPECT_EQ(session.Messages[0].Flags & MB_DEFBUTTON2, unsigned(MB_DEFBUTTON2)); // No, unless chosen
        EXPECT_EQ(PathExists(folder + "Tavio.7z"), answer == IDYES);
        ASSERT_EQ(form1.ProgressPage() != nullptr, answer == IDYES);
        if (answer == IDYES) {
            EXPECT_EQ(form1.ProgressPage()->Install.Settings.EarlierFolder, folder);
        }
    }
}

TEST(PayloadStaging, MissingResourcesWriteNothingAndRaiseNothing)
{
    TempFolder temp;
    FileChanges changes;
    PrivateFolder library;
    EXPECT_NO_THROW(StagePayload(temp.Path(), GetModuleHandleW(L"kernel32.dll"), changes, library));
    EXPECT_FALSE(library);
    EXPECT_FALSE(PathExists(temp.Path() + "Tavio.7z"));
    EXPECT_FALSE(PathExists(temp.Path() + "7z.dll"));
}

TEST(PayloadStaging, UnwritableArchiveIsNamedAndSkipsTheLibrary)
{
    TempFolder temp;
    ASSERT_TRUE(CreateFolderTree(temp.Path() + "Tavio.7z\\")); // a folder where the file should go
    FileChanges changes;
    PrivateFolder library;
    std::string message;
    try {
        StagePayload(temp.Path(), GetModuleHandleW(nullptr), changes, library);
    } catch (const Exception& error) {
        message = error.Message();
    }
    EXPECT_EQ(message.rfind("Tavio.7z: ", 0), 0u) << message;
    EXPECT_FALSE(PathExists(temp.Path() + "7z.dll"));
}

TEST_F(LaunchTest, FailedStagingIsShownAndLeavesNothingWritten)
{
    const std::string folder = temp.Path() + "Tavio\\";
    ASSERT_TRUE(CreateFolderTree(folder + "7z.dll")); // the archive goes in, the library cannot
    form1.Edit1->SetText(folder);
    form1.Image2Click();
    ASSERT_EQ(session.Messages.size(), 1u);
    EXPECT_EQ(session.Messages[0].Text.rfind("7z.dll: ", 0), 0u) << session.Messages[0].Text;
    EXPECT_EQ(session.Messages[0].CloseAfterMs, 0u); // a person is there to read it
    EXPECT_EQ(form1.ProgressPage(), nullptr);
    EXPECT_FALSE(PathExists(folder + "Tavio.7z"));
    EXPECT_EQ(Application::Instance().ExitCode(), 0); // nothing written: the person may try again
}

TEST(ProgressPage, IsLaidOutAtCreation)
{
    ApplicationSession session;
    TForm2& form2 = Application::Instance().CreatePage<TForm2>();
    EXPECT_EQ(form2.Width(), 588);
    EXPECT_EQ(form2.Height(), 358);
    EXPECT_EQ(form2.ImageClose->Left(), 573);
    EXPECT_EQ(form2.ImageMin->Left(), 548);
    EXPECT_EQ(form2.Label1->Left(), 88);
    EXPECT_EQ(form2.Label1->Top(), 320);
    EXPECT_FALSE(form2.TimerStartDownload->Enabled());
    EXPECT_EQ(form2.Label1->Caption(), "");
}

TEST(ProgressPage, MissingArchiveIsReportedAndEndsTheRun)
{
    ApplicationSession session;
    TempFolder temp;
    TForm2& form2 = Application::Instance().CreatePage<TForm2>();
    form2.Install.Settings.InstallFolder = temp.Path();
    form2.TimerStartDownload->SetEnabled(true);
    form2.TimerStartDownloadTimer();
    EXPECT_FALSE(form2.TimerStartDownload->Enabled());
    EXPECT_EQ(form2.Label1->Caption(), "...");
    ASSERT_EQ(session.Messages.size(), 1u);
    EXPECT_EQ(session.Messages[0].Text,
              "安装包有误，找不到离线文件，建议去官方网站( https://www.tavio.cn/ )下载安装包");
    EXPECT_EQ(session.Messages[0].Caption, "塔维欧安装向导");
    EXPECT_EQ(Application::Instance().ExitCode(), 3);
    Application::Instance().ProcessMessages();
    EXPECT_TRUE(Application::Instance().Terminated());
}

TEST(ProgressPage, CloseAsksFirstAndOnlyYesEnds)
{
    {
        ApplicationSession session(IDNO);
        TForm2& form2 = Application::Instance().CreatePage<TForm2>();
        form2.Show();
        form2.TimerStartDownload->SetEnabled(true); // armed by the launch
        form2.ImageClose11Click();
        ASSERT_EQ(session.Messages.size(), 1u);
        EXPECT_EQ(session.Messages[0].Text, "正在安装塔维欧播放器，确定要退出吗？");
        EXPECT_EQ(session.Messages[0].Caption, "警告");
        EXPECT_EQ(session.Messages[0].Flags, 52u);
        EXPECT_TRUE(form2.TimerStartDownload->Enabled()); // the install still starts
        Application::Instance().ProcessMessages();
        EXPECT_FALSE(Application::Instance().Terminated());
    }
    ApplicationSession session(IDYES);
    TForm2& form2 = Application::Instance().CreatePage<TForm2>();
    form2.Show();
    form2.ImageClose11Click();
    Application::Instance().ProcessMessages();
    EXPECT_TRUE(Application::Instance().Terminated());
}

// Run by the entry that starts this program with "/s": the launch happens inside the
// options page's creation, before any message loop, with the defaults.
TEST(SilentStart, LaunchesBeforeTheMessageLoopWithTheDefaults)
{
    if (!IsSilentMode()) GTEST_SKIP() << "needs the /s command line";
    ApplicationSession session;
    const std::string folder = SpecialFolderPath(CSIDL_PROGRAM_FILES) + "Tavio\\";
    TForm1& form1 = Application::Instance().CreatePage<TForm1>();
    TForm2* form2 = form1.ProgressPage();
    ASSERT_NE(form2, nullptr);
    EXPECT_FALSE(form1.Visible());
    EXPECT_FALSE(form2->Visible());
    EXPECT_EQ(form2->Install.Settings.InstallFolder, folder);
    EXPECT_EQ(form2->Install.Settings.DesktopShortcut, "1");
    EXPECT_EQ(form2->Install.Settings.QuickLaunchShortcut, "1");
    EXPECT_EQ(form2->Install.Settings.StartAtLogon, "1");
    EXPECT_TRUE(form2->TimerStartDownload->Enabled());
    EXPECT_TRUE(PathExists(folder + "Tavio.7z"));
    DeleteFileW(ToWide(folder + "Tavio.7z").c_str());
    DeleteFileW(ToWide(folder + "7z.dll").c_str());
    RemoveDirectoryW(ToWide(folder).c_str());
}
