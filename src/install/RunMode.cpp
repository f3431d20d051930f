#include "install/RunMode.h"

#include <string>

#include "framework/ModuleFileName.h"
#include "framework/Win32.h"
#include "framework/WinStrings.h"
#include "install/CommandLine.h"

DeploymentSwitches CommandLineSwitches() { return ReadDeploymentSwitches(ToUtf8(GetCommandLineW())); }

bool IsSilentMode()
{
    return IsSilentModeFor(ToUtf8(GetCommandLineW()), ModuleFileName(nullptr));
}
