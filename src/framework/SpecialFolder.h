#pragma once
#include <optional>
#include <string>

// The path of a shell folder (a CSIDL value) without a trailing "\", or nothing when
// the shell cannot say.
std::optional<std::string> FindSpecialFolder(int csidl);
// The same ending in "\"; just "\" when the shell cannot say.
std::string SpecialFolderPath(int csidl);
