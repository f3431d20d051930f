#pragma once
#include <string>

// The Run value that starts the executable at logon: name = its file name up to the
// first ".", data = quote, path, quote, blank, arguments. With write false the value
// is deleted instead. False when a registry step failed.
bool SetRunAtLogon(const std::string& executable, const std::string& arguments, bool write);

// The per-user uninstall entry "塔维欧" with its seven values. False when a step
// failed (the values after it are then missing).
bool WriteUninstallEntry(const std::string& uninstaller, const std::string& icon);

// "major.minor.release.build" of the file's fixed version; raises Exception when the
// file has none.
std::string FileVersionString(const std::string& path);

inline constexpr char RunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\塔维欧";
