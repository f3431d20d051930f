#include <gtest/gtest.h>

#include "base/Exception.h"
#include "base/PageDefinition.h"

namespace {
std::string ParseError(std::string_view text)
{
    try {
        ParsePageDefinition(text, "t.page");
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no exception";
}
} // namespace

TEST(PageDefinition, ReadsPagePropertiesComponentsAndEveryValueKind)
{
    const PageDefinition page = ParsePageDefinition(
        "# heading comment\r\n"
        "page TForm9 {\r\n"
        "  Size 588 -4   # trailing comment\r\n"
        "\r\n"
        "  Label Label1 {\r\n"
        "    Caption \"say \\\"hi\\\" \\\\ 塔维欧\"\r\n"
        "    Color $00FF8800\r\n"
        "    Visible no\r\n"
        "    OnClick Label1Click\r\n"
        "    Picture <dir/a b.png>\r\n"
        "  }\r\n"
        "}\r\n",
        "t.page");
    EXPECT_EQ(page.Name, "TForm9");
    ASSERT_EQ(page.Properties.size(), 1u);
    EXPECT_EQ(page.Properties[0].Name, "Size");
    EXPECT_EQ(page.Properties[0].Line, 3);
    ASSERT_EQ(page.Properties[0].Values.size(), 2u);
    EXPECT_EQ(page.Properties[0].Values[1].Number, -4);
    ASSERT_EQ(page.Components.size(), 1u);
    const ComponentDefinition& label = page.Components[0];
    EXPECT_EQ(label.ClassName, "Label");
    EXPECT_EQ(label.Name, "Label1");
    EXPECT_EQ(label.Line, 5);
    ASSERT_EQ(label.Properties.size(), 5u);
    EXPECT_EQ(label.Properties[0].Values[0].Type, PageValue::Kind::String);
    EXPECT_EQ(label.Properties[0].Values[0].Text, "say \"hi\" \\ 塔维欧");
    EXPECT_EQ(label.Properties[1].Values[0].Number, 0x00FF8800);
    EXPECT_EQ(label.Properties[2].Values[0].Type, PageValue::Kind::Boolean);
    EXPECT_EQ(label.Properties[2].Values[0].Number, 0);
    EXPECT_EQ(label.Properties[3].Values[0].Type, PageValue::Kind::Identifier);
    EXPECT_EQ(label.Properties[3].Values[0].Text, "Label1Click");
    EXPECT_EQ(label.Properties[4].Values[0].Type, PageValue::Kind::File);
    EXPECT_EQ(label.Properties[4].Values[0].Text, "dir/a b.png");
}

TEST(PageDefinition, MistakesNameTheLineAndWord)
{
    EXPECT_EQ(ParseError(""), "t.page, line 0, '': the page is not closed with '}'");
    EXPECT_EQ(ParseError("page P {\n  Width\n}\n"), "t.page, line 2, 'Width': the property has no value");
    EXPECT_EQ(ParseError("page P {\n  Width 12abc\n}\n"), "t.page, line 2, '12abc': not a number");
    EXPECT_EQ(ParseError("page P {\n  Picture <x.png\n}\n"), "t.page, line 2, '<x.png': the file name is not closed");
    EXPECT_EQ(ParseError("page P {\n}\n}\n"), "t.page, line 3, '}': nothing to close");
    EXPECT_EQ(ParseError("page P {\n}\nWidth 3\n"), "t.page, line 3, 'Width': text after the end of the page");
    EXPECT_EQ(ParseError("}\n"), "t.page, line 1, '}': nothing to close");
    EXPECT_EQ(ParseError("page P {\n  Label A {\n    Label B {\n"), "t.page, line 3, 'Label': components do not nest");
    EXPECT_EQ(ParseError("page P {\n} extra\n"), "t.page, line 2, 'extra': unexpected text after '}'");
}
