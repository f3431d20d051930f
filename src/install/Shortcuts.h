#pragma once
#include <string>
#include <string_view>

#include "install/InstallSettings.h"

// The player's shortcuts: desktop and quick launch when asked for, and always the
// programs-menu folder "塔维欧" with the player. Raises Exception when the shell link
// object cannot be made or the programs-menu folder cannot be created.
void CreateShortcuts(const InstallSettings& settings);

// One shortcut to target at <special folder>\<relativeName>.lnk (folders are not
// created); a special folder that cannot be resolved skips just this shortcut.
void CreateShortcutAt(const std::string& target, int csidl, std::string_view relativeName);
