#pragma once
#include <string>

#include "base/FileChanges.h"
#include "base/PrivateFolder.h"
#include "base/Win32.h"

// Writes the module's raw resources "F1" and "F7z" into the folder as "Tavio.7z" and
// "7z.dll" (the library inflated: it is embedded as a zlib stream), setting aside (in
// `changes`) any file of that name. The library also goes into `library`, a private
// folder made for it, which is where it is loaded from. A missing resource stops the
// staging quietly: the install sequence reports the missing archive. A file that
// cannot be written, or a damaged library, raises Exception "<file name>: <reason>.".
void StagePayload(const std::string& folder, HMODULE module, FileChanges& changes, PrivateFolder& library);
