#include <gtest/gtest.h>

#include "base/Win32.h"
#include <commctrl.h>

#include "TestSupport.h"
#include "base/Exception.h"
#include "base/PngImage.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/PageLoader.h"
#include "ui/Picture.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/Timer.h"
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
    explicit InlinePage(PageOwner& owner) : Page(owner, 100, 100)
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

TEST(PageStream, LabelsReadWithAutoSizeEndTheSizeTheirCaptionMeasures)
{
    ApplicationSession session;
    // Made in code, measured as each property is set.
    InlinePage& host = Application::Instance().CreatePage<InlinePage>();
    Label made(host);
    made.SetBounds(1, 2, 300, 90);
    made.SetCaption("安装到");
    FontSpec font = made.Font();
    font.Height = 30;
    made.SetFont(font);
    made.SetAutoSize(true);
    ASSERT_NE(made.Width(), 300);
    // Read, the size is what the last of the properties measure, in whichever order.
    const char* bodies[] = {
        "    Bounds 1 2 300 90\n    AutoSize yes\n    Caption \"安装到\"\n    FontHeight 30\n",
        "    AutoSize yes\n    Caption \"安装到\"\n    Bounds 1 2 300 90\n    FontHeight 30\n",
        "    Caption \"安装到\"\n    FontHeight 30\n    Bounds 1 2 300 90\n    AutoSize yes\n",
    };
    for (const char* body : bodies) {
        SCOPED_TRACE(body);
        InlinePage& page = Application::Instance().CreatePage<InlinePage>();
        const std::string text = std::string("page P {\n  Label A {\n") + body + "  }\n}\n";
        PageLoader(page, ParsePageDefinition(text, "auto.page"), StandardComponents(),
                   ResourceFiles(GetModuleHandleW(nullptr)))
            .Load();
        const Label& label = page.Get<Label>("A");
        EXPECT_EQ(label.Width(), made.Width());
        EXPECT_EQ(label.Height(), made.Height());
    }
}

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
