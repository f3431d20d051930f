// The install sequence, run once by the progress page's start timer.
#include "install/ExitCodes.h"
#include "install/FailureReport.h"
#include "install/Product.h"
#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/FileSystem.h"
#include "framework/SystemError.h"
#include "framework/WinStrings.h"
#include "install/ProcessShutdown.h"
#include "install/Registry.h"
#include "install/Shortcuts.h"
#include "pages/TForm2.h"
#include "pages/TForm3.h"
#include "sevenzip/I7zReader.h"

#include <shlobj.h>

namespace {
constexpr wchar_t PayloadPassword[] = L"qwrtnxb$$";
constexpr uint32_t PaintEveryMs = 50;
} // namespace

void TForm2::TimerStartDownloadTimer()
{
    TimerStartDownload->SetEnabled(false);
    Label1->SetCaption("...");
    try {
        RunInstall();
    } catch (const std::exception& error) {
        ReportFailure(error.what(), exitcode::Stopped, MB_OK | MB_ICONERROR);
    }
}

void TForm2::RunInstall()
{
    Application& application = Application::Instance();
    const std::string& folder = Settings.InstallFolder;
    const std::string archive = folder + product::ArchiveFileName;
    if (!FileExists(archive)) {
        Staged.Keep(); // the folder stays as the launch left it
        ReportFailure(std::string("安装包有误，找不到离线文件，建议去官方网站( ") + product::HomePageUrl + " )下载安装包",
                      exitcode::Archive, MB_OK);
        application.Terminate();
        return;
    }
    RunShutdownPasses([this] { Label1->SetCaption("正在关闭塔维欧播放器主程序..."); },
                      [this] { return Do.KillProcesses(ProcessShutdownList); }, Do.Wait);
    Do.Wait(3000);
    Label1->SetCaption("正在释放文件...");
    application.ProcessMessages();
    try {
        if (!ExtractPayload(archive, folder)) {
            const DWORD error = GetLastError();
            throw Exception(FailureText(product::ArchiveFileName, SystemException(SystemErrorText(error), error)));
        }
    } catch (const std::exception& error) {
        // The reader has put back what it changed and let go of the archive and the
        // library: the staged files and the folders the launch made can go too.
        Staged.Undo();
        ReportFailure(error.what(), exitcode::Archive, MB_OK | MB_ICONERROR);
        return;
    }
    Label1->SetCaption("完成:100% .");
    DeleteFileW(ToWide(archive).c_str());
    Staged.Keep();
    CreateShortcuts(Settings);
    CreateShortcutAt(folder + "UnInstall.exe", CSIDL_PROGRAMS, "塔维欧\\卸载塔维欧");
    if (IsOn(Settings.StartAtLogon)) SetRunAtLogon(folder + "tavio.exe", " Minimize ", true);
    WriteUninstallEntry(folder + "UnInstall.exe", folder + "tavio.exe");

    TForm3& finish = application.CreatePage<TForm3>();
    finishPage_ = &finish;
    finish.InstallFolder = folder;
    finish.SetTop(Top());
    finish.SetLeft(Left());
    finish.Show();
    Hide();
}

bool TForm2::ExtractPayload(const std::string& archive, const std::string& folder)
{
    if (!FileExists(archive)) return false;
    ComPtr<I7zReader> reader = CreateArchiveReader(sevenzip::FormatId7z, folder + product::LibraryFileName);
    reader->SetArchivePassword(PayloadPassword);
    reader->SetProgressHandler(this, OnExtractProgress);
    reader->OpenArchiveFile(archive);
    if (!CreateFolderTree(folder)) return false;
    reader->ExtractToFolder(folder);
    return true;
}

HRESULT TForm2::OnExtractProgress(void* sender, BOOL isTotal, int64_t value)
{
    auto* page = static_cast<TForm2*>(sender);
    page->Do.DebugLine(ProgressLine(isTotal != FALSE, value));
    page->ShowProgress(isTotal != FALSE, value);
    return S_OK;
}

void TForm2::ShowProgress(bool isTotal, int64_t value)
{
    if (isTotal) ProgressBar1->SetMax(scale_.SetTotal(value));
    else ProgressBar1->SetPosition(scale_.Position(value));
    // The extraction holds the thread: let pending paints (only those) through now and
    // then, so the page keeps drawing and the system never calls it unresponsive.
    const auto now = static_cast<uint32_t>(GetTickCount());
    if (now - lastPaint_ < PaintEveryMs) return;
    lastPaint_ = now;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}
