#include "base/PathText.h"
#include "install/CommandLine.h"

#include <gtest/gtest.h>

using Args = std::vector<std::string>;

TEST(SplitCommandLine, SeparatesAtRunsOfControlCodesAndBlanks)
{
    EXPECT_EQ(SplitCommandLine("setup.exe  /s\t\tx\r\ny"), (Args{"setup.exe", "/s", "x", "y"}));
    EXPECT_EQ(SplitCommandLine(std::string("a\x01" "b\x1f" "c", 5)), (Args{"a", "b", "c"}));
    EXPECT_EQ(SplitCommandLine("   "), Args{});
    EXPECT_EQ(SplitCommandLine(""), Args{});
}

TEST(SplitCommandLine, QuotesOpenStretchesAndAreDropped)
{
    EXPECT_EQ(SplitCommandLine(R"("C:\Program Files\setup.exe" "/s")"), (Args{R"(C:\Program Files\setup.exe)", "/s"}));
    EXPECT_EQ(SplitCommandLine(R"(a"b c"d e)"), (Args{"ab cd", "e"}));
    // An unclosed stretch runs to the end of the line.
    EXPECT_EQ(SplitCommandLine(R"(x "open to the end)"), (Args{"x", "open to the end"}));
}

TEST(SplitCommandLine, LonePairOfQuotesIsASeparator)
{
    EXPECT_EQ(SplitCommandLine(R"(setup.exe "" /s)"), (Args{"setup.exe", "/s"}));
    EXPECT_EQ(SplitCommandLine(R"(setup.exe """"/s)"), (Args{"setup.exe", "/s"}));
    // Inside an argument a pair is an empty stretch, not a separator.
    EXPECT_EQ(SplitCommandLine(R"(a""b)"), Args{"ab"});
}

TEST(SplitCommandLine, BackslashIsPlain)
{
    EXPECT_EQ(SplitCommandLine(R"(a\"b c\" d)"), (Args{R"(a\b c\)", "d"}));
    EXPECT_EQ(SplitCommandLine(R"(C:\dir\ \\x)"), (Args{R"(C:\dir\)", R"(\\x)"}));
}

TEST(SplitCommandLine, NulEndsTheLine)
{
    EXPECT_EQ(SplitCommandLine(std::string("a b\0c", 5)), (Args{"a", "b"}));
}

TEST(SplitCommandLine, KeepsUtf8Bytes)
{
    EXPECT_EQ(SplitCommandLine("安装.exe \"塔维欧 播放器\""), (Args{"安装.exe", "塔维欧 播放器"}));
}

TEST(FirstArgument, IsTheOneAfterTheProgramPath)
{
    EXPECT_EQ(FirstArgument(R"("C:\a b\setup.exe" -s /x)"), "-s");
    EXPECT_EQ(FirstArgument("setup.exe"), "");
    EXPECT_EQ(FirstArgument(""), "");
    EXPECT_EQ(FirstArgument(R"(setup.exe "" "")"), "");
}

namespace {
bool Silent(std::string_view commandLine, std::string_view exePath = R"(C:\Downloads\TavioSetup.exe)")
{
    return IsSilentModeFor(commandLine, exePath);
}
} // namespace

TEST(IsSilentMode, FirstArgumentSelectsItExactly)
{
    EXPECT_FALSE(Silent("TavioSetup.exe"));
    EXPECT_TRUE(Silent("TavioSetup.exe s"));
    EXPECT_TRUE(Silent("TavioSetup.exe /s"));
    EXPECT_TRUE(Silent("TavioSetup.exe -s"));
    EXPECT_TRUE(Silent(R"(TavioSetup.exe "/s")"));
    EXPECT_TRUE(Silent(R"("C:\Down loads\TavioSetup.exe" /s other)"));
    for (const char* line : {"TavioSetup.exe /S", "TavioSetup.exe -S", "TavioSetup.exe S",
                             "TavioSetup.exe /silent", R"(TavioSetup.exe "/s ")", "TavioSetup.exe //s",
                             "TavioSetup.exe x /s", "TavioSetup.exe \"\"s\"\"x"})
        EXPECT_FALSE(Silent(line)) << line;
}

TEST(IsSilentMode, JmInTheFileNameSelectsIt)
{
    EXPECT_TRUE(Silent("setup_jm.exe", R"(C:\Downloads\setup_jm.exe)"));
    EXPECT_TRUE(Silent("jm.exe /S", R"(C:\jm.exe)"));
    EXPECT_TRUE(Silent("x", R"(C:\dl\xjmx.exe)"));
    EXPECT_TRUE(Silent("x", R"(D:setup_jm.exe)"));
    EXPECT_FALSE(Silent("x", R"(C:\dl\setup_JM.exe)"));
    EXPECT_FALSE(Silent("x", R"(C:\dl\setup_Jm.exe)"));
    // Only the file-name part counts.
    EXPECT_FALSE(Silent("x", R"(C:\jm\setup.exe)"));
    EXPECT_FALSE(Silent("x", R"(C:jm\setup.exe)"));
}

TEST(PathText, FileNameIsAfterLastBackslashOrColon)
{
    EXPECT_EQ(ExtractFileName(R"(C:\a\b.exe)"), "b.exe");
    EXPECT_EQ(ExtractFileName("C:b.exe"), "b.exe");
    EXPECT_EQ(ExtractFileName("b.exe"), "b.exe");
    EXPECT_EQ(ExtractFileName(R"(C:\a\)"), "");
}

TEST(PathText, TrailingBackslashAddedOnce)
{
    EXPECT_EQ(IncludeTrailingBackslash(R"(C:\Tavio)"), R"(C:\Tavio\)");
    EXPECT_EQ(IncludeTrailingBackslash(R"(C:\Tavio\)"), R"(C:\Tavio\)");
    EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
}

TEST(DeploymentSwitches, FolderIsTheRestOfTheLineAndTheLogAnArgumentBeforeIt)
{
    struct Case {
        const char* line;
        std::optional<std::string> folder, log;
        bool silent;
    };
    const Case cases[] = {
        {R"("C:\dl\TavioSetup.exe" /s /D=C:\Apps\Tavio Player)", R"(C:\Apps\Tavio Player)", {}, true},
        {R"(TavioSetup.exe /s /LOG=C:\logs\tavio.log /D=D:\塔维欧  )", R"(D:\塔维欧)", R"(C:\logs\tavio.log)", true},
        {R"(TavioSetup.exe /LOG="C:\my logs\t.log" /s)", {}, R"(C:\my logs\t.log)", false}, // /s not first
        {R"(TavioSetup.exe /D=)", "", {}, false},
        {R"(TavioSetup.exe /s "/D=C:\Apps\Tavio Player")", R"(C:\Apps\Tavio Player)", {}, true},
        {R"(TavioSetup.exe /d=C:\x)", {}, {}, false}, // the switch is "/D=", upper case
        {R"(C:\dl\A/D=B\TavioSetup.exe /s)", {}, {}, true}, // only after a blank
        {R"(TavioSetup.exe /s)", {}, {}, true},
    };
    for (const Case& c : cases) {
        const DeploymentSwitches switches = ReadDeploymentSwitches(c.line);
        EXPECT_EQ(switches.Folder, c.folder) << c.line;
        EXPECT_EQ(switches.LogFile, c.log) << c.line;
        EXPECT_EQ(Silent(c.line), c.silent) << c.line; // the first argument alone decides
    }
}

TEST(DeploymentSwitches, FolderMustBeAbsoluteAndFreeOfForbiddenCharacters)
{
    const std::pair<const char*, const char*> usable[] = {
        {R"(C:\Apps\Tavio Player)", R"(C:\Apps\Tavio Player\)"},
        {R"(d:\塔维欧\)", R"(d:\塔维欧\)"},
        {R"(\\server\share\Tavio)", R"(\\server\share\Tavio\)"},
    };
    for (const auto& [given, used] : usable) {
        const FolderChoice choice = CheckInstallFolder(given);
        EXPECT_EQ(choice.Error, "") << given;
        EXPECT_EQ(choice.Folder, used) << given;
    }
    for (const char* bad : {"", R"(relative\path)", R"(\Apps\Tavio)", "C:Tavio", R"(C:\a<b)", R"(C:\a|b)",
                            R"(C:\a:b)", R"(C:\a?b)", R"(C:\a"b)", "C:\\a\tb", R"(\\)"}) {
        const FolderChoice choice = CheckInstallFolder(bad);
        EXPECT_EQ(choice.Folder, "") << bad;
        EXPECT_NE(choice.Error.find("无效"), std::string::npos) << bad;
        EXPECT_NE(choice.Error.find(bad), std::string::npos) << bad; // it names what was given
    }
}
