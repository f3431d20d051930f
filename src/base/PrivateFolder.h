#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A folder of this process's own under the user's temporary folder, for a file that
// must stay as written until it is used: the archive library is loaded seconds after
// it is written, and an install folder outside the program-files folder may be
// writable by every user of the machine. The folder is always a new one, never one
// that already stood; in an elevated process only administrators and the system may
// write in it, so no program the person runs without elevation can swap the file.
// The folder and what was written into it go when the owner ends.
class PrivateFolder {
public:
    PrivateFolder() = default; // none yet
    // Raises SystemException when no folder can be made.
    static PrivateFolder Create();

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

private:
    std::string path_;
    std::vector<std::string> files_;
};
