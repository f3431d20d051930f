#include "install/InstallSequence.h"

#include "base/Exception.h"
#include "base/FileBytes.h"
#include "base/FileSystem.h"
#include "base/PathText.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"
#include "install/ExitCodes.h"
#include "install/FailureReport.h"
#include "install/InstallRemoval.h"
#include "install/InstallFlow.h"
#include "install/ProcessShutdown.h"
#include "install/Product.h"
#include "install/Registry.h"
#include "install/RunLog.h"
#include "install/RunMode.h"
#include "install/Shortcuts.h"
#include "sevenzip/I7zReader.h"
#include "ui/Application.h"

namespace {
constexpr wchar_t PayloadPassword[] = L"qwrtnxb$$";

// Unwinds the sequence from a safe point to Start, which undoes the run.
struct InstallCancelled {};

std::optional<InstallManifest> ReadManifest(const InstallPlaces& places)
{
    try {
        const auto bytes = ReadFileBytes(places.Folder + InstallManifestFileName);
        return InstallManifest::Read({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, places);
    } catch (const Exception&) {
        return std::nullopt; // none: a first install, or one made before manifests
    }
}
} // namespace

InstallSequence::InstallSequence(InstallObserver& observer)
    : Do{KillRunningProcesses, [this](uint32_t ms) { PumpWait(ms, [this] { return cancelled_; }); },
         [](const std::string& line) { OutputDebugStringA(line.c_str()); }},
      observer_(observer)
{
}

void InstallSequence::Start()
{
    if (phase_ != Phase::NotStarted) return;
    phase_ = Phase::Running;
    observer_.StatusChanged("...");
    try {
        Run();
    } catch (const InstallCancelled&) {
        UndoStaging();
    } catch (const std::exception& error) {
        phase_ = Phase::Over;
        ReportFailure(error.what(), exitcode::Stopped, MB_OK | MB_ICONERROR);
    }
    phase_ = Phase::Over;
}

bool InstallSequence::Cancel()
{
    switch (phase_) {
    case Phase::NotStarted:
        phase_ = Phase::Over;
        UndoStaging();
        return true;
    case Phase::Running:
        if (!cancelled_) {
            cancelled_ = true;
            observer_.StatusChanged("正在取消安装...");
            Do.DebugLine("Tavio: the person quit; the install is undone\n");
        }
        return true;
    case Phase::Over:
        break;
    }
    return false;
}

void InstallSequence::StopIfCancelled() const
{
    if (cancelled_) throw InstallCancelled{};
}

void InstallSequence::UndoStaging()
{
    LogStep("cancelled by the person: the install is undone");
    Library.Remove();
    Staged.Undo();
    Application& application = Application::Instance();
    application.SetExitCode(exitcode::Cancelled);
    application.Terminate();
}

void InstallSequence::Run()
{
    Application& application = Application::Instance();
    const std::string& folder = Settings.InstallFolder;
    const std::string archive = folder + product::ArchiveFileName;
    if (!FileExists(archive)) {
        phase_ = Phase::Over; // a quit while the failure is shown just ends the program
        Staged.Keep(); // the folder stays as the launch left it
        Library.Remove();
        ReportFailure(std::string("安装包有误，找不到离线文件，建议去官方网站( ") + product::HomePageUrl + " )下载安装包",
                      exitcode::Archive, MB_OK);
        application.Terminate();
        return;
    }
    // The waits and the one message pass are where the person can quit.
    const auto wait = [this](uint32_t ms) {
        Do.Wait(ms);
        StopIfCancelled();
    };
    const int passes = RunShutdownPasses([this] { observer_.StatusChanged("正在关闭塔维欧播放器主程序..."); },
                                         [this] { return Do.KillProcesses(ProcessShutdownList); }, wait);
    LogStep("shutdown passes: " + std::to_string(passes));
    wait(3000);
    observer_.StatusChanged("正在释放文件...");
    application.ProcessMessages();
    StopIfCancelled();
    try {
        if (!ExtractPayload(archive, folder)) {
            const DWORD error = GetLastError();
            throw Exception(FailureText(product::ArchiveFileName, SystemException(SystemErrorText(error), error)));
        }
    } catch (const NoSpaceError& error) {
        phase_ = Phase::Over;
        Library.Remove();
        Staged.Undo();
        if (IsSilentMode()) {
            ReportFailure(error.what(), exitcode::NoSpace, MB_OK | MB_ICONERROR);
        } else {
            ShowMessage(error.what());
            observer_.FolderRefused();
        }
        return;
    } catch (const std::exception& error) {
        // The reader has put back what it changed and let go of the archive and the
        // library: the staged files and the folders the launch made can go too.
        StopIfCancelled(); // the extraction stopped because the person quit
        phase_ = Phase::Over;
        Library.Remove();
        Staged.Undo();
        ReportFailure(error.what(), exitcode::Archive, MB_OK | MB_ICONERROR);
        return;
    }
    // From here on nothing waits or lets a click through: the rest runs to its end.
    phase_ = Phase::Over;
    observer_.StatusChanged("完成:100% .");
    DeleteFileW(ToWide(archive).c_str());
    Staged.Keep();
    // An upgrade keeps the earlier install's list: what it made and this run did not
    // (a file a newer version dropped) is still the product's to remove. What no
    // install of ours makes is not carried over.
    const InstallPlaces places = ShellPlaces(folder);
    if (const auto earlier = ReadManifest(places)) {
        manifest_.Merge(*earlier);
        for (const std::string& line : earlier->Refused) LogStep("not from an install, left out of the list: " + line);
    }
    SaveManifest(folder);
    try {
        CreateShortcuts(Settings, places, [this](InstallManifest::Kind kind, const std::string& path) {
            manifest_.Add(kind, path);
            if (kind == InstallManifest::Kind::Shortcut) LogStep("shortcut: " + path);
        });
        if (IsOn(Settings.StartAtLogon) && SetRunAtLogon(folder + "tavio.exe", " Minimize ", true))
            manifest_.Add(InstallManifest::Kind::RegistryValue, RunValueItem());
        if (WriteUninstallEntry(folder + product::UninstallerFileName, folder + "tavio.exe",
                                {folder, installedBytes_, TodayAsInstallDate()}))
            manifest_.Add(InstallManifest::Kind::RegistryKey, UninstallEntryItem());
        if (!places.AppData.empty()) manifest_.Add(InstallManifest::Kind::DataFile, places.DataFile()); // the finish page writes it
    } catch (const std::exception&) {
        // What was made before the failure is the product's all the same: listed, an
        // uninstall removes it.
        try {
            SaveManifest(folder);
        } catch (const std::exception&) {
        }
        throw;
    }
    SaveManifest(folder);
    RemoveEarlierInstall(folder);

    observer_.Installed(folder);
}

void InstallSequence::RemoveEarlierInstall(const std::string& folder) const
{
    const std::string& earlier = Settings.EarlierFolder;
    if (earlier.empty() || SamePath(CanonicalPath(earlier).value_or(earlier), CanonicalPath(folder).value_or(folder)))
        return;
    // Its programs were stopped with the running player; its plug-in registration and
    // channel tag are this install's now, and its entry and shortcuts name this folder.
    const InstallPlaces places = ShellPlaces(earlier);
    RemoveInstall(WhatTheInstallMade(places), places, manifest_.AbsolutePaths(folder));
    DeleteFileW(ToWide(earlier + InstallManifestFileName).c_str());
    RemoveDirectoryW(ToWide(earlier).c_str()); // only when nothing of the person's is left
    LogStep("the earlier install in " + earlier + " is removed (the person's own files stay)");
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
        const uint32_t count = reader->ItemCount();
        uint64_t unpacked = 0;
        for (uint32_t i = 0; i < count; ++i)
            if (!reader->ItemIsFolder(i)) unpacked += static_cast<uint64_t>(std::max<int64_t>(reader->ItemSize(i), 0));
        if (const auto available = FreeSpaceAt(folder); available && !FitsOnDisk(unpacked, *available))
            throw NoSpaceError(unpacked, *available);
        LogStep("extracting " + std::to_string(count) + " items (" + std::to_string(unpacked) + " bytes) into " + folder);
        reader->ExtractToFolder(folder);
        installedBytes_ = unpacked;
        LogStep("extracted " + std::to_string(count) + " items");
        for (uint32_t i = 0; i < count; ++i) {
            const std::string path = ToUtf8(reader->ItemPath(i));
            // Every folder an item lies in is the product's too (removed only when empty).
            for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1))
                manifest_.Add(InstallManifest::Kind::Folder, path.substr(0, slash));
            manifest_.Add(reader->ItemIsFolder(i) ? InstallManifest::Kind::Folder : InstallManifest::Kind::File, path);
        }
    }
    Library.Remove(); // unloaded with the reader
    manifest_.Add(InstallManifest::Kind::File, product::LibraryFileName);
    if (const auto size = FileSizeOf(folder + product::LibraryFileName)) installedBytes_ += *size;
    return true;
}

HRESULT InstallSequence::OnExtractProgress(void* sender, BOOL isTotal, int64_t value)
{
    auto* sequence = static_cast<InstallSequence*>(sender);
    sequence->Do.DebugLine(ProgressLine(isTotal != FALSE, value));
    sequence->observer_.ProgressChanged(isTotal != FALSE, value);
    // Stopping the library here lets the extraction put back what it changed.
    return sequence->cancelled_ ? E_ABORT : S_OK;
}

void InstallSequence::SaveManifest(const std::string& folder) const
{
    const std::string path = folder + InstallManifestFileName, temporary = path + ".~new";
    const std::string text = manifest_.Text();
    WriteFileBytes(temporary, std::as_bytes(std::span(text)));
    if (!MoveFileExW(ToWide(temporary).c_str(), ToWide(path).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = GetLastError();
        DeleteFileW(ToWide(temporary).c_str());
        RaiseSystemError(error);
    }
}

void PumpWait(uint32_t ms, const std::function<bool()>& stopped)
{
    PumpWaitWith(
        ms, [] { return static_cast<uint32_t>(GetTickCount()); }, [] { Application::Instance().ProcessMessages(); },
        [] { Sleep(1); }, stopped);
}

