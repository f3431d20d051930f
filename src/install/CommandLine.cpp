#include "install/CommandLine.h"

#include "framework/PathText.h"

namespace {

bool IsSeparator(char c) { return c >= 1 && c <= ' '; }

// Reads one argument starting at pos; returns false when the line has no more.
bool NextArgument(std::string_view line, size_t& pos, std::string& argument)
{
    auto at = [&](size_t i) { return i < line.size() ? line[i] : '\0'; };
    for (;;) {
        while (IsSeparator(at(pos))) ++pos;
        if (at(pos) == '"' && at(pos + 1) == '"') pos += 2;
        else break;
    }
    if (at(pos) == '\0') return false;
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
