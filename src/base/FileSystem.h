#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);

// Creates the folder and every missing parent. False with the thread's last error
// set when a level cannot be made (a file in the way, a bad name, no access). The
// levels it made are added to `made`, outermost first, when given.
bool CreateFolderTree(std::string_view path, std::vector<std::string>* made = nullptr);

// Writes the bytes as the whole new content of the file (created or truncated);
// raises Exception naming the file and the system's reason on failure.
void WriteFileBytes(std::string_view path, std::span<const std::byte> bytes);

// Bytes this process may still write on the volume that holds `folder` (which must
// exist); nothing when the system cannot say.
std::optional<uint64_t> FreeSpaceAt(std::string_view folder);

// Whether this process can make a folder in `folder`: tried, with a folder of a name
// nobody uses, removed at once. Rights are not guessed from group membership: a person
// may be elevated or not, and an administrator may have locked the folder.
bool CanCreateFoldersIn(std::string_view folder);

// The size of the file; nothing when it cannot be read.
std::optional<uint64_t> FileSizeOf(std::string_view path);
