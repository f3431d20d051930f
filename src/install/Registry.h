#pragma once
#include <cstdint>
#include <string>

#include "install/Product.h"

// The Run value that starts the executable at logon: name = its file name up to the
// first ".", data = quote, path, quote, blank, arguments. With write false the value
// is deleted instead. False when a registry step failed.
bool SetRunAtLogon(const std::string& executable, const std::string& arguments, bool write);

// What the Programs list shows of an install beyond its seven values, for tools that
// find, size and remove it unattended.
struct InstallFacts {
    std::string Folder;           // InstallLocation
    uint64_t InstalledBytes = 0;  // EstimatedSize, in KB
    std::string Date;             // InstallDate, yyyymmdd
};

// The per-user uninstall entry "塔维欧" with its seven values, then InstallLocation,
// EstimatedSize, InstallDate, NoModify, NoRepair and QuietUninstallString (the
// uninstaller with "/s"). False when a step failed (the values after it are then
// missing).
bool WriteUninstallEntry(const std::string& uninstaller, const std::string& icon, const InstallFacts& facts);

// Today as yyyymmdd.
std::string TodayAsInstallDate();

// "major.minor.release.build" of the file's fixed version; raises Exception when the
// file has none.
std::string FileVersionString(const std::string& path);

using product::RunKey;
using product::UninstallKey;
