#pragma once
#include <optional>
#include <string>

#include "base/Win32.h"

// The path of a shell folder (a CSIDL value) without a trailing "\", or nothing when
// the shell cannot say.
std::optional<std::string> FindSpecialFolder(int csidl);
// The same ending in "\"; just "\" when the shell cannot say.
std::string SpecialFolderPath(int csidl);

// The path of a known folder (a KNOWNFOLDERID), made when `create` and missing, without
// a trailing "\"; nothing when the shell cannot say.
std::optional<std::string> FindKnownFolder(const GUID& id, bool create);
