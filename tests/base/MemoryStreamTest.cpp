#include <gtest/gtest.h>

#include "base/Exception.h"
#include "base/Stream.h"

TEST(MemoryStream, WritesReadsAndSeeksFromEachOrigin)
{
    TMemoryStream s;
    EXPECT_EQ(s.Write("hello world", 11), 11u);
    EXPECT_EQ(s.Position(), 11);
    EXPECT_EQ(s.Seek(-5, TStream::FromEnd), 6);
    char buffer[16] = {};
    EXPECT_EQ(s.Read(buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "world");
    EXPECT_EQ(s.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(s.Seek(-11, TStream::FromCurrent), 0);
    EXPECT_THROW(s.Seek(-1, TStream::FromBeginning), Exception);
    EXPECT_THROW(s.Seek(0, 3), Exception);
}

TEST(MemoryStream, WritingPastTheEndGrowsAndSetSizeClampsThePosition)
{
    TMemoryStream s;
    s.Seek(4, TStream::FromBeginning);
    s.Write("x", 1);
    EXPECT_EQ(s.Size(), 5);
    EXPECT_EQ(s.Bytes()[0], std::byte{0});
    s.SetSize(2);
    EXPECT_EQ(s.Position(), 2);
    char c;
    EXPECT_EQ(s.Read(&c, 1), 0u);
    s.SetSize(0);
    EXPECT_EQ(s.Size(), 0);
}
