// The uninstaller of the demo payload. Asked first (or not, with "/s"), it stops the
// player, removes the shortcuts, the Run value, the uninstall entry, the plug-in's
// registration and the channel tag, then hands over to a copy of itself in the
// temporary folder that removes the install folder (a running program cannot delete
// its own file).
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <string>

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

void RemoveTree(const std::wstring& folder)
{
    std::wstring from = folder;
    if (!from.empty() && from.back() == L'\\') from.pop_back();
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

void RemoveFromSystem(const std::wstring& folder)
{
    const std::wstring link = std::wstring(L"\\") + Product + L".lnk";
    DeleteFileW((SpecialFolder(CSIDL_DESKTOPDIRECTORY) + link).c_str());
    DeleteFileW((SpecialFolder(CSIDL_APPDATA) + L"\\Microsoft\\Internet Explorer\\Quick Launch" + link).c_str());
    RemoveTree(SpecialFolder(CSIDL_PROGRAMS) + L"\\" + Product);

    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_ALL_ACCESS,
                      &run) == ERROR_SUCCESS) {
        wchar_t data[1024];
        DWORD size = sizeof data - sizeof(wchar_t), type = 0;
        // Only our own value: another program may be called "tavio" too.
        if (RegQueryValueExW(run, L"tavio", nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS &&
            type == REG_SZ) {
            data[size / sizeof(wchar_t)] = L'\0';
            const std::wstring value = data;
            if (value.size() > 1 && StartsWithNoCase(value.substr(1), folder)) RegDeleteValueW(run, L"tavio");
        }
        RegCloseKey(run);
    }
    RegDeleteKeyW(HKEY_CURRENT_USER,
                  (std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + Product).c_str());

    if (HMODULE plugin = LoadLibraryW((folder + L"npmirel.dll").c_str())) {
        using Unregister = HRESULT(WINAPI*)();
        if (auto unregister = reinterpret_cast<Unregister>(
                reinterpret_cast<void*>(GetProcAddress(plugin, "DllUnregisterServer"))))
            unregister();
        FreeLibrary(plugin);
    }

    wchar_t appData[MAX_PATH];
    if (GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH)) {
        const std::wstring tagFolder = std::wstring(appData) + L"\\Tavio";
        DeleteFileW((tagFolder + L"\\mirelff.dat").c_str());
        RemoveDirectoryW(tagFolder.c_str());
    }
}

// Runs from the temporary folder: waits for the uninstaller in the install folder to
// end, removes that folder, and has this copy removed at the next start of Windows.
int Cleanup(const std::wstring& folder, DWORD parent)
{
    if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, parent)) {
        WaitForSingleObject(process, 30000);
        CloseHandle(process);
    }
    RemoveTree(folder);
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
