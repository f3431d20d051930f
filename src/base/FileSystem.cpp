#include "base/FileSystem.h"

#include <string>

#include "base/FileStream.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"

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

bool CreateFolderTree(std::string_view path, std::vector<std::string>* made)
{
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    if (path.empty()) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    // A drive ("C:") or an existing folder ends the climb.
    if ((path.size() == 2 && path[1] == ':') || DirectoryExists(path)) return true;
    const size_t cut = path.find_last_of('\\');
    if (cut != std::string_view::npos && !CreateFolderTree(path.substr(0, cut), made)) return false;
    if (CreateDirectoryW(ToWide(path).c_str(), nullptr)) {
        if (made) made->emplace_back(path);
        return true;
    }
    // Another process may have made it between the test and the call.
    const DWORD error = GetLastError();
    if (DirectoryExists(path)) return true;
    SetLastError(error);
    return false;
}

void WriteFileBytes(std::string_view path, std::span<const std::byte> bytes)
{
    TFileStream file(path, TFileStream::Mode::CreateExclusive);
    while (!bytes.empty()) {
        const size_t written = file.Write(bytes.data(), bytes.size());
        if (written == 0) RaiseSystemError(ERROR_WRITE_FAULT);
        bytes = bytes.subspan(written);
    }
}

std::optional<uint64_t> FreeSpaceAt(std::string_view folder)
{
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExW(ToWide(folder).c_str(), &available, nullptr, nullptr)) return std::nullopt;
    return available.QuadPart;
}

bool CanCreateFoldersIn(std::string_view folder)
{
    std::wstring probe = ToWide(folder);
    if (!probe.empty() && probe.back() != L'\\') probe += L'\\';
    probe += ToWide("Tavio-probe-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()));
    if (!CreateDirectoryW(probe.c_str(), nullptr)) return GetLastError() == ERROR_ALREADY_EXISTS;
    RemoveDirectoryW(probe.c_str());
    return true;
}

std::optional<uint64_t> FileSizeOf(std::string_view path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
