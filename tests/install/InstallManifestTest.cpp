#include <gtest/gtest.h>

#include "install/InstallFlow.h"
#include "install/InstallManifest.h"

using Kind = InstallManifest::Kind;

namespace {

// A person whose desktop and start menu are redirected to a server.
struct ManifestTest : ::testing::Test {
    const InstallPlaces places{R"(C:\Program Files\Tavio\)", R"(\\server\share\li\Desktop)",
                               R"(C:\Users\李\AppData\Roaming)", R"(\\server\share\li\Start Menu\Programs)"};
    static std::optional<InstallManifest> Read(std::string_view lines, const InstallPlaces& where)
    {
        return InstallManifest::Read("# Tavio install manifest 1\r\n" + std::string(lines), where);
    }
};

} // namespace

TEST_F(ManifestTest, WhatAnInstallListsIsReadBackWhole)
{
    InstallManifest manifest;
    manifest.Add(Kind::Folder, "skins");
    manifest.Add(Kind::File, "skins\\蓝色.png");
    manifest.Add(Kind::File, "Tavio.exe"); // once only, though Known lists it too
    manifest.Merge(InstallManifest::Known(places));
    const auto back = InstallManifest::Read(manifest.Text(), places);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Items, manifest.Items);
    EXPECT_EQ(back->Refused, std::vector<std::string>{});
    EXPECT_EQ(back->Paths(Kind::Shortcut).size(), 4u);
    // Line ends of either kind, a byte-order mark and comments are read all the same.
    EXPECT_EQ(InstallManifest::Read("\xEF\xBB\xBF# Tavio install manifest 1\n# note\nfile a.txt\n\n", places)->Items,
              (std::vector<InstallManifest::Item>{{Kind::File, "a.txt"}}));
    for (const char* text : {"file Tavio.exe\r\n", "# Tavio install manifest 2\r\nfile Tavio.exe\r\n", ""})
        EXPECT_FALSE(InstallManifest::Read(text, places)) << text; // no list at all
}

TEST_F(ManifestTest, MergeAddsWhatAnEarlierInstallMadeAndThisOneDidNot)
{
    InstallManifest earlier, now;
    earlier.Add(Kind::File, "old.dll");
    earlier.Add(Kind::File, "Tavio.exe");
    now.Add(Kind::File, "Tavio.exe");
    now.Merge(earlier);
    EXPECT_EQ(now.Paths(Kind::File), (std::vector<std::string>{"Tavio.exe", "old.dll"}));
}

// A list can be edited by anyone who can write the install folder: it is trusted with
// nothing an install of ours cannot have made, line by line.
TEST_F(ManifestTest, OnlyWhatAnInstallOfOursMakesIsKept)
{
    const std::pair<const char*, std::optional<std::string>> lines[] = {
        {R"(shortcut \\server\share\li\Desktop\塔维欧.lnk)", R"(\\server\share\li\Desktop\塔维欧.lnk)"},
        {R"(shortcut \\SERVER\share\li\desktop\塔维欧.lnk)", R"(\\SERVER\share\li\desktop\塔维欧.lnk)"},
        {R"(shortcut \\server\share\li\Start Menu\Programs\塔维欧\卸载塔维欧.lnk)",
         R"(\\server\share\li\Start Menu\Programs\塔维欧\卸载塔维欧.lnk)"},
        {R"(shortcut-folder \\server\share\li\Start Menu\Programs\塔维欧)", R"(\\server\share\li\Start Menu\Programs\塔维欧)"},
        {R"(shortcut C:\Users\李\AppData\Roaming\Microsoft\Internet Explorer\Quick Launch\塔维欧.lnk)",
         R"(C:\Users\李\AppData\Roaming\Microsoft\Internet Explorer\Quick Launch\塔维欧.lnk)"},
        {R"(data-file C:\Users\李\AppData\Roaming\Tavio\..\Tavio\mirelff.dat)", R"(C:\Users\李\AppData\Roaming\Tavio\mirelff.dat)"},
        {R"(registry-key HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧)",
         R"(HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧)"},
        {R"(registry-value HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run\tavio)",
         R"(HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run\tavio)"},
        {R"(file skins\蓝色.png)", R"(skins\蓝色.png)"},
        {R"(data-file C:\Users\李\AppData\Roaming\Tavio\..\..\Local\thesis.docx)", std::nullopt},
        {R"(data-file C:\Users\李\AppData\Roaming\Tavio\settings.ini)", std::nullopt},
        {R"(shortcut \\server\share\li\Desktop\Word.lnk)", std::nullopt},
        {R"(shortcut C:\Users\李\Desktop\塔维欧.lnk)", std::nullopt}, // the desktop is elsewhere now
        {R"(shortcut \\server\share\li\Desktop\..\Documents\塔维欧.lnk)", std::nullopt},
        {R"(shortcut \\server\share\li\Desktop\塔维欧.lnk.)", std::nullopt},
        {R"(shortcut-folder \\server\share\li\Start Menu\Programs)", std::nullopt},
        {R"(registry-key HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Other)", std::nullopt},
        {R"(registry-key HKCU\Software)", std::nullopt},
        {R"(registry-key HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧)", std::nullopt},
        {R"(registry-value HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run\other)", std::nullopt},
        {R"(file ..\..\Windows\notepad.exe)", std::nullopt},
        {R"(folder skins\..\..)", std::nullopt},
        {R"(file C:\Windows\notepad.exe)", std::nullopt},
        {R"(file \Windows\notepad.exe)", std::nullopt},
        {R"(file C:notepad.exe)", std::nullopt},
        {R"(file skins\\a.png)", std::nullopt},
        {R"(file Tavio.exe:hidden)", std::nullopt},
        {R"(tree C:\)", std::nullopt},
        {"file", std::nullopt},
    };
    for (const auto& [line, kept] : lines) {
        const auto read = Read(std::string(line) + "\r\n", places);
        ASSERT_TRUE(read) << line;
        EXPECT_EQ(read->Items.empty() ? std::nullopt : std::optional(read->Items[0].path), kept) << line;
        EXPECT_EQ(read->Refused, kept ? std::vector<std::string>{} : std::vector<std::string>{line}) << line;
    }
    // A shell folder the shell cannot name holds nothing of ours.
    InstallPlaces nowhere = places;
    nowhere.Desktop.clear();
    EXPECT_EQ(Read(R"(shortcut \\server\share\li\Desktop\塔维欧.lnk)", nowhere)->Refused.size(), 1u);
}

TEST(StartsFromFolder, TheProgramOfACommandLineLiesInTheFolder)
{
    const std::pair<const char*, bool> commands[] = {
        {R"("C:\Program Files\Tavio\tavio.exe"  Minimize )", true},
        {R"(C:\Tavio\tavio.exe /x)", true},
        {R"("C:\Program Files\Tavio\..\Other\tavio.exe")", false},
        {R"("C:\Program Files\Tavio2\tavio.exe")", false},
    };
    for (const auto& [command, inside] : commands)
        EXPECT_EQ(StartsFromFolder(command, command[0] == '"' ? R"(C:\Program Files\Tavio\)" : R"(C:\Tavio)"), inside)
            << command;
}

TEST(NoSpace, NamesTheSpaceNeededAndAvailableAndKeepsAMargin)
{
    EXPECT_EQ(std::string(NoSpaceError(104857600 + 1, 52428800).what()),
              "安装目录所在的磁盘空间不足：需要 100.1 MB，可用 50.0 MB。请释放磁盘空间或选择其他安装目录。");
    EXPECT_TRUE(FitsOnDisk(100, 100 + 1048576));
    EXPECT_FALSE(FitsOnDisk(100, 100 + 1048575));
    EXPECT_FALSE(FitsOnDisk(200, 100));
}
