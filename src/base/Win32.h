#pragma once
// The one way Windows headers enter the program (definitions come from the build).
#include <windows.h>
