#include "base/FileChanges.h"

#include <algorithm>

#include "base/Exception.h"
#include "base/FileSystem.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"

namespace {

bool Taken(DWORD error) { return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS; }

// Leftovers of an earlier run may hold the first names: the next free one is taken.
constexpr int NameAttempts = 100;

bool Move(const std::string& from, const std::string& to)
{
    return MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), 0) != FALSE;
}

} // namespace

bool FileChanges::CreateFolders(std::string_view path) { return CreateFolderTree(path, &folders_); }

std::unique_ptr<TFileStream> FileChanges::CreateTemporary(const std::string& target, std::string& path)
{
    for (int n = 0;; ++n) {
        path = target + ".~new" + std::to_string(n);
        try {
            auto file = std::make_unique<TFileStream>(path, TFileStream::Mode::CreateNew);
            files_.push_back(path);
            return file;
        } catch (const SystemException& error) {
            if (!Taken(error.Code()) || n + 1 == NameAttempts) throw;
        }
    }
}

void FileChanges::NewFile(const std::string& path)
{
    SetAside(path);
    files_.push_back(path);
}

void FileChanges::Commit(const std::string& temporary, const std::string& target)
{
    // Where nothing stands (a first install) the one move is all it costs.
    if (Move(temporary, target)) {
        Renamed(temporary, target);
        return;
    }
    if (!Taken(GetLastError())) RaiseSystemError(GetLastError());
    SetAside(target);
    if (!Move(temporary, target)) {
        const DWORD error = GetLastError();
        if (!setAside_.empty() && setAside_.back().path == target) {
            Move(setAside_.back().backup, target);
            SetFileAttributesW(ToWide(target).c_str(), setAside_.back().attributes);
            setAside_.pop_back();
        }
        RaiseSystemError(error);
    }
    Renamed(temporary, target);
}

void FileChanges::Renamed(const std::string& temporary, const std::string& target)
{
    // The file committed is nearly always the one made last.
    const auto made = std::find(files_.rbegin(), files_.rend(), temporary);
    if (made != files_.rend()) *made = target;
}

void FileChanges::SetAside(const std::string& path)
{
    const std::wstring wide = ToWide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    // A folder in the way is not moved: writing there fails and says so.
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    // Moved without its read-only mark, which it gets back if it returns.
    if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(wide.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    for (int n = 0; n < NameAttempts; ++n) {
        std::string backup = path + ".~old" + std::to_string(n);
        if (Move(path, backup)) {
            setAside_.push_back({path, std::move(backup), attributes});
            return;
        }
        const DWORD error = GetLastError();
        if (!Taken(error)) {
            SetFileAttributesW(wide.c_str(), attributes);
            RaiseSystemError(error);
        }
    }
    SetFileAttributesW(wide.c_str(), attributes);
    RaiseSystemError(ERROR_FILE_EXISTS);
}

void FileChanges::Keep()
{
    for (const SetAsideFile& file : setAside_) {
        const std::wstring backup = ToWide(file.backup);
        SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(backup.c_str());
    }
    setAside_.clear();
    files_.clear();
    folders_.clear();
}

void FileChanges::Undo()
{
    for (auto file = files_.rbegin(); file != files_.rend(); ++file) DeleteFileW(ToWide(*file).c_str());
    for (auto file = setAside_.rbegin(); file != setAside_.rend(); ++file) {
        Move(file->backup, file->path);
        SetFileAttributesW(ToWide(file->path).c_str(), file->attributes);
    }
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder)
        RemoveDirectoryW(ToWide(*folder).c_str());
    files_.clear();
    setAside_.clear();
    folders_.clear();
}
