#pragma once
#include <string>
#include <string_view>
#include <vector>

// The folders of the system an install must keep out of, as this machine names them.
struct SystemFolders {
    std::string Windows;             // nothing goes inside it
    std::vector<std::string> Others; // Program Files, the profile, its shell folders, ...: may hold an install, never be one
};

enum class FolderRefusal {
    None,
    NotAbsolute,        // relative, drive-relative ("D:") or rooted without a drive
    Device,             // "\\.\", "\\?\"
    ForbiddenCharacter, // < > : " | ? * or a control code
    ReservedName,       // CON, NUL, ...; a part ending in a dot or a blank
    Root,               // a drive's or a share's root
    SystemFolder,       // one of them, one holding one, or inside the Windows folder
};

// The install folder as the install uses it (canonical, one "\" at its end), or why it
// cannot be: one rule for the folder of the page, of "/D=" and of an earlier install.
struct FolderChoice {
    std::string Folder;
    FolderRefusal Refusal = FolderRefusal::None;
    std::string Error; // the refusal in the installer's words, naming the folder given
};
FolderChoice CheckInstallFolder(std::string_view folder, const SystemFolders& system);
