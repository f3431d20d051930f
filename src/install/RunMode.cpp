#include "install/RunMode.h"

#include <string>

#include "base/ModuleFileName.h"
#include "base/Win32.h"
#include "base/WinStrings.h"
#include "install/CommandLine.h"

DeploymentSwitches CommandLineSwitches() { return ReadDeploymentSwitches(ToUtf8(GetCommandLineW())); }

bool IsSilentMode()
{
    return IsSilentModeFor(ToUtf8(GetCommandLineW()), ModuleFileName(nullptr));
}
