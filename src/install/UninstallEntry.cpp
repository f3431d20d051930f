#include "install/UninstallEntry.h"

#include "base/Win32.h"

#include "base/Handles.h"
#include "base/PathText.h"
#include "base/WinStrings.h"
#include "install/Product.h"

namespace {

std::string ReadString(HKEY key, const wchar_t* name)
{
    wchar_t data[2048] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return {};
    return ToUtf8(data);
}

} // namespace

std::optional<EarlierInstall> ReadUninstallEntry()
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, ToWide(product::UninstallKey).c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const RegKey key(opened);
    std::string folder = ReadString(key.Get(), L"InstallLocation");
    if (folder.empty()) {
        // "\"C:\\Program Files\\Tavio\\UnInstall.exe\"": quoted, backslashes doubled.
        const std::string program = ReplaceAll(TextBetween(ReadString(key.Get(), L"UninstallString"), "\"", "\""),
                                               "\\\\", "\\");
        folder = program.substr(0, program.find_last_of('\\') + 1);
    }
    if (folder.empty()) return std::nullopt;
    return EarlierInstall{IncludeTrailingBackslash(folder), ReadString(key.Get(), L"DisplayVersion")};
}

bool EntryNamesFolder(const EarlierInstall& entry, const std::string& folder)
{
    const auto same = [](const std::string& path) { return CanonicalPath(path).value_or(path); };
    return SamePath(same(entry.Folder), same(folder));
}

bool UninstallEntryNames(const std::string& folder)
{
    const auto entry = ReadUninstallEntry();
    return entry && EntryNamesFolder(*entry, folder);
}
