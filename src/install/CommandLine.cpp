#include "install/CommandLine.h"

#include <algorithm>

#include "base/PathText.h"
#include "install/ProcessNames.h"

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

DeploymentSwitches ReadDeploymentSwitches(std::string_view commandLine)
{
    DeploymentSwitches switches;
    // "/D=" after a blank, to the end of the line: a folder may hold blanks.
    std::string_view before = commandLine;
    for (size_t at = commandLine.find("/D="); at != std::string_view::npos; at = commandLine.find("/D=", at + 1)) {
        // A shell that quotes the whole switch ("/D=C:\a b") is understood too.
        const bool quoted = at >= 2 && commandLine[at - 1] == '"' && IsSeparator(commandLine[at - 2]);
        if (at == 0 || !(quoted || IsSeparator(commandLine[at - 1]))) continue;
        std::string_view folder = commandLine.substr(at + 3);
        while (!folder.empty() && IsSeparator(folder.back())) folder.remove_suffix(1);
        if (quoted && folder.ends_with('"')) folder.remove_suffix(1);
        switches.Folder = std::string(folder);
        before = commandLine.substr(0, quoted ? at - 1 : at);
        break;
    }
    const std::vector<std::string> arguments = SplitCommandLine(before);
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() >= 5 && LowerAscii(argument.substr(0, 5)) == "/log=") switches.LogFile = argument.substr(5);
    }
    return switches;
}

FolderChoice CheckInstallFolder(std::string_view folder)
{
    const bool drive = folder.size() >= 3 && ((folder[0] | 0x20) >= 'a' && (folder[0] | 0x20) <= 'z') &&
                       folder[1] == ':' && folder[2] == '\\';
    const bool share = folder.size() > 2 && folder.starts_with("\\\\") && folder[2] != '\\';
    const std::string_view rest = folder.substr(drive ? 3 : 0);
    const bool forbidden = std::any_of(rest.begin(), rest.end(), [](char c) {
        return (c >= 0 && c < ' ') || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
    });
    if (!(drive || share) || forbidden)
        return {{}, "安装目录“" + std::string(folder) +
                        "”无效：请使用完整路径（例如 C:\\Tavio\\），且不要包含 < > : \" | ? * 等字符。"};
    return {IncludeTrailingBackslash(folder), {}};
}
