#include <gtest/gtest.h>

#include "framework/Win32.h"
#include <commctrl.h>

#include "TestSupport.h"
#include "framework/Edit.h"
#include "framework/Exception.h"
#include "framework/Label.h"
#include "framework/PageLoader.h"
#include "framework/PngImage.h"
#include "framework/Picture.h"
#include "framework/ProgressBar.h"
#include "framework/PushButton.h"
#include "framework/Timer.h"
#include "SamplePage.h"

TEST(PageStream, CreatesComponentsWithTheirProperties)
{
    ApplicationSession session;
    SamplePage& page = Application::Instance().CreatePage<SamplePage>();
    EXPECT_EQ(page.Width(), 320);
    EXPECT_EQ(page.Height(), 200);
    const Picture& background = page.Get<Picture>("Background");
    EXPECT_TRUE(background.FillsParent());
    EXPECT_EQ(background.Width(), 320);
    EXPECT_EQ(background.Image().Width(), 320);
    const Label& status = page.Get<Label>("Status");
    EXPECT_EQ(status.Caption(), "正在安装塔维欧播放器");
    EXPECT_EQ(status.Font().Color, RGB(255, 255, 255));
    EXPECT_EQ(status.Left(), 20);
    const Edit& folder = page.Get<Edit>("Folder");
    EXPECT_EQ(folder.Text(), "C:\\Program Files\\Tavio\\");
    EXPECT_FALSE(folder.Enabled());
    EXPECT_EQ(folder.Width(), 200);
    const ProgressBar& bar = page.Get<ProgressBar>("Bar");
    EXPECT_EQ(bar.Max(), 1000);
    EXPECT_EQ(bar.Position(), 400);
    EXPECT_TRUE(GetWindowLongW(bar.Handle(), GWL_STYLE) & PBS_SMOOTH);
    const Timer& tick = page.Get<Timer>("Tick");
    EXPECT_EQ(tick.Interval(), 50u);
    EXPECT_FALSE(tick.Enabled());
    EXPECT_THROW(page.Get<Label>("Background"), Exception); // wrong class
}

TEST(PageStream, ReferencesResolveBeforeTheCreationHandlerRuns)
{
    ApplicationSession session;
    SamplePage& page = Application::Instance().CreatePage<SamplePage>();
    // The creation handler saw the picture copied from a component declared later.
    EXPECT_EQ(page.Log, (std::vector<std::string>{"FormCreate copy 24x24"}));
    EXPECT_EQ(page.Get<Picture>("Copy").Image().Pixel(12, 12), page.Get<Picture>("Mark").Image().Pixel(12, 12));
}

TEST(PageStream, HandlersAreBoundByName)
{
    ApplicationSession session;
    SamplePage& page = Application::Instance().CreatePage<SamplePage>();
    page.Log.clear();
    Picture& copy = page.Get<Picture>("Copy");
    EXPECT_TRUE(copy.HandCursor);
    copy.Perform(WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
    copy.Perform(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    page.Get<Picture>("Background").Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
    SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(page.Get<PushButton>("Browse").Handle()));
    Timer& tick = page.Get<Timer>("Tick");
    tick.SetEnabled(true);
    while (page.Log.size() < 4) Application::Instance().ProcessMessages();
    EXPECT_EQ(page.Log, (std::vector<std::string>{"CopyClick", "BackgroundMouseDown 7,9", "BrowseClick", "TickTimer"}));
}

namespace {

// Streams an inline definition into a bare page; the files come from this program.
struct InlinePage : Page {
    InlinePage() : Page(100, 100)
    {
        AddHandler("Clicked", NotifyEvent([] {}));
        AddHandler("Pressed", MouseEvent([](MouseButton, unsigned, int, int) {}));
    }
};

std::string LoadError(std::string_view text)
{
    InlinePage& page = Application::Instance().CreatePage<InlinePage>();
    try {
        const PageDefinition definition = ParsePageDefinition(text, "bad.page");
        PageLoader(page, definition, StandardComponents(), ResourceFiles(GetModuleHandleW(nullptr))).Load();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no exception";
}

} // namespace

TEST(PageStream, MistakesAreNamedWithPageLineAndWord)
{
    ApplicationSession session;
    EXPECT_EQ(LoadError("page P {\n  Pictur A {\n  }\n}\n"), "bad.page, line 2, 'Pictur': unknown class");
    EXPECT_EQ(LoadError("page P {\n  Label A {\n    Colour $FF\n  }\n}\n"),
              "bad.page, line 3, 'Colour': unknown property of Label");
    EXPECT_EQ(LoadError("page P {\n  Label A {\n    OnClick Clickd\n  }\n}\n"),
              "bad.page, line 3, 'Clickd': the page has no such handler");
    EXPECT_EQ(LoadError("page P {\n  Label A {\n    OnClick Pressed\n  }\n}\n"),
              "bad.page, line 3, 'Pressed': the handler takes mouse arguments");
    EXPECT_EQ(LoadError("page P {\n  Picture A {\n    Picture <sample/missing.png>\n  }\n}\n"),
              "bad.page, line 3, '<sample/missing.png>': no such file is embedded");
    EXPECT_EQ(LoadError("page P {\n  Picture A {\n    Picture <sample/sample.page>\n  }\n}\n")
                  .rfind("bad.page, line 3, '<sample/sample.page>': Invalid PNG image", 0),
              0u);
    EXPECT_EQ(LoadError("page P {\n  Picture A {\n    PictureFrom Nobody\n  }\n}\n"),
              "bad.page, line 3, 'Nobody': the page has no such component");
    EXPECT_EQ(LoadError("page P {\n  Label A {\n    Bounds 1 2 x 4\n  }\n}\n"),
              "bad.page, line 3, 'x': Bounds expects an integer");
    EXPECT_EQ(LoadError("page P {\n  Label A {\n  }\n  Label A {\n  }\n}\n"), "bad.page, line 4, 'A': the name is taken");
    EXPECT_EQ(LoadError("page P {\n  Size 10\n}\n"), "bad.page, line 2, 'Size': Size needs more values");
    EXPECT_EQ(LoadError("page P {\n  Label A {\n    Caption \"open\n  }\n}\n"),
              "bad.page, line 3, '\"open': the string is not closed");
    EXPECT_EQ(LoadError("page P {\n  Label A {\n"), "bad.page, line 2, 'P': the page is not closed with '}'");
    EXPECT_EQ(LoadError("Page P {\n}\n"), "bad.page, line 1, 'Page': a definition starts with 'page NAME {'");
}

// Pictures are decoded when first drawn: the header is checked as the page loads, and
// rows that prove damaged later raise once, not at every paint.
TEST(PageStream, PictureRowsDamagedAfterLoadingFailOnceThenDrawNothing)
{
    ApplicationSession session;
    TbsPngImage image(40, 30, TbsPngImage::RGB);
    std::vector<std::byte> file = image.ToPng();
    file[file.size() - 20] ^= std::byte{0xFF}; // inside the image data: its CRC fails
    InlinePage& page = Application::Instance().CreatePage<InlinePage>();
    const PageDefinition definition = ParsePageDefinition("page P {\n  Picture A {\n    Picture <a.png>\n  }\n}\n", "p");
    PageLoader(page, definition, StandardComponents(), [&](std::string_view) { return file; }).Load();
    const Picture& picture = *dynamic_cast<Picture*>(page.FindComponent("A"));
    EXPECT_THROW(picture.Image(), Exception);
    EXPECT_TRUE(picture.Image().Empty());
}
