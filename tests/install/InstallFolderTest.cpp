#include <gtest/gtest.h>

#include "install/InstallFolder.h"

using enum FolderRefusal;

namespace {

// A machine whose desktop is redirected to a share.
const SystemFolders System{R"(C:\Windows)",
                           {R"(C:\Program Files)", R"(C:\Program Files (x86))", R"(C:\ProgramData)", R"(C:\Users\li)",
                            R"(C:\Users\li\AppData\Roaming)", R"(C:\Users\li\AppData\Local)",
                            R"(C:\Users\li\AppData\Local\Programs)", R"(C:\Users\li\Documents)",
                            R"(\\server\share\li\Desktop)"}};

} // namespace

TEST(InstallFolder, OneRuleForEveryFolder)
{
    struct Case {
        const char* given;
        FolderRefusal refusal;
        const char* folder = ""; // as the install uses it
    };
    const Case cases[] = {
        {R"(C:\Program Files\Tavio)", None, R"(C:\Program Files\Tavio\)"},
        {R"(d:/塔维欧/)", None, R"(d:\塔维欧\)"},
        {R"(\\server\share\Tavio\)", None, R"(\\server\share\Tavio\)"},
        {R"(C:\Users\li\Documents\Tavio)", None, R"(C:\Users\li\Documents\Tavio\)"},
        {R"(C:\Apps\COM10)", None, R"(C:\Apps\COM10\)"},
        {R"(C:\)", Root},
        {R"(\\server\share\)", Root},
        {R"(C:\Windows)", SystemFolder},
        {R"(C:\Windows\System32\Tavio)", SystemFolder},
        {R"(c:\program files\)", SystemFolder},
        {R"(C:\Users)", SystemFolder},                           // holds the profile
        {R"(\\server\share\li)", SystemFolder},                  // holds the redirected desktop
        {R"(C:\Users\li\AppData\Local\Programs)", SystemFolder}, // every person's programs
        {R"(\\.\pipe\x)", Device},
        {R"(\\?\C:\Tavio)", Device},
        {"D:", NotAbsolute},
        {"Tavio", NotAbsolute},
        {R"(\Tavio)", NotAbsolute},
        {"C:Tavio", NotAbsolute},
        {"", NotAbsolute},
        {R"(C:\Apps\..\Windows)", ReservedName},
        {R"(C:\Apps\CON)", ReservedName},
        {R"(C:\Apps\nul.txt\Tavio)", ReservedName},
        {R"(C:\COM1 )", ReservedName},
        {R"(C:\Apps\Tavio.)", ReservedName},
        {R"(C:\Apps\Tavio \x)", ReservedName},
        {R"(C:\a<b)", ForbiddenCharacter},
        {R"(C:\a:b)", ForbiddenCharacter},
        {"C:\\a\tb", ForbiddenCharacter},
        {R"(\\ser|ver\share\Tavio)", ForbiddenCharacter},
    };
    for (const Case& c : cases) {
        const FolderChoice choice = CheckInstallFolder(c.given, System);
        EXPECT_EQ(choice.Refusal, c.refusal) << c.given;
        EXPECT_EQ(choice.Folder, c.folder) << c.given;
        // A refusal names what was given; an accepted folder has none.
        EXPECT_EQ(choice.Error.find(std::string("“") + c.given + "”") != std::string::npos, c.refusal != None)
            << c.given;
    }
    EXPECT_NE(CheckInstallFolder(R"(D:\)", System).Error.find(R"(D:\Tavio\)"), std::string::npos); // a way out
}
