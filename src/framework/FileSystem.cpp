#include "framework/FileSystem.h"

#include <algorithm>
#include <string>

#include "framework/Exception.h"
#include "framework/Handles.h"
#include "framework/SystemError.h"
#include "framework/WinStrings.h"

namespace {
DWORD Attributes(std::string_view path) { return GetFileAttributesW(ToWide(path).c_str()); }
} // namespace

bool FileExists(std::string_view path)
{
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(std::string_view path)
{
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolderTree(std::string_view path)
{
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    if (path.empty()) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    // A drive ("C:") or an existing folder ends the climb.
    if ((path.size() == 2 && path[1] == ':') || DirectoryExists(path)) return true;
    const size_t cut = path.find_last_of('\\');
    if (cut != std::string_view::npos && !CreateFolderTree(path.substr(0, cut))) return false;
    if (CreateDirectoryW(ToWide(path).c_str(), nullptr)) return true;
    // Another process may have made it between the test and the call.
    const DWORD error = GetLastError();
    if (DirectoryExists(path)) return true;
    SetLastError(error);
    return false;
}

void WriteFileBytes(std::string_view path, std::span<const std::byte> bytes)
{
    FileHandle file(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw Exception(SystemErrorText(GetLastError()));
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr) || written == 0)
            throw Exception(SystemErrorText(GetLastError()));
        bytes = bytes.subspan(written);
    }
}
