#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "base/FileBytes.h"
#include "base/FileSystem.h"
#include "base/PngImage.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skinctrls/PngImageView.h"
#include "skinctrls/SkinCheckRadioBox.h"
#include "skinctrls/SkinComponents.h"
#include "skinctrls/SkinLinkLabel.h"
#include "ui/DcScopes.h"
#include "ui/DibSection.h"
#include "ui/Edit.h"
#include "ui/Page.h"
#include "ui/PageLoader.h"

namespace {

// The gallery of every look, streamed from its definition with our skin.
class GalleryPage : public Page {
public:
    explicit GalleryPage(PageOwner& owner) : Page(owner, 10, 10) { LoadPage(*this, "gallery/gallery.page", SkinComponents()); }
    TbsSkinCheckRadioBox& Box(std::string_view name) const { return Get<TbsSkinCheckRadioBox>(name); }
};

// A page of its own with our skin loaded, for boxes made in code.
class SkinnedPage : public Page {
public:
    explicit SkinnedPage(PageOwner& owner) : Page(owner, 400, 300)
    {
        SetColor(RGB(0xF5, 0xF7, 0xFA));
        Stored.SetCompressedData(ReadFileBytes(TEST_SKIN_PACKAGE));
        Data.SetCompressedStoredSkin(&Stored);
    }
    TbsCompressedStoredSkin Stored;
    TbsSkinData Data;
};

// Shows a page and waits until the display has it.
void ShowPage(Page& page)
{
    page.Show();
    Settle();
}

// What a window shows now, painted afresh.
TbsPngImage Shown(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    return Screenshot(window);
}

void Click(HWND window, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP)
{
    SendMessageW(window, down, 0, MAKELPARAM(5, 5));
    SendMessageW(window, up, 0, MAKELPARAM(5, 5));
}

void Hover(HWND window, bool inside)
{
    SendMessageW(window, inside ? WM_MOUSEMOVE : WM_MOUSELEAVE, 0, MAKELPARAM(3, 3));
}

// Whether the glyph of the skin picture shows at (x, y) of the shot: every pixel that
// is not the glyph's transparent colour.
bool GlyphAt(const TbsPngImage& shot, const TDib& picture, const TRect& source, int x, int y)
{
    const TbsEffectBmp glyph = CutGlyph(picture, {source});
    OwnedPixels drawn(glyph.Width(), glyph.Height());
    DrawKeyedGlyph(glyph, drawn.Image, 0, 0);
    for (int gy = 0; gy < glyph.Height(); ++gy)
        for (int gx = 0; gx < glyph.Width(); ++gx) {
            const TbsColor c = drawn.Image.At(gx, gy);
            if (c == 0) continue; // left out
            if (shot.Pixel(x + gx, y + gy) != SwapRedBlue(c & 0xFFFFFF)) return false;
        }
    return true;
}

} // namespace

TEST(SkinControls, GalleryLooksRight)
{
    ApplicationSession session;
    GalleryPage& page = Application::Instance().CreatePage<GalleryPage>();
    ShowPage(page);
    page.Box("Focused").SetFocus();
    Settle();
    const TbsPngImage shot = Shown(page.Handle());
    CreateFolderTree(TEST_SCREENSHOTS);
    WriteFileBytes(std::string(TEST_SCREENSHOTS) + "\\skin-controls.png", shot.ToPng());

    const TbsSkinCheckRadioBox& box = page.Box("FlatChecked");
    ASSERT_NE(box.SkinControlIndex, -1);
    ASSERT_NE(box.Picture, nullptr);
    EXPECT_TRUE(GlyphAt(shot, *box.Picture, box.Look.CheckImageRect, box.Left() + 3, box.Top() + 25 / 2 - 15 / 2));
}

namespace {

// A box on a page, counting its clicks.
struct CountedBox {
    std::unique_ptr<TbsSkinCheckRadioBox> Box;
    int Clicks = 0;
    CountedBox(Page& page, int top, TbsSkinData* data = nullptr, std::string_view caption = "选项")
        : Box(std::make_unique<TbsSkinCheckRadioBox>(page))
    {
        Box->SetBounds(10, top, 150, 25);
        Box->SetCaption(caption);
        Box->SetSkinData(data);
        Box->OnClick = [this] { ++Clicks; };
    }
    TbsSkinCheckRadioBox* operator->() const { return Box.get(); }
};

COLORREF ShotPixel(const TbsPngImage& shot, int x, int y) { return shot.Pixel(x, y); }

bool Dark(uint32_t c) { return (c & 0xFF) < 64 && (c >> 8 & 0xFF) < 64 && (c >> 16 & 0xFF) < 64; }

} // namespace

TEST(SkinBinding, TheSkinShowsAtTheFirstPaintAfterItLoads)
{
    ApplicationSession session;
    SkinnedPage& page = Application::Instance().CreatePage<SkinnedPage>();
    TbsSkinData later; // bound while still empty
    CountedBox box(page, 10, &later);
    box->SetChecked(true);
    ShowPage(page);
    TbsPngImage shot = Shown(page.Handle());
    EXPECT_EQ(box->SkinControlIndex, -1);
    EXPECT_EQ(ShotPixel(shot, 13, 10 + 12 - 7), GetSysColor(COLOR_BTNSHADOW)); // the drawn box
    later.SetCompressedStoredSkin(&page.Stored);
    shot = Shown(page.Handle());
    ASSERT_EQ(box->SkinControlIndex, page.Data.GetControlIndex("checkbox"));
    EXPECT_TRUE(GlyphAt(shot, *box->Picture, box->Look.CheckImageRect, 13, 10 + 12 - 7));
}

// The skin data tells its controls itself; the page passes none of its private
// messages to a window of the system's classes, for which those numbers mean other things.
TEST(SkinBinding, TheSkinDataTellsItsControlsAndNoSystemWindowHearsAPrivateMessage)
{
    ApplicationSession session;
    SkinnedPage& page = Application::Instance().CreatePage<SkinnedPage>();
    TbsSkinData later;
    CountedBox box(page, 10, &later);
    Edit edit(page);
    static int privateMessages;
    static WNDPROC editProcedure;
    privateMessages = 0;
    editProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit.Handle(), GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message >= WM_USER && message < 0xC000) ++privateMessages;
            return CallWindowProcW(editProcedure, window, message, wParam, lParam);
        })));

    later.SetCompressedStoredSkin(&page.Stored); // no paint in between
    EXPECT_EQ(box->SkinControlIndex, page.Data.GetControlIndex("checkbox"));
    page.NotifyBackgroundChanged();
    SendMessageW(page.Handle(), WM_SYSCHAR, 'x', 0);
    EXPECT_EQ(privateMessages, 0);
    SetWindowLongPtrW(edit.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure));
}

TEST(SkinBinding, NoSkinDataAnUnknownNameOrAnEmptySkinPaintTheDefaultLook)
{
    ApplicationSession session;
    SkinnedPage& page = Application::Instance().CreatePage<SkinnedPage>();
    TbsSkinData empty;
    CountedBox none(page, 10), unknown(page, 40, &page.Data), blank(page, 70, &empty);
    unknown->SetSkinDataName("nosuchcontrol");
    ShowPage(page);
    const TbsPngImage shot = Shown(page.Handle());
    for (const CountedBox* box : {&none, &unknown, &blank}) {
        EXPECT_EQ((*box)->SkinControlIndex, -1);
        EXPECT_EQ(ShotPixel(shot, 13, (*box)->Top() + 12 - 7), GetSysColor(COLOR_BTNSHADOW));
    }
}

TEST(SkinBinding, SizeAndWindowRegionFollowTheSkin)
{
    ApplicationSession session;
    SkinnedPage& page = Application::Instance().CreatePage<SkinnedPage>();
    CountedBox framed(page, 10, &page.Data);
    framed->SetFlat(false);
    framed->SkinChanged();
    framed->SetBounds(10, 10, 170, 40); // horizontal-only skin: the height is the skin's
    EXPECT_EQ(framed->ResizeMode(), 2);
    EXPECT_EQ(framed->Width(), 170);
    EXPECT_EQ(framed->Height(), 19);
    framed->SetDefaultWidth(60); // bound: nothing visible changes
    EXPECT_EQ(framed->Width(), 170);

    // A mask gives the window its shape; taking the mask away takes the shape away.
    TDib mask(33, 19, 24);
    for (int y = 0; y < 19; ++y) std::fill_n(mask.Row(y).data(), 33 * 3, 0xFF);
    for (int y = 2; y < 17; ++y) std::fill_n(mask.Row(y).data() + 3, 27 * 3, 0);
    page.Data.ActivePictures.push_back(mask);
    auto& definition = dynamic_cast<TbsDataSkinCheckRadioControl&>(*page.Data.SkinControls[framed->SkinControlIndex]);
    definition.MaskPictureIndex = static_cast<int>(page.Data.ActivePictures.size()) - 1;
    framed->SkinChanged();
    ASSERT_NE(framed->WindowRegion(), nullptr);
    RegionHandle shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(framed->Handle(), shape.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(shape.Get(), 0, 0)); // white: cut away
    EXPECT_TRUE(PtInRegion(shape.Get(), 4, 3));   // black: kept
    EXPECT_TRUE(PtInRegion(shape.Get(), 100, 10)); // the client area
    definition.MaskPictureIndex = -1;
    framed->SkinChanged();
    EXPECT_EQ(framed->WindowRegion(), nullptr);
    EXPECT_EQ(GetWindowRgn(framed->Handle(), shape.Get()), ERROR);

    // Unbound, the default size applies.
    framed->SetSkinData(nullptr);
    framed->SkinChanged();
    EXPECT_EQ(framed->Width(), 60);
}

TEST(CheckRadioBox, ClicksKeysAndGroupsFollowTheRules)
{
    ApplicationSession session;
    SkinnedPage& page = Application::Instance().CreatePage<SkinnedPage>();
    Page& other = Application::Instance().CreatePage<Page>(200, 100);
    ShowPage(page);

    CountedBox radio(page, 10, &page.Data);
    radio->SetRadio(true);
    radio->SetChecked(true);
    radio.Clicks = 0;
    Click(radio->Handle());
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(radio.Clicks, 0); // a checked radio button stays so, silently

    CountedBox a(page, 40), b(page, 70), c(page, 100), loner(page, 130), away(other, 10);
    for (CountedBox* box : {&a, &b, &c, &away}) box->Box->GroupIndex = 2;
    for (CountedBox* box : {&a, &b, &loner, &away}) box->Box->SetChecked(true);
    c->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(loner->Checked()); // group 0: never touched
    EXPECT_TRUE(away->Checked());  // another parent
    EXPECT_EQ(a.Clicks, 2);        // checked, then unchecked by the group

    CountedBox grayable(page, 160);
    grayable->AllowGrayed = true;
    const TCheckBoxState expected[] = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState state : expected) {
        Click(grayable->Handle());
        EXPECT_EQ(grayable->State(), state);
    }
    EXPECT_EQ(grayable.Clicks, 3);
    grayable->SetState(cbGrayed);
    grayable->SetChecked(false);
    EXPECT_EQ(grayable->State(), cbGrayed);

    CountedBox plain(page, 190, nullptr, "&Agree");
    Click(plain->Handle(), WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_FALSE(plain->Checked());
    plain->SetCanFocused(false);
    SetFocus(page.Handle());
    Click(plain->Handle());
    EXPECT_TRUE(plain->Checked());
    EXPECT_FALSE(plain->Focused());
    SendMessageW(plain->Handle(), WM_KEYUP, VK_SPACE, 0);
    SendMessageW(page.Handle(), WM_SYSCHAR, 'a', 0);
    EXPECT_TRUE(plain->Checked()); // without focus rights, no key reaches it
    EXPECT_EQ(plain.Clicks, 1);

    plain->SetCanFocused(true);
    Click(plain->Handle()); // takes the focus, toggles
    EXPECT_TRUE(plain->Focused());
    SendMessageW(plain->Handle(), WM_KEYUP, VK_SPACE, 0);
    SendMessageW(page.Handle(), WM_SYSCHAR, 'A', 0);
    EXPECT_FALSE(plain->Checked());
    EXPECT_EQ(plain.Clicks, 4);
}

TEST(CheckRadioBox, GlyphsCaptionsAndMarksLandOnTheirPixels)
{
    ApplicationSession session;
    SkinnedPage& page = Application::Instance().CreatePage<SkinnedPage>();
    ShowPage(page);
    CountedBox flat(page, 10, &page.Data);
    for (bool enabled : {true, false})
        for (bool hot : {false, true})
            for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed}) {
                flat->SetEnabled(enabled);
                flat->SetState(state);
                Hover(flat->Handle(), hot);
                const TbsPngImage shot = Shown(page.Handle());
                const GlyphChoice choice = ChooseGlyph(flat->Look, enabled, flat->Hot(), state, state == cbChecked);
                const TbsEffectBmp glyph = CutGlyph(*flat->Picture, choice);
                OwnedPixels expected(15, 15);
                DrawKeyedGlyph(glyph, expected.Image, 0, 0);
                bool same = true;
                for (int y = 0; y < 15; ++y)
                    for (int x = 0; x < 15; ++x)
                        if (const TbsColor c = expected.Image.At(x, y))
                            same &= shot.Pixel(13 + x, 10 + 5 + y) == SwapRedBlue(c & 0xFFFFFF);
                EXPECT_TRUE(same) << enabled << hot << int(state);
                // The caption starts 7 pixels after the glyph, black, or grey when disabled.
                bool dark = false, any = false;
                for (int y = 12; y < 33; ++y)
                    for (int x = 10 + 22; x < 10 + 60; ++x) {
                        dark |= Dark(shot.Pixel(x, y));
                        any |= shot.Pixel(x, y) != 0xFAF7F5;
                    }
                EXPECT_EQ(dark, enabled);
                EXPECT_TRUE(any);
            }

    // Framed: the glyph sits in its place of the skin image.
    CountedBox framed(page, 50, &page.Data);
    framed->SetFlat(false);
    framed->SkinChanged();
    framed->SetChecked(true);
    TbsPngImage shot = Shown(page.Handle());
    EXPECT_TRUE(GlyphAt(shot, *framed->Picture, framed->Look.CheckImageRect, 10 + framed->CheckImagePlace.Left,
                        50 + framed->CheckImagePlace.Top));

    // Unskinned: the drawn box and the strokes of the tick.
    CountedBox drawn(page, 80);
    drawn->SetChecked(true);
    shot = Shown(page.Handle());
    EXPECT_EQ(shot.Pixel(13, 80 + 12 - 7), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.Pixel(17 + 2, 80 + 12 - 4 + 7), 0u); // (x + 2, y + 7) of the first stroke
    EXPECT_EQ(shot.Pixel(17 + 2, 80 + 12 - 4 + 5), 0u); // of the third

    // A focused box without caption or picture draws no focus frame.
    CountedBox bare(page, 110, &page.Data, "");
    bare->SetCanFocused(true);
    bare->SetFocus();
    shot = Shown(page.Handle());
    ASSERT_TRUE(bare->FocusedBox());
    bool clean = true;
    for (int y = 110; y < 135; ++y)
        for (int x = 10 + 20; x < 160; ++x) clean &= shot.Pixel(x, y) == 0xFAF7F5;
    EXPECT_TRUE(clean);

    // The focus frame follows a caption that changes after a paint: its top row, every
    // second pixel along the caption, is the row with the most dark pixels.
    auto longestRow = [&] {
        const TbsPngImage now = Shown(page.Handle());
        int longest = 0;
        for (int y = 110; y < 135; ++y) {
            int dark = 0;
            for (int x = 10 + 20; x < 160; ++x) dark += Dark(now.Pixel(x, y));
            longest = std::max(longest, dark);
        }
        return longest;
    };
    bare->SetCaption("W");
    const int shortFrame = longestRow();
    bare->SetCaption("WWWWWWWW");
    EXPECT_GT(longestRow(), 3 * shortFrame);
}

TEST(CheckRadioBox, HoverMorphRunsOnlyWhereItShowsAndEndsOnTheHotLook)
{
    ApplicationSession session;
    SkinnedPage& page = Application::Instance().CreatePage<SkinnedPage>();
    ShowPage(page);
    CountedBox framed(page, 10, &page.Data), flat(page, 40, &page.Data);
    framed->SetFlat(false);
    framed->SkinChanged();
    Shown(page.Handle());
    ASSERT_TRUE(framed->MorphActive());

    Hover(flat->Handle(), true);
    EXPECT_FALSE(flat->MorphRunning());
    Hover(framed->Handle(), true);
    ASSERT_TRUE(framed->MorphRunning());
    for (int step = 1; step <= 5; ++step) {
        framed->MorphTimerTick();
        EXPECT_NEAR(framed->MorphPosition, 0.2 * step, 1e-9);
    }
    framed->MorphTimerTick();
    EXPECT_EQ(framed->MorphPosition, 1.0);
    EXPECT_FALSE(framed->MorphRunning());
    Hover(framed->Handle(), false);
    while (framed->MorphRunning()) framed->MorphTimerTick();
    EXPECT_EQ(framed->MorphPosition, 0.0);

    // Every kind of morph ends on the image the box shows when hot without effects.
    auto boxPixels = [&](const TbsPngImage& shot) {
        std::vector<uint32_t> pixels;
        for (int y = 10; y < 29; ++y)
            for (int x = 10; x < 160; ++x) pixels.push_back(shot.Pixel(x, y));
        return pixels;
    };
    page.Data.EnableSkinEffects = false;
    Hover(framed->Handle(), true);
    EXPECT_FALSE(framed->MorphRunning()); // effects off: straight to the hot look
    const std::vector<uint32_t> hot = boxPixels(Shown(page.Handle()));
    Hover(framed->Handle(), false);
    page.Data.EnableSkinEffects = true;
    auto& definition = dynamic_cast<TbsDataSkinCheckRadioControl&>(*page.Data.SkinControls[framed->SkinControlIndex]);
    for (int kind = 0; kind <= 6; ++kind) {
        definition.MorphKind = static_cast<TMorphKind>(kind);
        framed->MorphPosition = 0;
        Hover(framed->Handle(), true);
        while (framed->MorphRunning()) framed->MorphTimerTick();
        EXPECT_EQ(boxPixels(Shown(page.Handle())), hot) << kind;
        Hover(framed->Handle(), false);
        while (framed->MorphRunning()) framed->MorphTimerTick();
    }
}

TEST(SkinLinkLabel, MeasuresGlowsUnderlinesAndOpens)
{
    ApplicationSession session;
    SkinnedPage& page = Application::Instance().CreatePage<SkinnedPage>();
    ShowPage(page);
    auto label = [&](int top, std::string_view caption) {
        auto l = std::make_unique<TbsSkinLinkLabel>(page);
        l->SetBounds(10, top, 120, 40);
        l->SetCaption(caption);
        return l;
    };
    auto empty = label(0, "");
    empty->SetAutoSize(true);
    EXPECT_GT(empty->Height(), 10); // one line, of a space
    EXPECT_GT(empty->Width(), 0);
    auto amp = label(0, "&"), ampSpace = label(0, "& ");
    for (auto* l : {amp.get(), ampSpace.get()}) {
        l->SetShowAccelChar(true);
        l->SetAutoSize(true);
    }
    EXPECT_GT(amp->Width(), 0);
    EXPECT_EQ(amp->Width(), ampSpace->Width());
    empty.reset(), amp.reset(), ampSpace.reset();

    // The top row of text, and the longest run of text pixels on one row.
    auto ink = [&](const TbsPngImage& shot, const Label& l) {
        int top = -1, run = 0;
        for (int y = l.Top(); y < l.Top() + l.Height(); ++y) {
            int current = 0;
            for (int x = l.Left(); x < l.Left() + l.Width(); ++x) {
                const bool text = shot.Pixel(x, y) != 0xFAF7F5;
                if (text && top < 0) top = y - l.Top();
                current = text ? current + 1 : 0;
                run = std::max(run, current);
            }
        }
        return std::pair{top, run};
    };
    auto plain = label(10, "许可协议"), glowing = label(60, "许可协议");
    glowing->GlowEffect = true;
    TbsPngImage shot = Shown(page.Handle());
    const auto [plainTop, plainRun] = ink(shot, *plain);
    const auto [glowTop, glowRun] = ink(shot, *glowing);
    EXPECT_EQ(glowTop, plainTop + 7); // lower by the glow size, without a halo
    EXPECT_EQ(glowRun, plainRun);
    EXPECT_GT(plainRun, 40); // underlined: one row of ink across the text

    FontSpec underlined = plain->DefaultFont();
    ASSERT_TRUE(underlined.Underline);
    plain->SetUseUnderLine(false);
    for (bool hovered : {false, true}) {
        if (hovered) plain->MouseEntered();
        EXPECT_LT(ink(Shown(page.Handle()), *plain).second, 20) << hovered; // no underline either way
    }

    int opened = 0, clicks = 0;
    plain->OpenUrl = [&](const std::string&) { ++opened; };
    plain->OnClick = [&] { ++clicks; };
    auto click = [&] {
        SendMessageW(page.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
        SendMessageW(page.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
    };
    click();
    plain->URL = "https://www.tavio.cn/";
    click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(opened, 1);
}

TEST(PngImageView, IndexSizeTranslucencyAndReflection)
{
    ApplicationSession session;
    Page& page = Application::Instance().CreatePage<Page>(300, 200);
    page.SetColor(RGB(255, 255, 255));
    ShowPage(page);
    TbsPngImageList list;
    list.SetPngWidth(20);
    list.SetPngHeight(16);
    TbsPngImage red(20, 16, TbsPngImage::RGBAlpha);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 20; ++x) red.SetPixel(x, y, RGB(255, 0, 0));
        std::fill_n(red.AlphaRow(y).begin() + 10, 10, uint8_t{0}); // right half clear
    }
    for (int i = 0; i < 3; ++i) list.PngImages().Add().SetPngImage(red);
    EXPECT_EQ(list.ImageListCount(), 3);

    TbsPngImageView view(page);
    view.SetBounds(10, 10, 40, 40);
    view.SetPngImageList(&list);
    TbsPngImage shot = Shown(page.Handle());
    EXPECT_EQ(view.ImageIndex(), -1);
    EXPECT_EQ(shot.Pixel(12, 12), 0xFFFFFFu); // −1 draws nothing
    view.SetImageIndex(9);                      // beyond the list: nothing, but the list's size
    EXPECT_EQ(view.Width(), 20);
    EXPECT_EQ(view.Height(), 16);
    view.SetImageIndex(1);
    view.SetImageIndex(-5);
    EXPECT_EQ(view.ImageIndex(), 1);

    view.SetEnabled(false);
    shot = Shown(page.Handle());
    const uint32_t half = shot.Pixel(12, 12);
    EXPECT_NEAR(int(half & 0xFF), 255, 1);
    EXPECT_NEAR(int(half >> 8 & 0xFF), 127, 2);  // red at half alpha over white
    EXPECT_EQ(shot.Pixel(25, 12), 0xFFFFFFu);    // clear stays clear
    view.SetEnabled(true);

    view.SetAutoSize(false);
    view.SetBounds(10, 10, 40, 40);
    view.SetCenter(true);
    view.SetReflectionEffect(true);
    shot = Shown(page.Handle());
    EXPECT_EQ(shot.Pixel(10 + 10, 10 + 8), 0x0000FFu);  // the picture at (10, 8)
    EXPECT_EQ(shot.Pixel(10 + 9, 10 + 8), 0xFFFFFFu);
    const uint32_t mirrored = shot.Pixel(10 + 10, 10 + 24); // its reflection from (10, 24)
    EXPECT_NE(mirrored, 0xFFFFFFu);
    EXPECT_NE(mirrored, 0x0000FFu);
    EXPECT_EQ(shot.Pixel(10 + 10, 10 + 7), 0xFFFFFFu);
    EXPECT_EQ(shot.Pixel(10 + 10, 10 + 23), 0x0000FFu); // the picture's last row
    view.SetAutoSize(true);
    EXPECT_EQ(view.Width(), 20);
    EXPECT_EQ(view.Height(), 29);

    list.SetPngWidth(20); // the same width keeps the pictures
    EXPECT_EQ(list.PngImages().Count(), 3u);
    list.SetPngWidth(24);
    EXPECT_EQ(list.PngImages().Count(), 0u);
    EXPECT_EQ(list.ImageListCount(), 0);
}

TEST(SkinControlsLeaks, TwentyThousandPaintsOfEachKind)
{
    ApplicationSession session;
    GalleryPage& page = Application::Instance().CreatePage<GalleryPage>();
    ShowPage(page);
    Settle();
    const int windows = WindowCount();
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    TbsSkinCheckRadioBox& morphing = page.Box("FramedMorph");
    TbsSkinCheckRadioBox& flat = page.Box("FlatUnchecked");
    TbsPngImageView& view = page.Get<TbsPngImageView>("Reflected");
    constexpr int Frames = 20000;
    for (int i = 0; i < Frames; ++i) {
        morphing.MorphPosition = 0.1 + 0.8 * (i % 9) / 8; // in the middle of a morph
        morphing.Repaint();
    }
    for (int i = 0; i < Frames; ++i) flat.SetChecked(!flat.Checked());
    for (int i = 0; i < Frames; ++i) {
        page.InvalidateRect(view.Bounds());
        UpdateWindow(page.Handle());
    }
    EXPECT_TRUE(GdiStillWorks());
    EXPECT_EQ(WindowCount(), windows);
    if (gdi != 0) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 8);
    }
}
