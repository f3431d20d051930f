#pragma once
#include <string>

#include "framework/Win32.h"

// Writes the module's raw resources "F1" and "F7z" into the folder as "Tavio.7z" and
// "7z.dll", each replacing any file of that name. Never raises: a missing resource or
// an unwritable file stops the staging quietly (the archive is checked for later).
void StagePayload(const std::string& folder, HMODULE module);
