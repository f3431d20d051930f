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

TEST(PathText, CanonicalPathsOfDrivesAndSharesOnly)
{
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {R"(C:\Apps\Tavio\)", R"(C:\Apps\Tavio)"},
        {R"(c:/Apps//Tavio/./x)", R"(c:\Apps\Tavio\x)"},
        {R"(C:\Apps\..\Windows)", R"(C:\Windows)"},
        {R"(C:\)", R"(C:\)"},
        {R"(\\server\share\Tavio\)", R"(\\server\share\Tavio)"},
        {R"(\\server\share)", R"(\\server\share\)"},
        {R"(\\server\share\a\..\..\b)", std::nullopt}, // above the share
        {R"(C:\..)", std::nullopt},
        {R"(C:\Tavio.\x)", std::nullopt}, // Windows would read "C:\Tavio\x"
        {R"(C:\Tavio \x)", std::nullopt},
        {R"(\\server)", std::nullopt},
        {R"(\\server\)", std::nullopt},
        {R"(\\.\pipe\x)", std::nullopt},
        {R"(\\?\C:\x)", std::nullopt},
        {R"(\\?\UNC\server\share\x)", std::nullopt},
        {"D:", std::nullopt},
        {"D:Tavio", std::nullopt},
        {"Tavio", std::nullopt},
        {R"(\Tavio)", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [path, canonical] : cases) EXPECT_EQ(CanonicalPath(path), canonical) << path;
    EXPECT_TRUE(IsPathInside(R"(c:\apps\TAVIO\tavio.exe)", R"(C:\Apps\Tavio\)"));
    EXPECT_TRUE(IsPathInside(R"(\\server\share\Tavio\x\..\y.exe)", R"(\\SERVER\share\Tavio)"));
    EXPECT_FALSE(IsPathInside(R"(C:\Apps\Tavio)", R"(C:\Apps\Tavio\)")); // the folder itself
    EXPECT_FALSE(IsPathInside(R"(C:\Apps\Tavio2\x)", R"(C:\Apps\Tavio)"));
    EXPECT_FALSE(IsPathInside(R"(C:\Apps\Tavio\..\x)", R"(C:\Apps\Tavio)"));
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
        // Only as an argument of its own: not inside the program path or a quoted value.
        {R"("C:\dl /D=x\TavioSetup.exe" /s /D=C:\Apps)", R"(C:\Apps)", {}, true},
        {R"(TavioSetup.exe /s "/LOG=C:\my /D=logs\t.log" /D=C:\Apps)", R"(C:\Apps)", R"(C:\my /D=logs\t.log)", true},
        {R"("C:\dl /D=x\TavioSetup.exe" /s)", {}, {}, true},
        {R"(TavioSetup.exe /s)", {}, {}, true},
    };
    for (const Case& c : cases) {
        const DeploymentSwitches switches = ReadDeploymentSwitches(c.line);
        EXPECT_EQ(switches.Folder, c.folder) << c.line;
        EXPECT_EQ(switches.LogFile, c.log) << c.line;
        EXPECT_EQ(Silent(c.line), c.silent) << c.line; // the first argument alone decides
    }
}
