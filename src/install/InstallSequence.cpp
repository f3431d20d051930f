#include "install/InstallSequence.h"

#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/FileSystem.h"
#include "framework/SystemError.h"
#include "framework/WinStrings.h"
#include "install/ExitCodes.h"
#include "install/FailureReport.h"
#include "install/InstallFlow.h"
#include "install/ProcessShutdown.h"
#include "install/Product.h"
#include "install/Registry.h"
#include "install/Shortcuts.h"
#include "sevenzip/I7zReader.h"

#include <shlobj.h>

namespace {
constexpr wchar_t PayloadPassword[] = L"qwrtnxb$$";
} // namespace

InstallSequence::InstallSequence(InstallObserver& observer)
    : Do{KillRunningProcesses, PumpWait, [](const std::string& line) { OutputDebugStringA(line.c_str()); }},
      observer_(observer)
{
}

void InstallSequence::Start()
{
    observer_.StatusChanged("...");
    try {
        Run();
    } catch (const std::exception& error) {
        ReportFailure(error.what(), exitcode::Stopped, MB_OK | MB_ICONERROR);
    }
}

void InstallSequence::Run()
{
    Application& application = Application::Instance();
    const std::string& folder = Settings.InstallFolder;
    const std::string archive = folder + product::ArchiveFileName;
    if (!FileExists(archive)) {
        Staged.Keep(); // the folder stays as the launch left it
        Library.Remove();
        ReportFailure(std::string("安装包有误，找不到离线文件，建议去官方网站( ") + product::HomePageUrl + " )下载安装包",
                      exitcode::Archive, MB_OK);
        application.Terminate();
        return;
    }
    RunShutdownPasses([this] { observer_.StatusChanged("正在关闭塔维欧播放器主程序..."); },
                      [this] { return Do.KillProcesses(ProcessShutdownList); }, Do.Wait);
    Do.Wait(3000);
    observer_.StatusChanged("正在释放文件...");
    application.ProcessMessages();
    try {
        if (!ExtractPayload(archive, folder)) {
            const DWORD error = GetLastError();
            throw Exception(FailureText(product::ArchiveFileName, SystemException(SystemErrorText(error), error)));
        }
    } catch (const std::exception& error) {
        // The reader has put back what it changed and let go of the archive and the
        // library: the staged files and the folders the launch made can go too.
        Library.Remove();
        Staged.Undo();
        ReportFailure(error.what(), exitcode::Archive, MB_OK | MB_ICONERROR);
        return;
    }
    observer_.StatusChanged("完成:100% .");
    DeleteFileW(ToWide(archive).c_str());
    Staged.Keep();
    CreateShortcuts(Settings);
    CreateShortcutAt(folder + "UnInstall.exe", CSIDL_PROGRAMS, "塔维欧\\卸载塔维欧");
    if (IsOn(Settings.StartAtLogon)) SetRunAtLogon(folder + "tavio.exe", " Minimize ", true);
    WriteUninstallEntry(folder + "UnInstall.exe", folder + "tavio.exe");

    observer_.Installed(folder);
}

bool InstallSequence::ExtractPayload(const std::string& archive, const std::string& folder)
{
    if (!FileExists(archive)) return false;
    if (!Library) throw Exception(std::string("Error loading library ") + product::LibraryFileName);
    {
        const std::string library = Library.Path() + product::LibraryFileName;
        Do.DebugLine("Tavio: the archive library is loaded from " + library + "\n");
        ComPtr<I7zReader> reader = CreateArchiveReader(sevenzip::FormatId7z, library);
        reader->SetArchivePassword(PayloadPassword);
        reader->SetProgressHandler(this, OnExtractProgress);
        reader->OpenArchiveFile(archive);
        if (!CreateFolderTree(folder)) return false;
        reader->ExtractToFolder(folder);
    }
    Library.Remove(); // unloaded with the reader
    return true;
}

HRESULT InstallSequence::OnExtractProgress(void* sender, BOOL isTotal, int64_t value)
{
    auto* sequence = static_cast<InstallSequence*>(sender);
    sequence->Do.DebugLine(ProgressLine(isTotal != FALSE, value));
    sequence->observer_.ProgressChanged(isTotal != FALSE, value);
    return S_OK;
}

void PumpWait(uint32_t ms)
{
    PumpWaitWith(
        ms, [] { return static_cast<uint32_t>(GetTickCount()); }, [] { Application::Instance().ProcessMessages(); },
        [] { Sleep(1); });
}

