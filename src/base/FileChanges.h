#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileStream.h"

// What one run changed among files and folders, so that a failure can put back what
// stood before: the files and folders it made go, the files it set aside return.
// Undone when it ends unless kept.
class FileChanges {
public:
    FileChanges() = default;
    FileChanges(FileChanges&&) = default;
    FileChanges& operator=(FileChanges&&) = default;
    ~FileChanges() { Undo(); }

    // CreateFolderTree, remembering the levels it made.
    bool CreateFolders(std::string_view path);
    // A file of its own beside `target`, to be committed under that name.
    std::unique_ptr<TFileStream> CreateTemporary(const std::string& target, std::string& path);
    // Makes room for a new file at `path`: a file standing there is set aside.
    // Raises SystemException when it cannot be moved.
    void NewFile(const std::string& path);
    // Gives a finished temporary file the name `target`; a file standing there, even
    // a read-only one, is set aside. Raises SystemException, with nothing changed.
    void Commit(const std::string& temporary, const std::string& target);

    void Keep(); // the changes stand: the files set aside are deleted
    void Undo(); // made files go, set-aside files return, then made folders go if empty

private:
    void SetAside(const std::string& path);
    void Renamed(const std::string& temporary, const std::string& target);

    struct SetAsideFile {
        std::string path, backup;
        unsigned long attributes;
    };
    std::vector<std::string> files_;
    std::vector<std::string> folders_; // outermost first
    std::vector<SetAsideFile> setAside_;
};
