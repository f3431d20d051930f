#pragma once
#include <optional>
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

// The switches deployment tools pass. "/D=<folder>" must be the last argument and
// takes the rest of the line, blanks and all, unquoted; "/LOG=<file>" is an argument
// before it. Only an argument after the program path is a switch: a " /D=" inside a
// quoted path or value is part of it. Both are additions: the first argument still
// decides silent mode alone.
struct DeploymentSwitches {
    std::optional<std::string> Folder; // as given, trailing blanks dropped
    std::optional<std::string> LogFile;
};
DeploymentSwitches ReadDeploymentSwitches(std::string_view commandLine);
