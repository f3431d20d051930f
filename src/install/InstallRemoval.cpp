#include "install/InstallRemoval.h"

#include "base/Win32.h"

#include <algorithm>
#include <vector>

#include "base/Exception.h"
#include "base/FileBytes.h"
#include "base/Handles.h"
#include "base/PathText.h"
#include "base/WinStrings.h"
#include "install/Shortcuts.h"
#include "install/UninstallEntry.h"

namespace {

using Kind = InstallManifest::Kind;

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

// HKCU\<key>\<name>, only while it still starts a program from the install folder:
// another program, or another install of ours, may have taken the name since.
void DeleteValueStartingFrom(const std::string& item, const std::string& folder)
{
    const size_t slash = item.find_last_of('\\');
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, ToWide(item.substr(5, slash - 5)).c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                      &opened) != ERROR_SUCCESS)
        return;
    const RegKey key(opened);
    const std::wstring name = ToWide(item.substr(slash + 1));
    wchar_t data[1024] = {};
    DWORD size = sizeof data - sizeof(wchar_t), type = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ && StartsFromFolder(ToUtf8(data), folder))
        RegDeleteValueW(key.Get(), name.c_str());
}

} // namespace

InstallManifest WhatTheInstallMade(const InstallPlaces& places)
{
    InstallManifest made;
    try {
        const auto bytes = ReadFileBytes(places.Folder + InstallManifestFileName);
        if (auto list = InstallManifest::Read({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, places))
            made = std::move(*list);
    } catch (const Exception&) {
    }
    made.Merge(InstallManifest::Known(places));
    return made;
}

void RemoveInstall(const InstallManifest& made, const InstallPlaces& places, std::span<const std::string> keep)
{
    const auto canonical = [](const std::string& path) { return CanonicalPath(path).value_or(path); };
    const auto kept = [&](const std::string& path) {
        return std::any_of(keep.begin(), keep.end(),
                           [&](const std::string& other) { return SamePath(canonical(path), canonical(other)); });
    };
    std::vector<std::string> folders;
    for (const auto& [kind, item] : made.Items) {
        const bool inside = kind == Kind::File || kind == Kind::Folder;
        const std::string path = inside ? places.Folder + item : item;
        if (kept(path)) continue;
        switch (kind) {
        case Kind::File: DeleteFileW(ToWide(path).c_str()); break;
        case Kind::Folder: folders.push_back(path); break;
        case Kind::Shortcut:
            // A later install elsewhere may have put its own under the same name.
            if (const auto target = ShortcutTarget(path); target && IsPathInside(*target, places.Folder))
                DeleteFileW(ToWide(path).c_str());
            break;
        case Kind::ShortcutFolder: folders.push_back(path); break;
        case Kind::DataFile:
            DeleteFileW(ToWide(path).c_str());
            folders.push_back(FolderOf(path));
            break;
        case Kind::RegistryValue: DeleteValueStartingFrom(path, places.Folder); break;
        case Kind::RegistryKey:
            if (UninstallEntryNames(places.Folder)) RegDeleteKeyW(HKEY_CURRENT_USER, ToWide(path.substr(5)).c_str());
            break;
        }
    }
    // Deepest first, each only when empty.
    std::sort(folders.begin(), folders.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    for (const std::string& folder : folders) RemoveDirectoryW(ToWide(folder).c_str());
}
