#include <gtest/gtest.h>

#include "base/IniFile.h"
#include "base/ZlibStream.h"
#include "skin/CompressedSkinList.h"
#include "skin/ResourceStrData.h"
#include "skin/SkinData.h"
#include "skin/SkinPackage.h"
#include "SkinTestData.h"

namespace {

// Records what skin data announces, with Empty as it was at that moment.
class Announcements {
public:
    Announcements()
    {
        SetBroadcastHook([this](TComponent& sender, unsigned message) {
            const auto* data = dynamic_cast<TbsSkinData*>(&sender);
            Sent.push_back({message, data && data->Empty()});
        });
    }
    ~Announcements() { SetBroadcastHook(nullptr); }
    std::vector<unsigned> Messages() const
    {
        std::vector<unsigned> m;
        for (const auto& s : Sent) m.push_back(s.Message);
        return m;
    }
    struct Sent {
        unsigned Message;
        bool EmptyThen;
    };
    std::vector<Sent> Sent;
};

void PackOurSkin(TbsCompressedStoredSkin& skin) { skin.BuildFromSkinFile(SkinFolder() + "/skin.ini"); }

// A package around a definition text, with no pictures.
void PackText(TbsCompressedStoredSkin& skin, const std::string& text)
{
    SkinPackage package;
    package.Text = text;
    TMemoryStream inflated, packed;
    WriteSkinPackage(inflated, package);
    {
        TCompressionStream deflater(TCompressionLevel::Max, packed);
        deflater.WriteBuffer(inflated.Bytes().data(), inflated.Bytes().size());
    }
    skin.SetCompressedData(packed.Bytes());
}

// Every definition's section as its class writes it: equal texts, equal lists.
std::string Dump(TbsSkinData& data)
{
    TMemIniFile out;
    for (auto& o : data.SkinObjects) o->SaveToIni(out);
    for (auto& c : data.SkinControls) c->SaveToIni(out);
    data.FormInfo.SaveToIni(out);
    data.SkinColors.SaveToIni(out);
    return out.Text();
}

} // namespace

TEST(SkinData, StartsEmptyWithItsPropertyValues)
{
    TbsSkinData data;
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(data.SkinnableForm());
    EXPECT_TRUE(data.EnableSkinEffects);
    EXPECT_EQ(data.SkinIndex(), 0);
    EXPECT_EQ(data.FormInfo.BGPictureIndex, -1);
    EXPECT_EQ(data.HintWindow.Font.Height, 12);
    EXPECT_EQ(static_cast<uint32_t>(data.SkinColors.BtnFace), 0xFF00000Fu);
    EXPECT_EQ(static_cast<uint32_t>(data.SkinColors.BtnShadow), 0xFF000010u);
    EXPECT_EQ(data.GetControlIndex("checkbox"), -1);
}

TEST(SkinData, LoadsOurSkinAndAnnouncesIt)
{
    Announcements heard;
    TbsCompressedStoredSkin skin;
    PackOurSkin(skin);
    TbsSkinData data;
    data.SetCompressedStoredSkin(&skin);
    ASSERT_FALSE(data.Empty());
    ASSERT_EQ(heard.Sent.size(), 3u);
    EXPECT_EQ(heard.Messages(), (std::vector<unsigned>{1225, 1226, 1227}));
    EXPECT_FALSE(heard.Sent[1].EmptyThen);

    EXPECT_EQ(data.SkinName, "Tavio Light");
    EXPECT_EQ(data.MaskPictureName, "mask.bmp");
    EXPECT_EQ(data.ActivePictures.size(), data.ActivePictureNames.size());
    EXPECT_EQ(data.ActivePictures[4].Width(), 120);
    EXPECT_EQ(data.Picture.Width(), 162);
    EXPECT_EQ(data.SkinObjects.size(), 4u);
    EXPECT_EQ(data.SkinControls.size(), 12u);
    const int box = data.GetControlIndex("checkbox");
    ASSERT_EQ(box, 3);
    const auto* check = dynamic_cast<TbsDataSkinCheckRadioControl*>(data.SkinControls[box].get());
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->SkinRect, (TRect{59, 62, 92, 81}));
    EXPECT_EQ(check->ActiveSkinRect, (TRect{59, 82, 92, 101}));
    EXPECT_LT(check->SkinRect.Right, data.ActivePictures[check->PictureIndex].Width());
    EXPECT_NE(dynamic_cast<TbsDataSkinStdLabelControl*>(data.SkinControls[data.GetControlIndex("stdlabel")].get()),
              nullptr);
    EXPECT_EQ(data.GetControlIndex("CheckBox"), -1);
    EXPECT_EQ(data.HintWindow.Font.Name, "Microsoft YaHei");
    EXPECT_EQ(data.SkinColors.Window, 0xFFFFFF);
}

TEST(SkinData, LoadingTwiceRecreatesIdenticalLists)
{
    TbsCompressedStoredSkin skin;
    PackOurSkin(skin);
    TbsSkinData data;
    data.LoadCompressedStoredSkin(skin);
    const std::string first = Dump(data);
    const auto* before = data.SkinControls[0].get();
    data.LoadCompressedStoredSkin(skin);
    EXPECT_EQ(Dump(data), first);
    EXPECT_EQ(data.SkinControls.size(), 12u);
    (void)before; // the objects are new ones; their contents are what must match
}

TEST(SkinData, ListEntriesFirstMatchMissingAndUnknown)
{
    TbsCompressedStoredSkin skin;
    PackText(skin, "[SKINCONTROLS]\r\ncount=8\r\n0=twin:label\r\n1=twin:stdlabel\r\n2=nocolon\r\n"
                   "3=odd:Label\r\n4=::label\r\n5=gauge:gauge\r\n6=x:\r\n"
                   "[twin]\r\nfontheight=20\r\n[:]\r\nfontheight=30\r\n");
    TbsSkinData data;
    data.LoadCompressedStoredSkin(skin);
    // Entry 7 is missing; 2, 3, 4 (keyword ":label") and 6 name no class.
    ASSERT_EQ(data.SkinControls.size(), 3u);
    EXPECT_EQ(data.GetControlIndex("twin"), 0); // the first of two wins
    EXPECT_NE(dynamic_cast<TbsDataSkinLabelControl*>(data.SkinControls[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinStdLabelControl*>(data.SkinControls[1].get()), nullptr);
    EXPECT_EQ(data.SkinControls[0]->SectionName, "twin");
    EXPECT_EQ(data.GetControlIndex("gauge"), 2);
    EXPECT_TRUE(data.SkinObjects.empty());
}

TEST(SkinData, FormInfoIsFittedToTheClientRectangle)
{
    TbsCompressedStoredSkin skin;
    PackText(skin, "[PICTURES]\r\nmask=m.bmp\r\n[FORMINFO]\r\nclientrect=10,20,100,80\r\n"
                   "lefttoppoint=5,30\r\nrighttoppoint=120,10\r\nleftbottompoint=2,90\r\nrightbottompoint=110,95\r\n"
                   "hittestlefttoppoint=0,7\r\nhittestrighttoppoint=3,4\r\n");
    TbsSkinData data;
    data.LoadCompressedStoredSkin(skin);
    const auto& f = data.FormInfo;
    EXPECT_EQ(f.MaskRectArea, (TRect{10, 20, 100, 80}));
    EXPECT_EQ(f.HitTestLeftTopPoint, (TPoint{5, 30})); // taken from its corner before the corners move
    EXPECT_EQ(f.HitTestRightTopPoint, (TPoint{3, 4}));
    EXPECT_EQ(f.LeftTopPoint, (TPoint{10, 30}));
    EXPECT_EQ(f.RightTopPoint, (TPoint{100, 20}));
    EXPECT_EQ(f.LeftBottomPoint, (TPoint{10, 80}));
    EXPECT_EQ(f.RightBottomPoint, (TPoint{100, 80}));

    PackText(skin, "[PICTURES]\r\nmask=m.bmp\r\n[FORMINFO]\r\nclientrect=10,20,100,80\r\nmaskrectarea=0,30,50,90\r\n"
                   "lefttoppoint=5,5\r\nrightbottompoint=5,9\r\n");
    data.LoadCompressedStoredSkin(skin);
    EXPECT_EQ(f.MaskRectArea, (TRect{0, 20, 100, 90}));
    EXPECT_EQ(f.LeftTopPoint, (TPoint{5, 5})); // same X: corners stay
}

TEST(SkinData, FailuresLeaveTheSkinEmpty)
{
    struct Case {
        const char* file;
        const char* message; // nullptr: no exception
        size_t announcements;
    };
    const Case cases[] = {
        {"truncated-zlib", "compression error", 1},
        {"corrupt-zlib", "compression error", 1},
        {"not-zlib", "compression error", 1},
        {"version-4", nullptr, 1},
        {"bmp-size-beyond-data", "Invalid bitmap: file size 1073741824 beyond the data", 1},
        {"bmp-size-too-small", "Invalid bitmap: file size 10 beyond the data", 1},
        {"bmp-offset-beyond-file", "Invalid bitmap", 1},
        {"bmp-huge-dimensions", "Invalid bitmap", 1},
        {"more-pictures-than-data", "Invalid bitmap", 1}, // the text read as a bitmap
        {"cut-in-header", "Stream read error", 1},
        {"rect-without-digits", "'' is not a valid integer value", 1},
        {"rect-three-fields", "'' is not a valid integer value", 1},
    };
    for (const Case& c : cases) {
        Announcements heard;
        TbsCompressedStoredSkin sound, damaged;
        LoadCorpus(sound, "sound");
        LoadCorpus(damaged, c.file);
        TbsSkinData data;
        data.LoadCompressedStoredSkin(sound);
        ASSERT_FALSE(data.Empty()) << c.file;
        heard.Sent.clear();
        std::string message = "no exception";
        try {
            data.LoadCompressedStoredSkin(damaged);
        } catch (const Exception& error) {
            message = error.Message();
        }
        if (c.message) EXPECT_EQ(message.substr(0, std::string(c.message).size()), c.message) << c.file;
        else EXPECT_EQ(message, "no exception") << c.file;
        EXPECT_TRUE(data.Empty()) << c.file;
        EXPECT_EQ(heard.Messages(), std::vector<unsigned>(c.announcements, 1225)) << c.file;
        if (std::string(c.file).starts_with("rect")) {
            EXPECT_EQ(data.SkinControls.size(), 1u) << "what was read before the failing value stays";
        } else {
            EXPECT_TRUE(data.SkinControls.empty()) << c.file;
            EXPECT_TRUE(data.ActivePictures.empty()) << c.file;
        }
    }
}

TEST(SkinData, OddButSoundPackagesLoad)
{
    for (const char* file : {"no-sections", "negative-picture-count", "huge-list-count"}) {
        TbsCompressedStoredSkin skin;
        LoadCorpus(skin, file);
        TbsSkinData data;
        data.LoadCompressedStoredSkin(skin);
        EXPECT_FALSE(data.Empty()) << file;
        EXPECT_TRUE(data.ActivePictures.empty()) << file;
    }
}

TEST(SkinData, EmptyStoredSkinChangesNothing)
{
    Announcements heard;
    TbsCompressedStoredSkin sound, empty;
    LoadCorpus(sound, "sound");
    TbsSkinData data;
    data.LoadCompressedStoredSkin(sound);
    heard.Sent.clear();
    data.SetCompressedStoredSkin(&empty);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.SkinControls.size(), 1u);
    EXPECT_TRUE(heard.Sent.empty());
}

TEST(SkinData, ClearAllRestoresColoursAndWindowPictures)
{
    TbsCompressedStoredSkin skin;
    PackText(skin, "[SKINCOLORS]\r\ncbtnface=255\r\n[HINTWINDOW]\r\nwindowpictureindex=2\r\n"
                   "[POPUPWINDOW]\r\nwindowpictureindex=1\r\n");
    TbsSkinData data;
    data.LoadCompressedStoredSkin(skin);
    EXPECT_EQ(data.SkinColors.BtnFace, 255);
    EXPECT_EQ(data.HintWindow.WindowPictureIndex, 2);
    data.ClearAll();
    EXPECT_EQ(static_cast<uint32_t>(data.SkinColors.BtnFace), 0xFF00000Fu);
    EXPECT_EQ(data.HintWindow.WindowPictureIndex, -1);
    EXPECT_EQ(data.PopupWindow.WindowPictureIndex, -1);
}

TEST(SkinData, PropertySettersAnnounceOnlyChanges)
{
    Announcements heard;
    TbsSkinData data;
    data.SetSkinnableForm(true);
    EXPECT_TRUE(heard.Sent.empty());
    data.SetSkinnableForm(false);
    EXPECT_EQ(heard.Messages(), std::vector<unsigned>{1294});
    data.ComponentState = TComponent::Loading;
    data.SetSkinnableForm(true);
    EXPECT_EQ(heard.Sent.size(), 1u);
    data.ComponentState = 0;
    TbsResourceStrData strings;
    data.SetResourceStrData(&strings);
    EXPECT_EQ(heard.Messages(), (std::vector<unsigned>{1294, 1274}));
    data.ComponentState = TComponent::Designing;
    data.SetResourceStrData(nullptr);
    EXPECT_EQ(heard.Sent.size(), 2u);
}

TEST(SkinData, SkinListAndIndex)
{
    TbsSkinData data;
    data.SetSkinIndex(5); // no list: stored as given
    EXPECT_EQ(data.SkinIndex(), 5);
    data.SetSkinIndex(0);

    TbsCompressedSkinList list;
    for (int i = 0; i < 3; ++i) list.Add();
    EXPECT_EQ(list.Item(2).Name, "bsSkin2");
    PackText(list.Item(0).StoredSkin(), "[SKINCONTROLS]\r\ncount=1\r\n0=first:label\r\n");
    PackText(list.Item(1).StoredSkin(), "[SKINCONTROLS]\r\ncount=1\r\n0=second:label\r\n");
    data.SetSkinList(&list);
    EXPECT_EQ(data.GetControlIndex("first"), 0);
    data.SetSkinIndex(5); // beyond the list: ignored
    EXPECT_EQ(data.SkinIndex(), 0);
    data.SetSkinIndex(1);
    EXPECT_EQ(data.SkinIndex(), 1);
    EXPECT_EQ(data.GetControlIndex("second"), 0);
    data.SetSkinIndex(2); // an item without data: stored, skin unchanged
    EXPECT_EQ(data.SkinIndex(), 2);
    EXPECT_EQ(data.GetControlIndex("second"), 0);

    // The "Skin" property round trip, and assigning a whole list.
    TMemoryStream framed;
    list.Item(1).WriteSkin(framed);
    TbsCompressedSkinList other;
    other.AssignSkins(list);
    other.Item(0).ReadSkin(framed);
    EXPECT_TRUE(std::ranges::equal(other.Item(0).StoredSkin().CompressedData(),
                                   list.Item(1).StoredSkin().CompressedData()));
    EXPECT_EQ(other.Count(), 3u);
}

TEST(SkinData, ForgetsComponentsThatGoAndKeepsTheSkin)
{
    TbsSkinData data;
    {
        TbsCompressedStoredSkin skin;
        LoadCorpus(skin, "sound");
        TbsResourceStrData strings;
        data.SetCompressedStoredSkin(&skin);
        data.SetResourceStrData(&strings);
        {
            TbsCompressedSkinList list;
            data.SetSkinList(&list);
        }
        EXPECT_EQ(data.SkinList(), nullptr);
        EXPECT_EQ(data.CompressedStoredSkin(), &skin);
    }
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data.ResourceStrData(), nullptr);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.SkinControls.size(), 1u);
}

TEST(SkinData, ResourceStringsInEnglish)
{
    TbsResourceStrData strings;
    EXPECT_EQ(strings.ResStrings().Count(), 131u);
    EXPECT_EQ(strings.ResStrings()[0], "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(strings.ResStrings()[130], "DBNAV_REFRESH=REFRESH RECORD");
    EXPECT_EQ(strings.GetResStr("MINBUTTON_HINT"), "Minimize");
    EXPECT_EQ(strings.GetResStr("MSG_BTN_YES"), "&Yes");
    EXPECT_EQ(strings.GetResStr("MSG_OVERWRITE"), "Do you want to overwrite old file?");
    EXPECT_EQ(strings.GetResStr("PRNDLG_WARNING"), "There are no printers in your system!");
    EXPECT_EQ(strings.GetResStr("MSG_BTN"), "");
    EXPECT_EQ(strings.CharSet, 1);
}
