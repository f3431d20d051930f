#pragma once

// True for an unattended run: decided afresh from this process's command line and
// executable path at every call.
bool IsSilentMode();
