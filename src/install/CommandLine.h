#pragma once
#include <string>
#include <string_view>
#include <vector>

// The process command line split into arguments, the program path first. Runs of
// codes 1-32 separate arguments; a lone pair of quotes counts as a separator; a quote
// opens a stretch (blanks allowed) that runs to the next quote; quotes are dropped;
// a backslash is an ordinary character. A code 0 ends the line.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The argument after the program path, or "" when there is none.
std::string FirstArgument(std::string_view commandLine);

// The unattended-run rule: a first argument of exactly "s", "/s" or "-s", or "jm"
// (case-sensitive) anywhere in the file-name part of the executable's path.
bool IsSilentModeFor(std::string_view commandLine, std::string_view exePath);
