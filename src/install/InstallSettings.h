#pragma once
#include <string>

// What the options page chose for the install sequence: written once by the install
// launch, read by the sequence.
struct InstallSettings {
    std::string DesktopShortcut;     // "1" or "0"
    std::string QuickLaunchShortcut; // "1" or "0"
    std::string StartAtLogon;        // "1" or "0"
    std::string InstallFolder;       // absolute, always ending in "\"
    // An earlier install's folder ("\" at its end), or empty: when it is another
    // folder, the earlier install is removed once this one is complete.
    std::string EarlierFolder;
};

// Only the exact string "1" switches an option on.
inline bool IsOn(const std::string& flag) { return flag == "1"; }
