#include <gtest/gtest.h>

#include "base/PathText.h"
#include "install/InstallFlow.h"
#include "install/ProcessNames.h"
#include "pages/ChannelTag.h"

using Strings = std::vector<std::string>;

TEST(SplitList, KeepsTheEmptyLastPartAndNothingForEmptyText)
{
    EXPECT_EQ(SplitList("a|b|c", '|'), (Strings{"a", "b", "c"}));
    EXPECT_EQ(SplitList("a|", '|'), (Strings{"a", ""}));
    EXPECT_EQ(SplitList("a", '|'), Strings{"a"});
    EXPECT_EQ(SplitList("", '|'), Strings{});
    EXPECT_EQ(SplitList("|", '|'), (Strings{"", ""}));
}

TEST(CountNameHits, EntriesAreFoundInsideTheLowerCasedName)
{
    const std::string_view list = "tavlite.exe|tavio.exe|tavnet.exe|tavxfer.exe|tavnotes.exe|MirelNotes.exe";
    EXPECT_EQ(CountNameHits(list, "tavio.exe"), 1);
    EXPECT_EQ(CountNameHits(list, LowerAscii("TAVIO.EXE")), 1);
    EXPECT_EQ(CountNameHits(list, LowerAscii("MirelNotes.exe")), 1); // the entry is lower-cased too
    EXPECT_EQ(CountNameHits(list, "mytavio.exe"), 3);
    EXPECT_EQ(CountNameHits(list, "tavio"), 0);   // the entry is not inside the name
    EXPECT_EQ(CountNameHits(list, "notepad.exe"), 0);
    EXPECT_EQ(CountNameHits("a.exe||", "x"), 0);   // empty entries never match
    EXPECT_EQ(CountNameHits("b|ab", "ab"), 2 + 1); // positions add up
    EXPECT_EQ(LowerAscii("ÄBC塔"), "Äbc塔");
}

TEST(PumpWait, CountsAcrossTheTickCounterWrap)
{
    uint32_t now = 0xFFFFFF00u;
    int pumps = 0, sleeps = 0;
    PumpWaitWith(
        1000, [&] { return now; }, [&] { ++pumps; }, [&] { ++sleeps, now += 10; });
    EXPECT_EQ(sleeps, 100);
    EXPECT_EQ(pumps, 100);
    EXPECT_EQ(now, 0xFFFFFF00u + 1000u); // wrapped past zero
    sleeps = 0;
    PumpWaitWith(
        0, [&] { return now; }, [&] {}, [&] { ++sleeps; });
    EXPECT_EQ(sleeps, 0);
    pumps = 0; // a round that stops the wait ends it before its sleep
    PumpWaitWith(
        1000, [&] { return now; }, [&] { ++pumps; }, [&] { ++sleeps, now += 10; }, [&] { return pumps == 3; });
    EXPECT_EQ(pumps, 3);
    EXPECT_EQ(sleeps, 2);
}

TEST(ShutdownPasses, StopAtTheFirstQuietPassOrAfterTwentyOne)
{
    std::vector<uint32_t> waits;
    int statuses = 0, calls = 0;
    auto wait = [&](uint32_t ms) { waits.push_back(ms); };
    EXPECT_EQ(RunShutdownPasses([&] { ++statuses; }, [&] { return ++calls < 0; }, wait), 1);
    EXPECT_EQ(statuses, 1);
    EXPECT_TRUE(waits.empty()); // nothing stopped: no pause

    calls = statuses = 0;
    EXPECT_EQ(RunShutdownPasses([&] { ++statuses; }, [&] { return ++calls <= 2; }, wait), 3);
    EXPECT_EQ(waits, (std::vector<uint32_t>{1000, 1000}));

    waits.clear();
    calls = 0;
    EXPECT_EQ(RunShutdownPasses([] {}, [&] { return ++calls > 0; }, wait), 21); // always something to stop
    EXPECT_EQ(calls, 21);
    EXPECT_EQ(waits.size(), 21u); // the last pass waits too
}

TEST(ProgressReports, DebugLinesAndScaledPositions)
{
    EXPECT_EQ(ProgressLine(true, 1000), "-1 ->1000");
    EXPECT_EQ(ProgressLine(false, 250), "0 ->250");
    EXPECT_EQ(ProgressLine(false, -5), "0 ->-5");
    ProgressScale scale;
    EXPECT_EQ(scale.SetTotal(1000), 1000);
    EXPECT_EQ(scale.Position(250), 250);
    const int64_t huge = 6'000'000'000LL; // beyond 32 bits
    const int32_t max = scale.SetTotal(huge);
    EXPECT_GT(max, 1'000'000'000);
    EXPECT_EQ(scale.Position(huge), max);
    EXPECT_EQ(scale.Position(huge / 2), max / 2);
}

TEST(TextHelpers, TextBetweenAndChannelTags)
{
    EXPECT_EQ(TextBetween("TavioSetup[abc].exe", "[", "]"), "abc");
    EXPECT_EQ(TextBetween("TavioSetup[a][b].exe", "[", "]"), "a");
    EXPECT_EQ(TextBetween("TavioSetup]x[y].exe", "[", "]"), "y");
    EXPECT_EQ(TextBetween("TavioSetup[abc.exe", "[", "]"), "");
    EXPECT_EQ(TextBetween("TavioSetup[].exe", "[", "]"), "");
    EXPECT_EQ(ChannelTagOf("TavioSetup[e2e].exe"), "e2e");
    EXPECT_EQ(ChannelTagOf("TavioSetup[abc.exe"), "");
    EXPECT_EQ(ChannelTagOf("TavioSetup.exe"), std::nullopt);
    EXPECT_EQ(ChannelTagFolderFor("C:\\Users\\u\\AppData\\Roaming"), "C:\\Users\\u\\AppData\\Roaming\\Tavio\\");
    EXPECT_EQ(ChannelTagFolderFor(""), "\\Tavio\\"); // APPDATA unset: the root of the drive
}

TEST(TextHelpers, NameWithoutExtensionAndReplaceAll)
{
    EXPECT_EQ(NameWithoutExtension("C:\\Program Files\\Tavio\\tavio.exe"), "tavio");
    EXPECT_EQ(NameWithoutExtension("a.b.exe"), "a");
    EXPECT_EQ(NameWithoutExtension("C:\\x.y\\noext"), "");
    EXPECT_EQ(NameWithoutExtension(""), "");
    EXPECT_EQ(ReplaceAll("C:\\a\\b", "\\", "\\\\"), "C:\\\\a\\\\b");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
}
