#include "base/PrivateFolder.h"

#include "base/Win32.h"

#include <sddl.h>

#include <memory>
#include <utility>

#include "base/Elevation.h"
#include "base/FileSystem.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"

namespace {

struct LocalFreeDeleter {
    void operator()(void* memory) const { LocalFree(memory); }
};

// Full control for the system and the administrators, nothing inherited: a program
// of the person's own that is not elevated cannot write here.
std::unique_ptr<void, LocalFreeDeleter> AdministratorsOnly()
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)", SDDL_REVISION_1,
                                                              &descriptor, nullptr))
        RaiseLastError();
    return std::unique_ptr<void, LocalFreeDeleter>(descriptor);
}

std::wstring TemporaryFolder()
{
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) RaiseLastError();
    return std::wstring(buffer, length);
}

// The Windows folder's Temp, where users may make files and folders but neither list,
// rename nor delete what others made; empty where it cannot be found.
std::wstring SystemTemporaryFolder()
{
    wchar_t buffer[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::wstring folder(buffer, length);
    folder += L"\\Temp\\";
    return DirectoryExists(ToUtf8(folder)) ? folder : std::wstring();
}

std::wstring ParentFolder(bool elevated)
{
    if (elevated)
        if (std::wstring system = SystemTemporaryFolder(); !system.empty()) return system;
    return TemporaryFolder();
}

} // namespace

std::string PrivateFolder::Parent() { return ToUtf8(ParentFolder(ProcessElevation() == Elevation::Full)); }

PrivateFolder PrivateFolder::Create()
{
    const bool elevated = ProcessElevation() == Elevation::Full;
    std::unique_ptr<void, LocalFreeDeleter> descriptor;
    if (elevated) descriptor = AdministratorsOnly();
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
    const std::wstring base = ParentFolder(elevated) + L"Tavio-";
    // A name nobody could have made ready for us: a folder that already stands is
    // never taken, whoever made it.
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    unsigned long seed = GetCurrentProcessId() * 2654435761u ^ static_cast<unsigned long>(counter.QuadPart);
    for (int attempt = 0; attempt < 100; ++attempt, seed = seed * 1664525u + 1013904223u) {
        std::wstring path = base;
        for (int shift = 28; shift >= 0; shift -= 4) path += L"0123456789abcdef"[(seed >> shift) & 15];
        if (CreateDirectoryW(path.c_str(), descriptor ? &attributes : nullptr)) {
            PrivateFolder folder;
            folder.held_ = FileHandle(CreateFileW(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
            if (!folder.held_) RaiseLastError();
            folder.path_ = ToUtf8(path) + '\\';
            return folder;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) RaiseLastError();
    }
    RaiseSystemError(ERROR_ALREADY_EXISTS);
}

PrivateFolder::PrivateFolder(PrivateFolder&& other) noexcept
    : path_(std::exchange(other.path_, {})), files_(std::exchange(other.files_, {})), held_(std::move(other.held_))
{
}

PrivateFolder& PrivateFolder::operator=(PrivateFolder&& other) noexcept
{
    if (this != &other) {
        Remove();
        path_ = std::exchange(other.path_, {});
        files_ = std::exchange(other.files_, {});
        held_ = std::move(other.held_);
    }
    return *this;
}

std::string PrivateFolder::Write(std::string_view name, std::span<const std::byte> bytes)
{
    std::string path = path_ + std::string(name);
    files_.push_back(path);
    WriteFileBytes(path, bytes);
    return path;
}

void PrivateFolder::Remove()
{
    if (path_.empty()) return;
    for (const std::string& file : files_) DeleteFileW(ToWide(file).c_str());
    held_.Reset(); // our own removal asks for the right the handle denies
    RemoveDirectoryW(ToWide(path_).c_str());
    files_.clear();
    path_.clear();
}
