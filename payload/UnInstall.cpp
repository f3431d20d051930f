// The uninstaller of the demo payload. Asked first (or not, with "/s"), it stops the
// programs the install put into its folder, removes the plug-in's registration and what
// the install made, as its list names it (the person's own files stay), then hands over
// to a copy of itself in a private temporary folder that removes the uninstaller, the
// list and the folder if it is empty (a running program cannot delete its own file).
//
// The list lies in a folder others may be able to write, so it is read by the
// installer's own rules: a line no install of ours can have written is left alone and
// named, and the run then ends with 2.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Com.h"
#include "base/Exception.h"
#include "base/FileBytes.h"
#include "base/Handles.h"
#include "base/ModuleFileName.h"
#include "base/PathText.h"
#include "base/PrivateFolder.h"
#include "base/SystemLibrary.h"
#include "base/WinStrings.h"
#include "install/CommandLine.h"
#include "install/InstallManifest.h"
#include "install/InstallRemoval.h"
#include "install/ProcessNames.h"
#include "install/Product.h"
#include "install/Shortcuts.h"
#include "install/UninstallEntry.h"

namespace {

using Kind = InstallManifest::Kind;

constexpr char Title[] = "卸载塔维欧";
constexpr int Declined = 1, LeftAlone = 2; // exit codes besides 0

int Ask(std::string_view text, UINT flags)
{
    return MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(Title).c_str(), flags);
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

// The programs the install put into its folder, each by its full path: nothing else
// that runs, from that folder or any other, is stopped.
void StopPrograms(const InstallManifest& made, const std::string& folder)
{
    std::vector<std::string> programs;
    for (const std::string& file : made.Paths(Kind::File))
        if (LowerAscii(file).ends_with(".exe")) programs.push_back(CanonicalPath(folder + file).value_or(""));
    const FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    std::wstring image(32768, L'\0');
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) continue;
        const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE,
                                               FALSE, entry.th32ProcessID));
        DWORD size = static_cast<DWORD>(image.size());
        if (!process || !QueryFullProcessImageNameW(process.Get(), 0, image.data(), &size)) continue;
        const std::string path = CanonicalPath(ToUtf8({image.data(), size})).value_or("");
        if (std::none_of(programs.begin(), programs.end(), [&](const std::string& p) { return SamePath(path, p); }))
            continue;
        TerminateProcess(process.Get(), 0);
        WaitForSingleObject(process.Get(), 5000);
    }
}

void UnregisterPlugin(const std::string& folder)
{
    const ModuleHandle plugin(LoadLibraryExW(ToWide(folder + product::PluginFileName).c_str(), nullptr,
                                             LOAD_WITH_ALTERED_SEARCH_PATH));
    using Unregister = HRESULT(WINAPI*)();
    if (const auto unregister = plugin ? reinterpret_cast<Unregister>(reinterpret_cast<void*>(
                                             GetProcAddress(plugin.Get(), "DllUnregisterServer")))
                                       : nullptr)
        unregister();
}

// A copy of this program finishes the job once this one ends. It runs with this one's
// rights, elevated too, so it goes where no other program can replace it before it
// starts: a folder of its own, held until then (see PrivateFolder), never a fixed name
// in the person's temporary folder.
void HandOver(const std::string& self, const std::string& folder)
{
    try {
        PrivateFolder temporary = PrivateFolder::Create();
        const std::wstring copy = ToWide(temporary.Write(product::UninstallerFileName, ReadFileBytes(self)));
        std::wstring line =
            L"\"" + copy + L"\" /cleanup \"" + ToWide(folder) + L"\" " + std::to_wstring(GetCurrentProcessId());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(copy.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            ToWide(temporary.Path()).c_str(), &startup, &info))
            return;
        const KernelHandle thread(info.hThread), process(info.hProcess);
        temporary.Release();
    } catch (const Exception&) {
        // The install is gone but for the uninstaller and its list: nothing more to do.
    }
}

// Runs from its own temporary folder: waits for the uninstaller in the install folder
// to end, removes it and the list, then the folder if nothing else is in it, and has
// this copy and its folder removed at the next start of Windows.
int Cleanup(const std::string& folder, DWORD parent)
{
    if (const KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, parent)); process)
        WaitForSingleObject(process.Get(), 30000);
    DeleteFileW(ToWide(folder + product::UninstallerFileName).c_str());
    DeleteFileW(ToWide(folder + InstallManifestFileName).c_str());
    RemoveDirectoryW(ToWide(folder).c_str());
    const std::string self = ModuleFileName(nullptr);
    MoveFileExW(ToWide(self).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    const std::string own = FolderOf(self);
    MoveFileExW(ToWide(own.substr(0, own.size() - 1)).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    RestrictLibrarySearch(); // it may run from a folder others can write, and elevated
    const std::vector<std::string> args = SplitCommandLine(ToUtf8(GetCommandLineW()));
    if (args.size() == 4 && args[1] == "/cleanup")
        return Cleanup(IncludeTrailingBackslash(args[2]), std::strtoul(args[3].c_str(), nullptr, 10));
    const std::string first = args.size() > 1 ? LowerAscii(args[1]) : "";
    const bool silent = first == "/s" || first == "-s";
    if (!silent && Ask("确定要完全移除塔维欧播放器及其所有组件吗？", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return Declined;

    const std::string own = ModuleFileName(nullptr), self = CanonicalPath(own).value_or(own);
    const InstallPlaces places = ShellPlaces(FolderOf(self));
    const InstallManifest made = WhatTheInstallMade(places);
    // A copy the Programs list no longer names (one another install has replaced) shares
    // the plug-in's registration and the channel tag with the copy it names: those stay.
    const auto entry = ReadUninstallEntry();
    const bool current = !entry || EntryNamesFolder(*entry, places.Folder);
    std::vector<std::string> keep{self}; // removed by the copy, once this program has ended
    if (!current) keep.push_back(places.DataFile());
    StopPrograms(made, places.Folder);
    if (current) UnregisterPlugin(places.Folder);
    RemoveInstall(made, places, keep);
    LeaveComApartment();
    HandOver(self, places.Folder);

    std::string kept;
    for (const std::string& line : made.Refused) {
        // In the ANSI code page, as the installer's lines: every debugger reads those.
        OutputDebugStringA(ToAnsi("Tavio uninstall: not from an install, left alone: " + line + "\n").c_str());
        kept += "\n" + line;
    }
    if (!silent)
        Ask((current ? std::string("塔维欧播放器已从您的电脑中移除。")
                     : "此文件夹中的塔维欧播放器已移除。位于 " + entry->Folder + " 的塔维欧播放器仍然保留。") +
                (kept.empty() ? "" : "\n\n安装记录中的以下项目不是安装程序建立的，已保留：" + kept),
            MB_OK | MB_ICONINFORMATION);
    return kept.empty() ? 0 : LeftAlone;
}
