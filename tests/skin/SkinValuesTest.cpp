#include <gtest/gtest.h>

#include "base/IniFile.h"
#include "skin/SkinValues.h"

namespace {

TMemIniFile Ini(std::string_view lines) { return TMemIniFile("[s]\r\n" + std::string(lines)); }

std::string ConvertMessage(auto&& action)
{
    try {
        action();
    } catch (const EConvertError& error) {
        return error.Message();
    }
    return "no error";
}

} // namespace

TEST(SkinValues, RectanglesAndPointsKeepOnlyDigitsBetweenCommas)
{
    const auto ini = Ini("a=43,60,58,75\r\nb= 43 , 60 ,58 , 75 \r\nc=-5,8\r\nd=x1y,2,3,4\r\n");
    EXPECT_EQ(ReadRect(ini, "s", "a"), (TRect{43, 60, 58, 75}));
    EXPECT_EQ(ReadRect(ini, "s", "b"), (TRect{43, 60, 58, 75}));
    EXPECT_EQ(ReadPoint(ini, "s", "c"), (TPoint{5, 8})); // the sign is dropped
    EXPECT_EQ(ReadRect(ini, "s", "d"), (TRect{1, 2, 3, 4}));
    EXPECT_EQ(ReadRect(ini, "s", "absent"), TRect{});
    EXPECT_EQ(ReadPoint(ini, "S", "A"), (TPoint{43, 60})); // surplus fields ignored, any case
    const TRect area{59, 62, 92, 81};
    EXPECT_EQ(area.Width(), 33);
    EXPECT_EQ(area.Height(), 19);
    EXPECT_TRUE((TRect{5, 5, 5, 9}).IsEmpty());
}

TEST(SkinValues, RectangleFieldsWithoutDigitsFailTheConversion)
{
    const auto ini = Ini("empty=\r\nthree=1,2,3\r\nword=a,b,c,d\r\nhuge=1,2,3,99999999999\r\n");
    EXPECT_EQ(ConvertMessage([&] { ReadRect(ini, "s", "empty"); }), "'' is not a valid integer value");
    EXPECT_EQ(ConvertMessage([&] { ReadRect(ini, "s", "three"); }), "'' is not a valid integer value");
    EXPECT_EQ(ConvertMessage([&] { ReadPoint(ini, "s", "word"); }), "'' is not a valid integer value");
    EXPECT_EQ(ConvertMessage([&] { ReadRect(ini, "s", "huge"); }), "'99999999999' is not a valid integer value");
}

TEST(SkinValues, IntegersBooleansAndStrings)
{
    const auto ini = Ini("hex=$FF0000\r\nhex2=0x10\r\nneg=-12\r\nword=twelve\r\nnone=\r\n"
                         "t=1\r\nt2=2\r\nt3=true\r\nsys=$FF00000F\r\n");
    EXPECT_EQ(ini.ReadInteger("s", "hex", 0), 0xFF0000);
    EXPECT_EQ(ini.ReadInteger("s", "hex2", 0), 16);
    EXPECT_EQ(ini.ReadInteger("s", "neg", 0), -12);
    EXPECT_EQ(ini.ReadInteger("s", "word", 7), 7);
    EXPECT_EQ(ini.ReadInteger("s", "none", 7), 7);
    EXPECT_EQ(static_cast<uint32_t>(ini.ReadInteger("s", "sys", 0)), 0xFF00000Fu);
    EXPECT_TRUE(ReadBoolean(ini, "s", "t"));
    EXPECT_FALSE(ReadBoolean(ini, "s", "t2"));
    EXPECT_FALSE(ReadBoolean(ini, "s", "t3"));
    EXPECT_FALSE(ReadBoolean(ini, "s", "absent"));
    // A present empty string is the empty string, not the default.
    EXPECT_EQ(ini.ReadString("s", "none", "Arial"), "");
    EXPECT_EQ(ini.ReadString("s", "absent", "Arial"), "Arial");
}

TEST(SkinValues, FontStylesAreWordsAnywhereInTheValue)
{
    const auto ini = Ini("a=fsbold fsitalic\r\nb=fsbold,fsitalic\r\nc=fsunderline\r\nd=\r\ne=FSBOLD\r\n"
                         "f=fsstrikeoutfsbold\r\n");
    EXPECT_EQ(ReadFontStyle(ini, "s", "a"), FontStyle::Bold | FontStyle::Italic);
    EXPECT_EQ(ReadFontStyle(ini, "s", "b"), FontStyle::Bold | FontStyle::Italic);
    EXPECT_EQ(ReadFontStyle(ini, "s", "c"), FontStyle::Underline);
    EXPECT_EQ(ReadFontStyle(ini, "s", "d"), 0);
    EXPECT_EQ(ReadFontStyle(ini, "s", "e"), 0);
    EXPECT_EQ(ReadFontStyle(ini, "s", "f"), FontStyle::StrikeOut | FontStyle::Bold);
    TMemIniFile out;
    WriteFontStyle(out, "s", "k", FontStyle::StrikeOut | FontStyle::Bold | FontStyle::Underline);
    EXPECT_EQ(out.ReadString("s", "k", ""), "fsbold,fsunderline,fsstrikeout");
}

TEST(SkinValues, KeywordsCompareExactlyAndFallBackPerTable)
{
    const auto ini = Ini("StretchType=STFULL\r\nst2=stvert\r\nm=mkpush\r\nm2=push\r\ni=ieinvert\r\ni2=x\r\n"
                         "a=taleftjustify\r\na2=left\r\nc=cmminimizetotray\r\nc2=cmzoom\r\nc3=cmclose\r\n");
    EXPECT_EQ(ReadStretchType(ini, "s", "stretchtype"), TStretchType::Horz); // key any case, word exact
    EXPECT_EQ(ReadStretchType(ini, "s", "st2"), TStretchType::Vert);
    EXPECT_EQ(ReadStretchType(ini, "s", "absent"), TStretchType::Full);
    EXPECT_EQ(ReadMorphKind(ini, "s", "m"), TMorphKind::Push);
    EXPECT_EQ(ReadMorphKind(ini, "s", "m2"), TMorphKind::Default);
    EXPECT_EQ(ReadInactiveEffect(ini, "s", "i"), TInactiveEffect::Invert);
    EXPECT_EQ(ReadInactiveEffect(ini, "s", "i2"), TInactiveEffect::Grayscale);
    EXPECT_EQ(ReadInactiveEffect(ini, "s", "absent"), TInactiveEffect::Brightness);
    EXPECT_EQ(ReadAlignment(ini, "s", "a"), TAlignment::LeftJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "a2"), TAlignment::RightJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "absent"), TAlignment::Center);
    EXPECT_EQ(ReadKeyword<TSkinCommand>(ini, "s", "c"), TSkinCommand::MinimizeToTray);
    EXPECT_EQ(ReadKeyword<TSkinCommand>(ini, "s", "c2"), TSkinCommand::MinimizeToTray);
    EXPECT_EQ(ReadKeyword<TSkinCommand>(ini, "s", "c3"), TSkinCommand::Close);
    EXPECT_EQ(ReadKeyword<TSkinCommand>(ini, "s", "absent"), TSkinCommand::Default);
}

TEST(SkinValues, StringListsReadCountThenNumberedEntries)
{
    const auto ini = Ini("picturescount=3\r\n0=a.bmp\r\n2=c.bmp\r\n");
    EXPECT_EQ(ReadStringList(ini, "s", "pictures"), (std::vector<std::string>{"a.bmp", "", "c.bmp"}));
    EXPECT_TRUE(ReadStringList(ini, "s", "other").empty());
    TMemIniFile out;
    WriteStringList(out, "s", "pictures", {"x", "y"});
    EXPECT_EQ(ReadStringList(out, "s", "pictures"), (std::vector<std::string>{"x", "y"}));
    // A damaged count does not keep the reader busy for billions of entries.
    EXPECT_EQ(ReadStringList(Ini("bigcount=2147483647\r\n"), "s", "big").size(), size_t(MaxListCount));
}
