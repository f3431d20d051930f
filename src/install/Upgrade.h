#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// An install of ours this person has already, as its Programs-list entry tells.
struct EarlierInstall {
    std::string Folder;  // checked by the install folder rule, with its uninstaller there
    std::string Version; // DisplayVersion, "major.minor.release.build"
};

// The folder the options page offers and a silent run takes: the administrator's
// "/D=" first, then the earlier install's, then the usual one, asked for only then
// (finding it tries Program Files).
std::string OfferedFolder(const std::optional<std::string>& given, const std::optional<EarlierInstall>& earlier,
                          const std::function<std::string()>& usual);

enum class UpgradeKind {
    Fresh,     // no earlier install
    Upgrade,   // over an older version, or one whose version cannot be read
    Repair,    // the same version again: puts back what is missing or damaged
    Downgrade, // an older version over a newer one: only when the person says so
};
UpgradeKind UpgradeKindOf(const std::optional<EarlierInstall>& earlier, std::string_view ours);

// Dotted numbers compared part by part, a missing part counting as 0: below zero when
// `a` is the older. Nothing when either is no such version.
std::optional<int> CompareVersions(std::string_view a, std::string_view b);
