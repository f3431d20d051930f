#pragma once
#include "install/CommandLine.h"

// True for an unattended run: decided afresh from this process's command line and
// executable path at every call.
bool IsSilentMode();

// "/D=" and "/LOG=" of this process's command line.
DeploymentSwitches CommandLineSwitches();
