#pragma once
#include <string_view>

// The player and its companion programs.
inline constexpr std::string_view ProcessShutdownList =
    "tavlite.exe|tavio.exe|tavnet.exe|tavxfer.exe|tavnotes.exe|MirelNotes.exe";

// One pass over the process list: terminates every process whose (lower-cased)
// executable name matches an entry of the list and whose main module path can be read.
// True when anything was terminated.
bool KillRunningProcesses(std::string_view list);
