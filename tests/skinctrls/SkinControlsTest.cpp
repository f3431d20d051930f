#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "framework/DcScopes.h"
#include "framework/DibSection.h"
#include "framework/FileBytes.h"
#include "framework/FileSystem.h"
#include "framework/Page.h"
#include "framework/PngImage.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skinctrls/PngImageView.h"
#include "skinctrls/SkinCheckRadioBox.h"
#include "skinctrls/SkinComponents.h"
#include "skinctrls/SkinLinkLabel.h"

namespace {

// The gallery of every look, streamed from its definition with our skin.
class GalleryPage : public Page {
public:
    GalleryPage() : Page(10, 10) { LoadPage(*this, "gallery/gallery.page", SkinComponents()); }
    TbsSkinCheckRadioBox& Box(std::string_view name) const { return Get<TbsSkinCheckRadioBox>(name); }
};

// A page of its own with our skin loaded, for boxes made in code.
class SkinnedPage : public Page {
public:
    SkinnedPage() : Page(400, 300)
    {
        SetColor(RGB(0xF5, 0xF7, 0xFA));
        Stored.SetCompressedData(ReadFileBytes(TEST_SKIN_PACKAGE));
        Data.SetCompressedStoredSkin(&Stored);
    }
    TbsCompressedStoredSkin Stored;
    TbsSkinData Data;
};

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
    page.Show();
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
