#include "install/Registry.h"

#include <vector>

#include "base/EntryPoint.h"
#include "base/Exception.h"
#include "base/Handles.h"
#include "base/PathText.h"
#include "base/SystemError.h"
#include "base/SystemLibrary.h"
#include "base/WinStrings.h"
#include "install/Product.h"
#include "install/RunLog.h"

namespace {

RegKey OpenOrCreate(const char* path)
{
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, ToWide(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                           nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) RaiseSystemError(status);
    return RegKey(key);
}

void WriteString(const RegKey& key, const char* name, const std::string& value)
{
    const std::wstring data = ToWide(value);
    const LSTATUS status =
        RegSetValueExW(key.Get(), ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) RaiseSystemError(status);
    LogStep("registry: " + std::string(name) + " = " + value);
}

void WriteNumber(const RegKey& key, const char* name, DWORD value)
{
    const LSTATUS status = RegSetValueExW(key.Get(), ToWide(name).c_str(), 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&value), sizeof value);
    if (status != ERROR_SUCCESS) RaiseSystemError(status);
    LogStep("registry: " + std::string(name) + " = " + std::to_string(value));
}

std::string Quoted(const std::string& path) { return "\"" + ReplaceAll(path, "\\", "\\\\") + "\""; }

} // namespace

bool SetRunAtLogon(const std::string& executable, const std::string& arguments, bool write)
{
    try {
        const RegKey key = OpenOrCreate(RunKey);
        const std::string name = NameWithoutExtension(executable);
        if (write) WriteString(key, name.c_str(), "\"" + executable + "\" " + arguments);
        else RegDeleteValueW(key.Get(), ToWide(name).c_str());
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool WriteUninstallEntry(const std::string& uninstaller, const std::string& icon, const InstallFacts& facts)
{
    try {
        const RegKey key = OpenOrCreate(UninstallKey);
        WriteString(key, "DisplayName", "塔维欧");
        WriteString(key, "UninstallString", Quoted(uninstaller));
        WriteString(key, "DisplayIcon", Quoted(icon));
        std::string version;
        try {
            version = FileVersionString(icon);
        } catch (const Exception&) {
            version = "1.0.0.1";
        }
        WriteString(key, "DisplayVersion", version);
        WriteString(key, "URLInfoAbout", product::HomePageUrl);
        WriteString(key, "URLUpdateInfo", product::HomePageUrl);
        WriteString(key, "Publisher", product::Publisher);
        // The folder is read as a path, not a command line: no quotes, single
        // backslashes. The sizes and flags are numbers, as the Programs list reads them.
        WriteString(key, "InstallLocation", facts.Folder);
        WriteNumber(key, "EstimatedSize", static_cast<DWORD>((facts.InstalledBytes + 1023) / 1024));
        WriteString(key, "InstallDate", facts.Date);
        WriteNumber(key, "NoModify", 1);
        WriteNumber(key, "NoRepair", 1);
        WriteString(key, "QuietUninstallString", Quoted(uninstaller) + " /s");
        return true;
    } catch (const Exception&) {
        return false;
    }
}

std::string TodayAsInstallDate()
{
    SYSTEMTIME today;
    GetLocalTime(&today);
    const unsigned number = today.wYear * 10000u + today.wMonth * 100u + today.wDay;
    return std::to_string(number);
}

std::string FileVersionString(const std::string& path)
{
    // Bound here, once, rather than imported: version.dll is no known library.
    const ModuleHandle library = LoadSystemLibrary(L"version.dll");
    const auto sizeOf = BindEntry<decltype(&GetFileVersionInfoSizeW)>(library.Get(), "GetFileVersionInfoSizeW");
    const auto read = BindEntry<decltype(&GetFileVersionInfoW)>(library.Get(), "GetFileVersionInfoW");
    const auto query = BindEntry<decltype(&VerQueryValueW)>(library.Get(), "VerQueryValueW");
    const std::wstring wide = ToWide(path);
    DWORD ignored = 0;
    const DWORD size = sizeOf && read && query ? sizeOf(wide.c_str(), &ignored) : 0;
    std::vector<BYTE> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !read(wide.c_str(), 0, size, data.data()) ||
        !query(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info || length == 0)
        throw Exception(path + " has no version information");
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info->dwFileVersionLS)) + "." + std::to_string(LOWORD(info->dwFileVersionLS));
}
