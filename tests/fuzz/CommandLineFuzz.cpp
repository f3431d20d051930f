// The command line and the installer's own file name: the argument split, the run
// mode, the folder of "/D=" and the channel tag. Input: the command line, then after the last byte 0x01
// the executable's path (the line alone when there is none).
#include <algorithm>

#include "Fuzz.h"
#include "base/PathText.h"
#include "install/CommandLine.h"
#include "install/InstallFolder.h"
#include "pages/ChannelTag.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input = AsText(data, size);
    const size_t cut = input.rfind('\x01');
    const std::string_view line = input.substr(0, cut == std::string_view::npos ? size : cut);
    const std::string_view exePath = cut == std::string_view::npos ? line : input.substr(cut + 1);

    const std::vector<std::string> arguments = SplitCommandLine(line);
    size_t characters = 0;
    for (const std::string& argument : arguments) {
        FUZZ_CHECK(argument.find('"') == std::string::npos && argument.find('\0') == std::string::npos);
        characters += argument.size();
    }
    FUZZ_CHECK(characters <= line.size());
    FUZZ_CHECK(FirstArgument(line) == (arguments.size() > 1 ? arguments[1] : std::string()));
    (void)IsSilentModeFor(line, exePath);
    if (const auto folder = ReadDeploymentSwitches(line).Folder) {
        // A folder the rule takes is taken again as it is, and is never a root.
        const SystemFolders system{R"(C:\Windows)", {R"(C:\Program Files)", R"(\\server\share\li)"}};
        const FolderChoice choice = CheckInstallFolder(*folder, system);
        FUZZ_CHECK(choice.Folder.empty() != choice.Error.empty());
        if (!choice.Folder.empty()) {
            FUZZ_CHECK(CheckInstallFolder(choice.Folder, system).Folder == choice.Folder);
            FUZZ_CHECK(choice.Folder.ends_with('\\') && CanonicalPath(choice.Folder).value_or("") + '\\' == choice.Folder);
        }
    }

    const std::string_view name = ExtractFileName(exePath);
    FUZZ_CHECK(name.find_first_of("\\:") == std::string_view::npos);
    const std::string stem = NameWithoutExtension(exePath);
    FUZZ_CHECK(stem.find('.') == std::string::npos && name.starts_with(stem));
    if (const auto tag = ChannelTagOf(name)) {
        FUZZ_CHECK(tag->find(']') == std::string::npos);
        FUZZ_CHECK(tag->empty() || name.find("[" + *tag + "]") != std::string_view::npos);
        FUZZ_CHECK(*tag == TextBetween(name, "[", "]"));
    }
    return 0;
}
