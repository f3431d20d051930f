#include <gtest/gtest.h>

#include "install/Upgrade.h"

using enum UpgradeKind;

TEST(Upgrade, WhichAnswerForWhichEarlierVersion)
{
    struct Case {
        const char* earlier; // nullptr: no earlier install
        UpgradeKind kind;
    };
    const Case cases[] = {
        {nullptr, Fresh},
        {"2.4.9.9999", Upgrade},
        {"2.5", Upgrade},          // missing parts count as 0: 2.5.0.0
        {"2.5.0.1024.0", Repair},
        {"2.5.0.1024", Repair},
        {"2.5.0.1025", Downgrade},
        {"10.0", Downgrade},       // numbers, not text: 10 > 2
        {"2.10.0.0", Downgrade},
        {"", Upgrade},             // an entry without a version never blocks an install
        {"2.5.0.1024 beta", Upgrade},
        {"2..5", Upgrade},
        {"-1.0", Upgrade},
        {"99999999999999999999.0", Upgrade}, // too large to be a version
    };
    for (const Case& c : cases) {
        const auto earlier =
            c.earlier ? std::optional(EarlierInstall{R"(D:\Apps\Tavio\)", c.earlier}) : std::nullopt;
        EXPECT_EQ(UpgradeKindOf(earlier, "2.5.0.1024"), c.kind) << (c.earlier ? c.earlier : "none");
    }
}

TEST(Upgrade, WhichFolderIsOffered)
{
    const EarlierInstall earlier{R"(D:\Apps\Tavio\)", "2.4.0.1"};
    int asked = 0;
    const auto usual = [&] {
        ++asked;
        return std::string(R"(C:\Program Files\Tavio\)");
    };
    EXPECT_EQ(OfferedFolder(std::nullopt, std::nullopt, usual), R"(C:\Program Files\Tavio\)");
    EXPECT_EQ(OfferedFolder(std::nullopt, earlier, usual), earlier.Folder);
    EXPECT_EQ(OfferedFolder(std::string(R"(E:\Tavio)"), earlier, usual), R"(E:\Tavio)"); // "/D=" wins
    EXPECT_EQ(asked, 1); // and Program Files is tried only when nothing else is known
}
