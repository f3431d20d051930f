// The uninstaller of the demo payload. Asked first (or not, with "/s"), it stops the
// player, removes the shortcuts, the Run value, the uninstall entry, the plug-in's
// registration and the channel tag, and what the install put into its folder, as the
// install's list names them (the person's own files stay), then hands over to a copy
// of itself in the temporary folder that removes the uninstaller, the list and the
// folder if it is empty (a running program cannot delete its own file).
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "install/InstallManifest.h"

namespace {

constexpr wchar_t Title[] = L"卸载塔维欧";
constexpr wchar_t Product[] = L"塔维欧";

std::wstring SpecialFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
    return path;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix)
{
    return text.size() >= prefix.size() &&
           CompareStringOrdinal(text.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                                static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

// Every other process started from the install folder (the player, mostly).
void StopProgramsIn(const std::wstring& folder)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W entry{sizeof entry};
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) continue;
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                     entry.th32ProcessID);
        if (!process) continue;
        wchar_t image[MAX_PATH];
        DWORD size = MAX_PATH;
        if (QueryFullProcessImageNameW(process, 0, image, &size) && StartsWithNoCase(image, folder)) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
}

std::wstring Wide(std::string_view utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::optional<InstallManifest> ReadManifest(const std::wstring& folder)
{
    HANDLE file = CreateFileW((folder + Wide(InstallManifestFileName)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0 && text.size() < (16u << 20))
        text.append(buffer, read);
    CloseHandle(file);
    return InstallManifest::Parse(text);
}

// A value of ours only while it still names the install folder: another program may
// have taken the name since.
void DeleteValueNaming(const std::wstring& keyPath, const std::wstring& name, const std::wstring& folder)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    wchar_t data[1024];
    DWORD size = sizeof data - sizeof(wchar_t), type = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
        data[size / sizeof(wchar_t)] = L'\0';
        const std::wstring value = data;
        const std::wstring path = value.size() > 1 && value[0] == L'"' ? value.substr(1) : value;
        if (StartsWithNoCase(path, folder)) RegDeleteValueW(key, name.c_str());
    }
    RegCloseKey(key);
}

void UnregisterPlugin(const std::wstring& folder)
{
    if (HMODULE plugin = LoadLibraryExW((folder + L"npmirel.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {
        using Unregister = HRESULT(WINAPI*)();
        if (auto unregister = reinterpret_cast<Unregister>(
                reinterpret_cast<void*>(GetProcAddress(plugin, "DllUnregisterServer"))))
            unregister();
        FreeLibrary(plugin);
    }
}

// Deepest first, each only when empty: a folder that holds anything of the person's stays.
void RemoveEmptyFolders(std::vector<std::wstring> folders)
{
    std::sort(folders.begin(), folders.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    for (const std::wstring& folder : folders) RemoveDirectoryW(folder.c_str());
}

// What the install recorded, and nothing else. The uninstaller itself and the list
// go last, from the temporary copy.
void RemoveListed(const InstallManifest& manifest, const std::wstring& folder)
{
    const std::wstring self = OwnPath();
    const std::wstring tagFolder = SpecialFolder(CSIDL_APPDATA) + L"\\Tavio\\";
    std::vector<std::wstring> folders;
    for (const auto& [kind, utf8] : manifest.Items) {
        const std::wstring path = Wide(utf8);
        switch (kind) {
        case InstallManifest::Kind::File:
            if (lstrcmpiW((folder + path).c_str(), self.c_str()) != 0) DeleteFileW((folder + path).c_str());
            break;
        case InstallManifest::Kind::Folder: folders.push_back(folder + path); break;
        case InstallManifest::Kind::Shortcut: DeleteFileW(path.c_str()); break;
        case InstallManifest::Kind::ShortcutFolder: folders.push_back(path); break;
        case InstallManifest::Kind::DataFile:
            // Only the product's own data folder: a list can be edited by hand.
            if (StartsWithNoCase(path, tagFolder)) {
                DeleteFileW(path.c_str());
                folders.push_back(FolderOf(path));
            }
            break;
        case InstallManifest::Kind::RegistryValue: {
            const std::wstring keyAndName = path.substr(5); // after "HKCU\"
            const size_t slash = keyAndName.find_last_of(L'\\');
            if (slash != std::wstring::npos)
                DeleteValueNaming(keyAndName.substr(0, slash), keyAndName.substr(slash + 1), folder);
            break;
        }
        case InstallManifest::Kind::RegistryKey: RegDeleteKeyW(HKEY_CURRENT_USER, path.substr(5).c_str()); break;
        }
    }
    RemoveEmptyFolders(std::move(folders));
}

// An install made before installs kept a list: the payload's own names and the
// system entries the installer is known to make; never a whole folder.
void RemoveKnown(const std::wstring& folder)
{
    for (const wchar_t* name : {L"Tavio.exe", L"npmirel.dll", L"7z.dll", L"Tavio.7z"}) DeleteFileW((folder + name).c_str());
    const std::wstring link = std::wstring(L"\\") + Product + L".lnk";
    DeleteFileW((SpecialFolder(CSIDL_DESKTOPDIRECTORY) + link).c_str());
    DeleteFileW((SpecialFolder(CSIDL_APPDATA) + L"\\Microsoft\\Internet Explorer\\Quick Launch" + link).c_str());
    const std::wstring programs = SpecialFolder(CSIDL_PROGRAMS) + L"\\" + Product;
    DeleteFileW((programs + link).c_str());
    DeleteFileW((programs + L"\\卸载塔维欧.lnk").c_str());
    DeleteValueNaming(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"tavio", folder);
    RegDeleteKeyW(HKEY_CURRENT_USER,
                  (std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + Product).c_str());
    const std::wstring tagFolder = SpecialFolder(CSIDL_APPDATA) + L"\\Tavio";
    DeleteFileW((tagFolder + L"\\mirelff.dat").c_str());
    RemoveEmptyFolders({programs, tagFolder});
}

void RemoveFromSystem(const std::wstring& folder)
{
    UnregisterPlugin(folder);
    if (const auto manifest = ReadManifest(folder)) RemoveListed(*manifest, folder);
    else RemoveKnown(folder);
}

// Runs from the temporary folder: waits for the uninstaller in the install folder to
// end, removes it and the list, then the folder if nothing else is in it, and has this
// copy removed at the next start of Windows.
int Cleanup(const std::wstring& folder, DWORD parent)
{
    if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, parent)) {
        WaitForSingleObject(process, 30000);
        CloseHandle(process);
    }
    const std::wstring inside = folder + L"\\";
    DeleteFileW((inside + L"UnInstall.exe").c_str());
    DeleteFileW((inside + Wide(InstallManifestFileName)).c_str());
    RemoveDirectoryW(folder.c_str());
    MoveFileExW(OwnPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count == 4 && lstrcmpW(args[1], L"/cleanup") == 0) return Cleanup(args[2], wcstoul(args[3], nullptr, 10));
    const bool silent = count > 1 && (lstrcmpiW(args[1], L"/s") == 0 || lstrcmpiW(args[1], L"-s") == 0);
    LocalFree(args);

    if (!silent && MessageBoxW(nullptr, L"确定要完全移除塔维欧播放器及其所有组件吗？", Title,
                               MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 1;
    const std::wstring folder = FolderOf(OwnPath());
    StopProgramsIn(folder);
    RemoveFromSystem(folder);

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring copy = std::wstring(temp) + L"TavioUninstall.exe";
    if (CopyFileW(OwnPath().c_str(), copy.c_str(), FALSE)) {
        // No trailing backslash before the closing quote: the argument rules would read
        // it as an escaped quote.
        const std::wstring bare = folder.substr(0, folder.size() - 1);
        std::wstring line = L"\"" + copy + L"\" /cleanup \"" + bare + L"\" " + std::to_wstring(GetCurrentProcessId());
        STARTUPINFOW startup{sizeof startup};
        PROCESS_INFORMATION info{};
        if (CreateProcessW(copy.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &startup, &info)) {
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
    }
    if (!silent) MessageBoxW(nullptr, L"塔维欧播放器已从您的电脑中移除。", Title, MB_OK | MB_ICONINFORMATION);
    return 0;
}
