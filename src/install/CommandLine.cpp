#include "install/CommandLine.h"

#include "base/PathText.h"
#include "install/ProcessNames.h"

namespace {

bool IsSeparator(char c) { return c >= 1 && c <= ' '; }

// Moves pos past separators and lone pairs of quotes; false at the end of the line.
bool SkipSeparators(std::string_view line, size_t& pos)
{
    auto at = [&](size_t i) { return i < line.size() ? line[i] : '\0'; };
    for (;;) {
        while (IsSeparator(at(pos))) ++pos;
        if (at(pos) == '"' && at(pos + 1) == '"') pos += 2;
        else break;
    }
    return at(pos) != '\0';
}

// Reads one argument starting at pos; returns false when the line has no more.
bool NextArgument(std::string_view line, size_t& pos, std::string& argument)
{
    if (!SkipSeparators(line, pos)) return false;
    auto at = [&](size_t i) { return i < line.size() ? line[i] : '\0'; };
    argument.clear();
    while (at(pos) != '\0' && !IsSeparator(at(pos))) {
        if (at(pos) == '"') {
            ++pos;
            while (at(pos) != '\0' && at(pos) != '"') argument += line[pos++];
            if (at(pos) == '"') ++pos;
        } else {
            argument += line[pos++];
        }
    }
    return true;
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine)
{
    std::vector<std::string> arguments;
    size_t pos = 0;
    std::string argument;
    while (NextArgument(commandLine, pos, argument)) arguments.push_back(argument);
    return arguments;
}

std::string FirstArgument(std::string_view commandLine)
{
    size_t pos = 0;
    std::string argument;
    if (!NextArgument(commandLine, pos, argument)) return {};
    if (!NextArgument(commandLine, pos, argument)) return {};
    return argument;
}

bool IsSilentModeFor(std::string_view commandLine, std::string_view exePath)
{
    const std::string first = FirstArgument(commandLine);
    if (first == "s" || first == "/s" || first == "-s") return true;
    return ExtractFileName(exePath).find("jm") != std::string_view::npos;
}

DeploymentSwitches ReadDeploymentSwitches(std::string_view commandLine)
{
    DeploymentSwitches switches;
    commandLine = commandLine.substr(0, commandLine.find('\0'));
    std::string argument;
    size_t pos = 0;
    NextArgument(commandLine, pos, argument); // the program path
    while (SkipSeparators(commandLine, pos)) {
        // "/D=" takes the rest of the line: a folder may hold blanks. A shell that
        // quotes the whole switch ("/D=C:\a b") is understood too.
        std::string_view rest = commandLine.substr(pos);
        const bool quoted = rest.starts_with('"');
        if (rest.substr(quoted ? 1 : 0).starts_with("/D=")) {
            rest.remove_prefix(quoted ? 4 : 3);
            while (!rest.empty() && IsSeparator(rest.back())) rest.remove_suffix(1);
            if (quoted && rest.ends_with('"')) rest.remove_suffix(1);
            switches.Folder = std::string(rest);
            break;
        }
        NextArgument(commandLine, pos, argument);
        if (argument.size() >= 5 && LowerAscii(argument.substr(0, 5)) == "/log=") switches.LogFile = argument.substr(5);
    }
    return switches;
}
