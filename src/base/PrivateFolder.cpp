#include "base/PrivateFolder.h"

#include "base/Win32.h"

#include <sddl.h>
#include <winternl.h>

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

// Makes the folder and opens it in one step: made first and opened after, the new
// folder could be renamed away in between and one of another program's put in its
// place, which we would then hold. The handle shares no right to delete, so the
// folder keeps its name until the handle goes. Sets the last error on failure.
FileHandle MakeHeldFolder(const std::wstring& path, void* descriptor)
{
    std::wstring native = path.starts_with(L"\\\\") ? L"\\??\\UNC\\" + path.substr(2) : L"\\??\\" + path;
    UNICODE_STRING name{static_cast<USHORT>(native.size() * sizeof(wchar_t)),
                        static_cast<USHORT>(native.size() * sizeof(wchar_t)), native.data()};
    OBJECT_ATTRIBUTES object;
    InitializeObjectAttributes(&object, &name, OBJ_CASE_INSENSITIVE, nullptr, descriptor);
    IO_STATUS_BLOCK io{};
    HANDLE folder = nullptr;
    const NTSTATUS status = NtCreateFile(&folder, FILE_LIST_DIRECTORY | SYNCHRONIZE, &object, &io, nullptr,
                                         FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_CREATE,
                                         FILE_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
    if (status < 0) {
        SetLastError(RtlNtStatusToDosError(status));
        return {};
    }
    return FileHandle(folder);
}

} // namespace

std::string PrivateFolder::Parent() { return ToUtf8(ParentFolder(ProcessElevation() == Elevation::Full)); }

PrivateFolder PrivateFolder::Create()
{
    const bool elevated = ProcessElevation() == Elevation::Full;
    std::unique_ptr<void, LocalFreeDeleter> descriptor;
    if (elevated) descriptor = AdministratorsOnly();
    const std::wstring base = ParentFolder(elevated) + L"Tavio-";
    // A name nobody could have made ready for us: a folder that already stands is
    // never taken, whoever made it.
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    unsigned long seed = GetCurrentProcessId() * 2654435761u ^ static_cast<unsigned long>(counter.QuadPart);
    for (int attempt = 0; attempt < 100; ++attempt, seed = seed * 1664525u + 1013904223u) {
        std::wstring path = base;
        for (int shift = 28; shift >= 0; shift -= 4) path += L"0123456789abcdef"[(seed >> shift) & 15];
        if (FileHandle held = MakeHeldFolder(path, descriptor.get())) {
            PrivateFolder folder;
            folder.held_ = std::move(held);
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

void PrivateFolder::Release()
{
    held_.Reset();
    files_.clear();
    path_.clear();
}
