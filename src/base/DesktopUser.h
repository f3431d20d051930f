#pragma once
#include <string>

// Starts `file` (with `parameters`, in `folder`) as the person at the desktop: with
// the token of the shell's process rather than this one's, so a program started by
// an elevated process does not inherit its elevation. Returns an empty text when it
// started, else what was missing ("no shell window", or the call that failed and the
// system's reason).
std::string StartAsDesktopUser(const std::string& file, const std::string& parameters, const std::string& folder,
                               int show);
