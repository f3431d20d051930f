#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/PlayerStart.h"

namespace {

struct Case {
    const char* name;
    Elevation elevation;
    std::string desktopFailure; // what the desktop-user start answers
    std::vector<std::string> expected;
};

} // namespace

TEST(PlayerStart, ShedsElevationOnlyWhenThereIsALinkedToken)
{
    const Case cases[] = {
        {"elevated, as the desktop user", Elevation::Full, "", {"desktop", "debug: as the person at the desktop"}},
        {"elevated, no shell to take the token from", Elevation::Full, "no shell window",
         {"desktop", "debug: with the installer's rights (no shell window)", "direct"}},
        {"limited token: already the person's", Elevation::Limited, "", {"direct"}},
        {"no split token (standard user, or no user account control)", Elevation::Default, "", {"direct"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> calls;
        StartPlayer(c.elevation, {.AsDesktopUser =
                                      [&] {
                                          calls.push_back("desktop");
                                          return c.desktopFailure;
                                      },
                                  .Direct = [&] { calls.push_back("direct"); },
                                  .DebugLine =
                                      [&](const std::string& line) {
                                          const auto from = line.find("starts ") + 7;
                                          calls.push_back("debug: " + line.substr(from, line.size() - from - 1));
                                      }});
        EXPECT_EQ(calls, c.expected) << c.name;
    }
}
