#pragma once
#include <optional>
#include <string>

#include "install/Upgrade.h"

// The per-user Programs-list entry "塔维欧" as it stands, read as written: the folder it
// names (InstallLocation, or else the folder of UninstallString's program, as entries
// made before InstallLocation have it) and its DisplayVersion. Nothing when there is
// no entry or it names no folder.
std::optional<EarlierInstall> ReadUninstallEntry();

// Whether the entry names `folder` (ending in "\"): an uninstaller of another copy
// leaves the entry, and what the copy it names shares with it, alone.
bool UninstallEntryNames(const std::string& folder);
bool EntryNamesFolder(const EarlierInstall& entry, const std::string& folder); // an entry read already
