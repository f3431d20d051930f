#pragma once
#include <string>

#include "base/Win32.h"

// The full path of the module's file (the executable's for null), however long it
// is; empty when the system cannot tell.
std::string ModuleFileName(HMODULE module);
