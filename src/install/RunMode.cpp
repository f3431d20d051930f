#include "install/RunMode.h"

#include <string>

#include "framework/ModuleFileName.h"
#include "framework/Win32.h"
#include "framework/WinStrings.h"
#include "install/CommandLine.h"

bool IsSilentMode()
{
    return IsSilentModeFor(ToUtf8(GetCommandLineW()), ModuleFileName(nullptr));
}
