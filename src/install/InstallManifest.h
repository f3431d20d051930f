#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where an install of ours puts what it makes, as this person's system names the places
// now: the install folder and the shell folders the shortcuts and the channel tag go
// to. A place the shell cannot name is empty, and nothing of ours is there.
struct InstallPlaces {
    std::string Folder;                     // the install folder, ending in "\"
    std::string Desktop, AppData, Programs; // shell folders

    std::string DesktopShortcut() const;
    std::string QuickLaunchShortcut() const;
    std::string ProgramsFolder() const; // the programs-menu folder "塔维欧"
    std::string PlayerShortcut() const;    // in it
    std::string UninstallShortcut() const; // in it
    std::string DataFile() const;          // the channel tag, APPDATA\Tavio\mirelff.dat
};

// What an install made, so that an uninstall removes exactly that and nothing of the
// person's own. Kept in the install folder as one UTF-8 text file, one item a line:
//
//     # Tavio install manifest 1
//     file Tavio.exe
//     folder skins
//     shortcut C:\Users\li\Desktop\塔维欧.lnk
//     registry-value HKCU\Software\Microsoft\Windows\CurrentVersion\Run\tavio
//
// Files and folders inside the install folder are relative to it; everything else is
// absolute. The folder can be written by others (a folder outside Program Files often
// is), so a list read back is trusted with nothing an install of ours cannot have made.
struct InstallManifest {
    enum class Kind {
        File,          // made in the install folder
        Folder,        // made in the install folder; removed only when empty
        Shortcut,      // one of ours, in the shell folder it goes to
        ShortcutFolder,// the programs-menu folder; removed only when empty
        DataFile,      // the channel tag
        RegistryValue, // HKCU\<key>\<value name>: the Run value
        RegistryKey,   // HKCU\<key>, with its values: the uninstall entry
    };
    struct Item {
        Kind kind;
        std::string path;
        bool operator==(const Item&) const = default;
    };

    std::vector<Item> Items;
    // The lines of a list read back that an install of ours cannot have made, as read.
    std::vector<std::string> Refused;

    // Adds the item unless it is listed already.
    void Add(Kind kind, std::string_view path);
    // Every item of `other` this one lacks (an upgrade keeps what the earlier install made).
    void Merge(const InstallManifest& other);
    // The item paths of one kind, in the order they were added.
    std::vector<std::string> Paths(Kind kind) const;
    // Every item's path, those inside the install folder `folder` made absolute.
    std::vector<std::string> AbsolutePaths(std::string_view folder) const;

    std::string Text() const;
    // Nothing when the text is no list. Of a list, the items an install of ours can
    // have made in `places`: files and folders inside the install folder, our
    // shortcuts and programs-menu folder in their shell folders, the channel tag in its
    // own folder, the Run value and the uninstall entry by their exact names; absolute
    // paths in their canonical form. Every other line goes to Refused.
    static std::optional<InstallManifest> Read(std::string_view text, const InstallPlaces& places);
    // What every install of ours makes in `places`, listed or not: the programs the
    // installer expects of a payload, its library and archive, the shortcuts, entries
    // and channel tag. An uninstaller without a list removes these.
    static InstallManifest Known(const InstallPlaces& places);
};

inline constexpr const char* InstallManifestFileName = "install-manifest.txt";

// The Run value and the uninstall entry as the list names them.
std::string RunValueItem();
std::string UninstallEntryItem();

// Whether a command line (a Run value) or a path starts a program inside `folder`.
bool StartsFromFolder(std::string_view command, std::string_view folder);
