#pragma once
#include "base/Win32.h"

// The drawing entries of msimg32, which the installer does not import: a library
// outside the system's known ones would be looked for in the download folder first.
// Bound from the system folder on first use and kept until the process ends; either
// may be missing (null) on a system without them.
struct SystemEntries {
    decltype(&::AlphaBlend) AlphaBlend = nullptr;
    decltype(&::TransparentBlt) TransparentBlt = nullptr;
};

const SystemEntries& BoundEntries();
