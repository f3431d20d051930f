#pragma once
#include <functional>
#include <optional>
#include <string>

#include "install/InstallManifest.h"
#include "install/InstallSettings.h"

// The shell folders the shortcuts and the channel tag go to, for an install in `folder`.
InstallPlaces ShellPlaces(std::string folder);

// The player's shortcuts: desktop and quick launch when asked for, and always the
// programs-menu folder "塔维欧" with the player and the uninstaller. A shortcut that
// cannot be saved is left out; a shell folder the shell cannot name skips its
// shortcuts. `made` hears of each shortcut and of the folder as soon as it is there, so
// that a later failure leaves none unlisted. Raises SystemException when the shell link
// object cannot be made or the programs-menu folder cannot be created.
using ShortcutMade = std::function<void(InstallManifest::Kind, const std::string&)>;
void CreateShortcuts(const InstallSettings& settings, const InstallPlaces& places, const ShortcutMade& made);

// The file a shortcut starts, as saved in it; nothing when it cannot be read.
std::optional<std::string> ShortcutTarget(const std::string& shortcut);
