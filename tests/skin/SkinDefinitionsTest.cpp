#include <gtest/gtest.h>

#include <random>
#include <set>

#include "base/IniFile.h"
#include "skin/DataSkinControls.h"
#include "skin/DataSkinObjects.h"

namespace {

const char* const ControlKeywords[] = {
    "bevel",    "treeview", "slider", "listview",  "richedit", "mainmenubar", "tab",        "grid",
    "controlbar", "updown", "combobox", "listbox", "checklistbox", "scrollbar", "spinedit", "edit",
    "memo",     "label",    "splitter", "gauge",   "trackbar", "button",      "menubutton", "scrollbox",
    "panel",    "expanel",  "checkradio", "stdlabel"};
const char* const ObjectKeywords[] = {"userobject", "button",   "stdbutton",       "animate",
                                      "mainmenubarbutton", "menuitem", "mainmenubaritem", "caption"};

// The key names a definition lists, in order.
class KeyNames final : public SkinKeys {
public:
    std::vector<std::string> Names;
    void Integer(std::string_view k, int32_t&, int32_t) override { Names.emplace_back(k); }
    void Boolean(std::string_view k, bool&) override { Names.emplace_back(k); }
    void String(std::string_view k, std::string&, std::string_view) override { Names.emplace_back(k); }
    void Rect(std::string_view k, TRect&) override { Names.emplace_back(k); }
    void Point(std::string_view k, TPoint&) override { Names.emplace_back(k); }
    void FontStyle(std::string_view k, TFontStyles&) override { Names.emplace_back(k); }
    void Keyword(std::string_view k, uint8_t&, const KeywordTable&) override { Names.emplace_back(k); }
};

// Fills every field with a value unlike its default.
class Randomizer final : public SkinKeys {
public:
    explicit Randomizer(bool morphingStaysOff) : morphingStaysOff_(morphingStaysOff) {}
    void Integer(std::string_view, int32_t& f, int32_t) override { f = static_cast<int32_t>(random_() - 0x40000000u); }
    void Boolean(std::string_view k, bool& f) override { f = !(morphingStaysOff_ && k == "morphing"); }
    void String(std::string_view, std::string& f, std::string_view) override { f = "text " + std::to_string(random_()); }
    void Rect(std::string_view, TRect& f) override
    {
        f.Left = Small();
        f.Top = Small();
        f.Right = f.Left + 1 + Small();
        f.Bottom = f.Top + 1 + Small();
    }
    void Point(std::string_view, TPoint& f) override { f = {Small(), Small()}; }
    void FontStyle(std::string_view, TFontStyles& f) override { f = static_cast<TFontStyles>(1 + random_() % 15); }
    void Keyword(std::string_view, uint8_t& f, const KeywordTable& t) override
    {
        f = static_cast<uint8_t>(random_() % t.Words.size());
    }

private:
    int32_t Small() { return static_cast<int32_t>(random_() % 1000); }
    std::mt19937 random_{42};
    bool morphingStaysOff_;
};

std::vector<std::string> KeysOf(TbsSkinDefinition& definition)
{
    KeyNames names;
    definition.Keys(names);
    return names.Names;
}

std::vector<std::string> ControlKeys(const char* keyword) { return KeysOf(*CreateSkinControl(keyword, "x")); }
std::vector<std::string> ObjectKeys(const char* keyword) { return KeysOf(*CreateSkinObject(keyword, "x")); }

std::vector<std::string> Plus(std::vector<std::string> keys, std::initializer_list<const char*> more)
{
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

template <typename T>
T& Loaded(std::unique_ptr<T>& holder, const std::string& text)
{
    holder->LoadFromIni(TMemIniFile(text));
    return *holder;
}

} // namespace

TEST(SkinDefinitions, EveryKeywordMakesItsClassAndOthersMakeNothing)
{
    for (const char* keyword : ControlKeywords) EXPECT_NE(CreateSkinControl(keyword, "x"), nullptr) << keyword;
    for (const char* keyword : ObjectKeywords) EXPECT_NE(CreateSkinObject(keyword, "x"), nullptr) << keyword;
    EXPECT_EQ(CreateSkinControl("CheckRadio", "x"), nullptr);
    EXPECT_EQ(CreateSkinControl("", "x"), nullptr);
    EXPECT_EQ(CreateSkinObject("mainmenuitem", "x"), nullptr); // a base only, no keyword
    EXPECT_EQ(CreateSkinObject("checkradio", "x"), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinButtonControl*>(CreateSkinControl("button", "b").get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinButton*>(CreateSkinObject("button", "b").get()), nullptr);
    EXPECT_NE(ControlKeys("button"), ObjectKeys("button"));
}

TEST(SkinDefinitions, KeyListsExtendTheirBasesAndNeverRepeatAKey)
{
    EXPECT_EQ(ControlKeys("checklistbox"), Plus(ControlKeys("listbox"), {"itemcheckrect", "checkimagerect",
                                                                         "uncheckimagerect"}));
    EXPECT_EQ(ControlKeys("memo"), Plus(ControlKeys("edit"), {"bgcolor", "activebgcolor"}));
    EXPECT_EQ(ControlKeys("menubutton"), Plus(ControlKeys("button"), {"trackbuttonrect"}));
    EXPECT_EQ(ObjectKeys("mainmenubarbutton"), ObjectKeys("stdbutton"));
    EXPECT_EQ(ObjectKeys("userobject"), std::vector<std::string>{"skinrect"});
    EXPECT_EQ(ControlKeys("stdlabel"), (std::vector<std::string>{"pictureindex", "maskpictureindex", "skinrect",
                                                                  "fontname", "fontheight", "fontstyle",
                                                                  "fontcolor", "activefontcolor"}));
    const auto checkbox = ControlKeys("checkradio");
    EXPECT_EQ(checkbox.size(), 3u + 11u + 20u);
    EXPECT_EQ(checkbox.back(), "morphkind");

    for (const char* keyword : ControlKeywords) {
        const auto keys = ControlKeys(keyword);
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size()) << keyword;
        EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 3),
                  (std::vector<std::string>{"pictureindex", "maskpictureindex", "skinrect"}));
    }
    for (const char* keyword : ObjectKeywords) {
        const auto keys = ObjectKeys(keyword);
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size()) << keyword;
    }
    // The keys kept exactly as spelt.
    auto has = [](const std::vector<std::string>& keys, const char* key) {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    };
    EXPECT_TRUE(has(ObjectKeys("button"), "disableskinrsect"));
    EXPECT_TRUE(has(ObjectKeys("caption"), "reflactioncolor"));
    EXPECT_TRUE(has(ObjectKeys("caption"), "reflactionactivecolor"));
    EXPECT_TRUE(has(ObjectKeys("mainmenubaritem"), "unenabledfontColor"));
}

TEST(SkinDefinitions, CheckBoxSectionAsShipped)
{
    auto holder = CreateSkinControl("checkradio", "checkbox");
    auto& box = dynamic_cast<TbsDataSkinCheckRadioControl&>(*holder);
    EXPECT_EQ(box.Font.Height, 12); // before a load
    EXPECT_EQ(box.Font.Name, "Arial");
    Loaded(holder, "[checkbox]\r\npictureindex=4\r\nmaskpictureindex=-1\r\nskinrect=59,62,92,81\r\n"
                   "lefttoppoint=5,8\r\nrighttoppoint=27,8\r\nclientrect=1,2,31,17\r\nfontname=Arial\r\n"
                   "unenabledfontcolor=8421504\r\nactiveskinrect=59,82,92,101\r\ncheckimagearea=1,1,18,17\r\n"
                   "textarea=19,1,32,18\r\ncheckimagerect=43,60,58,75\r\nuncheckimagerect=1,60,16,75\r\n"
                   "activecheckimagerect=29,60,44,75\r\nactiveuncheckimagerect=15,60,30,75\r\nmorphing=0\r\n");
    EXPECT_EQ(box.PictureIndex, 4);
    EXPECT_EQ(box.MaskPictureIndex, -1);
    EXPECT_EQ(box.SkinRect, (TRect{59, 62, 92, 81}));
    EXPECT_EQ(box.LeftTopPoint, (TPoint{5, 8}));
    EXPECT_EQ(box.RightTopPoint, (TPoint{27, 8}));
    EXPECT_EQ(box.Font.Height, 14); // a missing height reads 14
    EXPECT_EQ(box.UnEnabledFontColor, 0x808080);
    EXPECT_EQ(box.CheckImageRect, (TRect{43, 60, 58, 75}));
    EXPECT_EQ(box.GrayedCheckImageRect, TRect{});
    EXPECT_EQ(box.MorphKind, TMorphKind::Default);
}

TEST(SkinDefinitions, StdLabelActiveColourDefaultsToBlue)
{
    auto holder = CreateSkinControl("stdlabel", "stdlabel");
    auto& label = dynamic_cast<TbsDataSkinStdLabelControl&>(*holder);
    EXPECT_EQ(label.ActiveFontColor, 0xFF0000);
    EXPECT_EQ(label.Font.Height, 12);
    Loaded(holder, "[stdlabel]\r\nfontcolor=0\r\n");
    EXPECT_EQ(label.ActiveFontColor, 0xFF0000);
    EXPECT_EQ(label.Font.Height, 14);
    Loaded(holder, "[STDLABEL]\r\nActiveFontColor=16744448\r\n");
    EXPECT_EQ(label.ActiveFontColor, 0xFF8000);
}

TEST(SkinDefinitions, CaptionButtonsGetARestoreHintOnlyForTheirOwnCommand)
{
    auto button = CreateSkinObject("stdbutton", "maximizebutton");
    auto& b = dynamic_cast<TbsDataSkinStdButton&>(
        Loaded(button, "[maximizebutton]\r\nhint=Maximize\r\ncommand=cmmaximize\r\n"));
    EXPECT_EQ(b.RestoreHint, "Restore");
    Loaded(button, "[maximizebutton]\r\nhint=Maximize\r\ncommand=cmclose\r\n");
    EXPECT_EQ(b.RestoreHint, "");
    Loaded(button, "[maximizebutton]\r\nhint=Roll Up\r\ncommand=cmrollup\r\n");
    EXPECT_EQ(b.RestoreHint, "Restore");
    Loaded(button, "[maximizebutton]\r\nhint=Minimize\r\ncommand=cmminimize\r\nrestorehint=Back\r\n");
    EXPECT_EQ(b.RestoreHint, "Back");

    auto barButton = CreateSkinObject("mainmenubarbutton", "m");
    auto& bb = dynamic_cast<TbsDataSkinStdButton&>(Loaded(barButton, "[m]\r\nhint=Minimize\r\ncommand=cmminimize\r\n"));
    EXPECT_EQ(bb.RestoreHint, "Restore");

    auto animate = CreateSkinObject("animate", "a");
    auto& a = dynamic_cast<TbsDataSkinAnimate&>(
        Loaded(animate, "[a]\r\nmorphing=1\r\nhint=RollUp\r\ncommand=cmrollup\r\n"));
    EXPECT_FALSE(a.Morphing);
    EXPECT_EQ(a.RestoreHint, "Restore");
    EXPECT_EQ(a.CountFrames, 1);
    EXPECT_EQ(a.TimerInterval, 50);
}

TEST(SkinDefinitions, MenuItemActiveImagesFallBackAndUserObjectReadsOneKey)
{
    auto item = CreateSkinObject("menuitem", "mi");
    auto& m = dynamic_cast<TbsDataSkinMenuItem&>(
        Loaded(item, "[mi]\r\narrowimagerect=1,2,11,12\r\ncheckimagerect=3,3,9,9\r\nactivecheckimagerect=5,5,8,8\r\n"));
    EXPECT_EQ(m.ActiveArrowImageRect, (TRect{1, 2, 11, 12}));
    EXPECT_EQ(m.ActiveCheckImageRect, (TRect{5, 5, 8, 8}));
    EXPECT_EQ(m.ActiveRadioImageRect, TRect{});

    auto user = CreateSkinObject("userobject", "u");
    auto& u = Loaded(user, "[u]\r\nhint=Hello\r\nactivepictureindex=3\r\nskinrect=1,2,3,4\r\n");
    EXPECT_EQ(u.Hint, "");
    EXPECT_EQ(u.ActivePictureIndex, -1);
    EXPECT_EQ(u.SkinRect, (TRect{1, 2, 3, 4}));
    TMemIniFile out("[u]\r\nstale=1\r\n");
    u.SaveToIni(out);
    EXPECT_EQ(out.SectionKeys("u"), std::vector<std::string>{"skinrect"});
}

TEST(SkinDefinitions, ListBoxNamesAndDefaultsOfOtherClasses)
{
    auto list = CreateSkinControl("listbox", "l");
    auto& l = dynamic_cast<TbsDataSkinListBox&>(Loaded(list, "[l]\r\n"));
    EXPECT_EQ(l.VScrollBarName, "vscrollbar");
    EXPECT_EQ(l.BothScrollBarName, "bothhscrollbar");
    auto bar = CreateSkinControl("controlbar", "c");
    auto& c = dynamic_cast<TbsDataSkinControlBar&>(Loaded(bar, "[c]\r\n"));
    EXPECT_EQ(c.ItemOffset1, 3);
    EXPECT_EQ(c.BGPictureIndex, -1);
    auto caption = CreateSkinObject("caption", "cap");
    auto& cap = dynamic_cast<TbsDataSkinCaption&>(Loaded(caption, "[cap]\r\nalignment=centre\r\n"));
    EXPECT_EQ(cap.GlowSize, 3);
    EXPECT_EQ(cap.Alignment, TAlignment::RightJustify);
    auto grid = CreateSkinControl("grid", "g");
    auto& g = dynamic_cast<TbsDataSkinGridControl&>(Loaded(grid, "[g]\r\nfixedfontheight=20\r\nfontheight=9\r\n"));
    EXPECT_EQ(g.FixedFont.Height, 20);
    EXPECT_EQ(g.Font.Height, 9);
}

TEST(SkinDefinitions, SaveThenLoadReproducesEveryClass)
{
    auto check = [](std::unique_ptr<TbsSkinDefinition> original, std::unique_ptr<TbsSkinDefinition> copy,
                    const char* keyword) {
        Randomizer random(dynamic_cast<TbsDataSkinAnimate*>(original.get()) != nullptr);
        original->Keys(random);
        TMemIniFile first;
        original->SaveToIni(first);
        copy->LoadFromIni(first);
        TMemIniFile second;
        copy->SaveToIni(second);
        EXPECT_EQ(first.Text(), second.Text()) << keyword;
        EXPECT_EQ(first.SectionKeys("x").size(), KeysOf(*original).size()) << keyword;
    };
    for (const char* keyword : ControlKeywords) check(CreateSkinControl(keyword, "x"), CreateSkinControl(keyword, "x"), keyword);
    for (const char* keyword : ObjectKeywords) check(CreateSkinObject(keyword, "x"), CreateSkinObject(keyword, "x"), keyword);
}
