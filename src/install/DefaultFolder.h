#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "install/InstallFolder.h"
#include "install/Upgrade.h"

// The folder an install goes to unless the person chooses another, ending in "\": the
// program-files folder + "Tavio\" where this process can make folders there, else the
// per-user programs folder (%LOCALAPPDATA%\Programs, made when missing) + "Tavio\".
// Everything the installer registers is the person's own, so a person who cannot
// write into Program Files installs for themselves.
std::string DefaultInstallFolder();

// The install folder rule with this machine's system folders.
FolderChoice CheckInstallFolder(std::string_view folder);

// The install the Programs-list entry names, when its folder passes the install folder
// rule and its uninstaller is still there: an entry whose folder is gone is no install.
std::optional<EarlierInstall> FindEarlierInstall();
