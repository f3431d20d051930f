#pragma once
#include "base/Win32.h"

// The entry `name` of a loaded library as the function type the caller declares for
// it; null when the module is null or does not export the name.
template <typename Function>
Function BindEntry(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
