#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Handles.h"

// A folder of this process's own, for a file that must stay as written until it is
// used: the archive library is loaded seconds after it is written, and an install
// folder outside the program-files folder may be writable by every user of the
// machine. The folder is always a new one, never one that already stood. In an
// elevated process only administrators and the system may write in it, and it lies in
// the Windows folder's Temp: in the person's own temporary folder a program the
// person runs without elevation could rename it away and put one of its own in its
// place, since the person may rename whatever lies there. Elevated or not, it is also
// held open from its making until it goes, without sharing the right to delete, which
// a rename needs. The folder and what was written into it go when the owner ends.
class PrivateFolder {
public:
    PrivateFolder() = default; // none yet
    // Raises SystemException when no folder can be made.
    static PrivateFolder Create();
    // Where Create makes it (ends in "\"): the Windows folder's Temp when elevated,
    // else the user's temporary folder.
    static std::string Parent();

    PrivateFolder(PrivateFolder&& other) noexcept;
    PrivateFolder& operator=(PrivateFolder&& other) noexcept;
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    ~PrivateFolder() { Remove(); }

    explicit operator bool() const { return !path_.empty(); }
    const std::string& Path() const { return path_; } // ends in "\"

    // Writes the file `name` into the folder and returns its full path; raises
    // Exception naming the file and the system's reason.
    std::string Write(std::string_view name, std::span<const std::byte> bytes);

    void Remove(); // the files written, then the folder

    // Leaves the folder and its files where they are, for a program started from it
    // that outlives this process and removes them itself.
    void Release();

private:
    std::string path_;
    std::vector<std::string> files_;
    FileHandle held_;
};
