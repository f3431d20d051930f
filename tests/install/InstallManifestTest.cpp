#include <gtest/gtest.h>

#include "install/InstallFlow.h"
#include "install/InstallManifest.h"

using Kind = InstallManifest::Kind;

TEST(InstallManifest, RoundTripKeepsEveryItemOnceAndInOrder)
{
    InstallManifest manifest;
    manifest.Add(Kind::Folder, "skins");
    manifest.Add(Kind::File, "skins\\蓝色.png");
    manifest.Add(Kind::File, "Tavio.exe");
    manifest.Add(Kind::File, "Tavio.exe"); // once only
    manifest.Add(Kind::Shortcut, "C:\\Users\\李\\Desktop\\塔维欧.lnk");
    manifest.Add(Kind::ShortcutFolder, "C:\\Users\\李\\Start Menu\\Programs\\塔维欧");
    manifest.Add(Kind::DataFile, "C:\\Users\\李\\AppData\\Roaming\\Tavio\\mirelff.dat");
    manifest.Add(Kind::RegistryValue, "HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\tavio");
    manifest.Add(Kind::RegistryKey, "HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\塔维欧");
    const auto back = InstallManifest::Parse(manifest.Text());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Items, manifest.Items);
    EXPECT_EQ(back->Paths(Kind::File), (std::vector<std::string>{"skins\\蓝色.png", "Tavio.exe"}));
    // Line ends of either kind, a byte-order mark and comments are read all the same.
    EXPECT_EQ(InstallManifest::Parse("\xEF\xBB\xBF# Tavio install manifest 1\n# note\nfile a.txt\n\n")->Items,
              (std::vector<InstallManifest::Item>{{Kind::File, "a.txt"}}));
}

TEST(InstallManifest, MergeAddsWhatAnEarlierInstallMadeAndThisOneDidNot)
{
    InstallManifest earlier, now;
    earlier.Add(Kind::File, "old.dll");
    earlier.Add(Kind::File, "Tavio.exe");
    now.Add(Kind::File, "Tavio.exe");
    now.Merge(earlier);
    EXPECT_EQ(now.Paths(Kind::File), (std::vector<std::string>{"Tavio.exe", "old.dll"}));
}

// One bad line makes the whole list untrusted: an uninstaller then removes only the
// names it knows.
TEST(InstallManifest, DamagedListsAreRefusedWhole)
{
    const char* header = "# Tavio install manifest 1\r\n";
    const std::pair<const char*, std::string> damaged[] = {
        {"no header", "file Tavio.exe\r\n"},
        {"another header", "# Tavio install manifest 2\r\nfile Tavio.exe\r\n"},
        {"empty text", ""},
        {"unknown kind", std::string(header) + "tree C:\\\r\n"},
        {"no path", std::string(header) + "file\r\n"},
        {"absolute file", std::string(header) + "file C:\\Windows\\notepad.exe\r\n"},
        {"file leading out", std::string(header) + "file ..\\..\\Windows\\notepad.exe\r\n"},
        {"folder leading out", std::string(header) + "folder skins\\..\\..\r\n"},
        {"root-relative file", std::string(header) + "file \\Windows\\notepad.exe\r\n"},
        {"drive-relative file", std::string(header) + "file C:notepad.exe\r\n"},
        {"empty part", std::string(header) + "file skins\\\\a.png\r\n"},
        {"shortcut that is no shortcut", std::string(header) + "shortcut C:\\Users\\li\\thesis.docx\r\n"},
        {"relative shortcut", std::string(header) + "shortcut Desktop\\塔维欧.lnk\r\n"},
        {"machine registry", std::string(header) + "registry-key HKLM\\SOFTWARE\\Tavio\r\n"},
        {"truncated mid-line", std::string(header) + "file Tavio.exe\r\nregistry-key HK"},
    };
    for (const auto& [name, text] : damaged) EXPECT_FALSE(InstallManifest::Parse(text)) << name;
}

TEST(NoSpace, NamesTheSpaceNeededAndAvailableAndKeepsAMargin)
{
    EXPECT_EQ(std::string(NoSpaceError(104857600 + 1, 52428800).what()),
              "安装目录所在的磁盘空间不足：需要 100.1 MB，可用 50.0 MB。请释放磁盘空间或选择其他安装目录。");
    EXPECT_TRUE(FitsOnDisk(100, 100 + 1048576));
    EXPECT_FALSE(FitsOnDisk(100, 100 + 1048575));
    EXPECT_FALSE(FitsOnDisk(200, 100));
}
