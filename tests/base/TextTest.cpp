#include <gtest/gtest.h>

#include "base/IniFile.h"
#include "base/StringList.h"
#include "base/Unicode.h"

TEST(StringList, SplitsAtEveryLineBreakKindAndSavesWithCrLf)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(list.Lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
    list.SetText("");
    EXPECT_EQ(list.Count(), 0u);
    list.SetText("only\n");
    EXPECT_EQ(list.Lines, std::vector<std::string>{"only"});
    list.SetText("\n\n");
    EXPECT_EQ(list.Lines, (std::vector<std::string>{"", ""}));
}

TEST(IniFile, LinesAreTrimmedCommentsAndStrayLinesSkipped)
{
    TMemIniFile ini("orphan=1\r\n  [ Main ]  \r\n ; a comment\r\n  key = value with = sign  \r\nno equals\r\n\r\n"
                    "empty=\r\n[Other]\nk=2\n");
    EXPECT_FALSE(ini.ValueExists("Main", "orphan"));
    EXPECT_EQ(ini.ReadString("main", "KEY", "x"), "value with = sign");
    EXPECT_EQ(ini.ReadString("Main", "empty", "default"), ""); // present and empty: not the default
    EXPECT_EQ(ini.ReadString("Main", "absent", "default"), "default");
    EXPECT_EQ(ini.ReadString("Main", "no equals", "d"), "d");
    EXPECT_EQ(ini.SectionKeys("MAIN"), (std::vector<std::string>{"key", "empty"}));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Main", "Other"}));
    EXPECT_EQ(ini.ReadInteger("other", "k", 0), 2);
}

TEST(IniFile, IntegersInDecimalAndBothHexFormsElseTheDefault)
{
    TMemIniFile ini("[s]\na=-12\nb=$1F\nc=0x10\nd=0XfF\ne=twelve\nf=\ng=+7\nh=$FF000005\ni=99999999999\nj=0x\n");
    EXPECT_EQ(ini.ReadInteger("s", "a", 0), -12);
    EXPECT_EQ(ini.ReadInteger("s", "b", 0), 31);
    EXPECT_EQ(ini.ReadInteger("s", "c", 0), 16);
    EXPECT_EQ(ini.ReadInteger("s", "d", 0), 255);
    EXPECT_EQ(ini.ReadInteger("s", "e", 5), 5);
    EXPECT_EQ(ini.ReadInteger("s", "f", 6), 6);
    EXPECT_EQ(ini.ReadInteger("s", "g", 0), 7);
    EXPECT_EQ(static_cast<uint32_t>(ini.ReadInteger("s", "h", 0)), 0xFF000005u); // a system colour
    EXPECT_EQ(ini.ReadInteger("s", "i", 9), 9);
    EXPECT_EQ(ini.ReadInteger("s", "j", 9), 9);
}

TEST(IniFile, BooleansAreTrueOnlyForOne)
{
    TMemIniFile ini("[s]\none=1\ntwo=2\nword=true\nhex=$1\nzero=0\n");
    EXPECT_TRUE(ini.ReadBool("s", "one", false));
    EXPECT_TRUE(ini.ReadBool("s", "hex", false));
    EXPECT_FALSE(ini.ReadBool("s", "two", true));
    EXPECT_FALSE(ini.ReadBool("s", "word", true));
    EXPECT_FALSE(ini.ReadBool("s", "zero", true));
    EXPECT_FALSE(ini.ReadBool("s", "absent", false));
}

TEST(IniFile, WritesEraseAndTextRoundTrip)
{
    TMemIniFile ini("[A]\nx=1\n[B]\ny=2\n");
    ini.WriteString("a", "X", "10");
    ini.WriteInteger("C", "n", -3);
    ini.WriteBool("C", "flag", true);
    ini.EraseSection("b");
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_EQ(ini.Text(), "[A]\r\nx=10\r\n\r\n[C]\r\nn=-3\r\nflag=1\r\n\r\n");
    TMemIniFile again(ini.Text());
    EXPECT_EQ(again.ReadInteger("c", "N", 0), -3);
}

TEST(IniFile, LookupsInAnyOrderAndCaseFindTheFirstOfRepeatedKeys)
{
    TMemIniFile ini("[a]\r\none=1\r\ntwo=2\r\nthree=3\r\n[b]\r\nk=first\r\nx=0\r\nK=second\r\n");
    // Out of file order, back again, and in another case: each still found.
    EXPECT_EQ(ini.ReadString("a", "three", ""), "3");
    EXPECT_EQ(ini.ReadString("a", "one", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "TWO", ""), "2");
    EXPECT_EQ(ini.ReadString("a", "four", "none"), "none");
    EXPECT_EQ(ini.ReadString("a", "three", ""), "3");
    // A repeated key: the first one, even right after reading past it.
    EXPECT_EQ(ini.ReadString("b", "x", ""), "0");
    EXPECT_EQ(ini.ReadString("b", "k", ""), "first");
    TMemIniFile copy = ini;
    EXPECT_EQ(copy.ReadString("B", "k", ""), "first");
    copy.WriteString("b", "new", "v");
    EXPECT_EQ(copy.ReadString("b", "NEW", ""), "v");
    EXPECT_EQ(ini.ReadString("b", "new", "absent"), "absent");
}

TEST(Unicode, RoundTripsAndReplacesMalformedInput)
{
    const std::string text = "塔维欧 Tavio 🎬";
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x8E\xAC").size(), 2u); // a surrogate pair
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE5\xA1"), u"\uFFFD\uFFFD"); // cut short
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}
