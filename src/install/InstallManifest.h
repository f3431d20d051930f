#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What an install made, so that an uninstall removes exactly that and nothing of the
// person's own. Kept in the install folder as one UTF-8 text file, one item a line:
//
//     # Tavio install manifest 1
//     file Tavio.exe
//     folder skins
//     shortcut C:\Users\li\Desktop\塔维欧.lnk
//     registry-value HKCU\Software\Microsoft\Windows\CurrentVersion\Run\tavio
//
// Files and folders inside the install folder are relative to it (never absolute, never
// with ".." parts); everything else is absolute. A manifest that breaks these rules is
// damaged as a whole: an uninstaller then falls back to the names it knows.
struct InstallManifest {
    enum class Kind {
        File,          // made in the install folder
        Folder,        // made in the install folder; removed only when empty
        Shortcut,      // a .lnk file anywhere
        ShortcutFolder,// a folder of shortcuts; removed only when empty
        DataFile,      // a file outside the install folder
        RegistryValue, // HKCU\<key>\<value name>
        RegistryKey,   // HKCU\<key>, with its values
    };
    struct Item {
        Kind kind;
        std::string path;
        bool operator==(const Item&) const = default;
    };

    std::vector<Item> Items;

    // Adds the item unless it is listed already.
    void Add(Kind kind, std::string_view path);
    // Every item of `other` this one lacks (an upgrade keeps what the earlier install made).
    void Merge(const InstallManifest& other);
    // The item paths of one kind, in the order they were added.
    std::vector<std::string> Paths(Kind kind) const;

    std::string Text() const;
    // Nothing when the text is not a manifest or any line breaks the rules.
    static std::optional<InstallManifest> Parse(std::string_view text);
};

inline constexpr const char* InstallManifestFileName = "install-manifest.txt";
