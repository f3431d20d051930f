#pragma once
#include <optional>
#include <string>
#include <vector>
#include <string_view>

#include "install/InstallSettings.h"

// The player's shortcuts: desktop and quick launch when asked for, and always the
// programs-menu folder "塔维欧" with the player. Raises Exception when the shell link
// object cannot be made or the programs-menu folder cannot be created. Returns the
// shortcut files it saved.
std::vector<std::string> CreateShortcuts(const InstallSettings& settings);

// One shortcut to target at <special folder>\<relativeName>.lnk (folders are not
// created); a special folder that cannot be resolved skips just this shortcut. Returns
// the shortcut file when it was saved.
std::optional<std::string> CreateShortcutAt(const std::string& target, int csidl, std::string_view relativeName);
