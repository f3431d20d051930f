#include <gtest/gtest.h>

#include "SamplePage.h"
#include "TestSupport.h"
#include "base/Dib.h"
#include "base/FileSystem.h"
#include "base/PngImage.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"

TEST(PageScreen, SamplePageLooksRight)
{
    ApplicationSession session;
    SamplePage& page = Application::Instance().CreatePage<SamplePage>();
    page.Show();
    Settle();
    const TbsPngImage shot = Screenshot(page.Handle());
    CreateFolderTree(TEST_SCREENSHOTS);
    const std::vector<std::byte> png = shot.ToPng();
    WriteFileBytes(std::string(TEST_SCREENSHOTS) + "\\sample-page.png", png);

    // The label is transparent: right of its text the background picture shows.
    const TbsPngImage& background = page.Get<Picture>("Background").Image();
    const Label& status = page.Get<Label>("Status");
    const int x = status.Left() + status.Width() - 4, y = status.Top() + 3;
    EXPECT_EQ(shot.Pixel(x, y), background.Pixel(x, y));
    // Some of the label's white text is there.
    bool white = false;
    for (int tx = status.Left(); tx < status.Left() + 100; ++tx) white |= shot.Pixel(tx, status.Top() + 9) == 0xFFFFFF;
    EXPECT_TRUE(white);

    // The bar is filled to 40% of its width.
    const ProgressBar& bar = page.Get<ProgressBar>("Bar");
    const int row = bar.Top() + bar.Height() / 2;
    auto at = [&](double share) { return shot.Pixel(bar.Left() + static_cast<int>(bar.Width() * share), row); };
    EXPECT_NE(at(0.2), at(0.6));
    EXPECT_EQ(at(0.37), at(0.2));
    EXPECT_EQ(at(0.43), at(0.6));
}

TEST(PageScreen, TwoHundredPagesLeaveNoWindowsOrGdiObjectsBehind)
{
    ApplicationSession session;
    auto once = [] {
        auto page = std::make_unique<SamplePage>(Application::Instance());
        page->Show();
        Application::Instance().ProcessMessages();
        UpdateWindow(page->Handle());
    };
    once(); // first use loads what stays loaded (classes, fonts)
    const int windows = WindowCount();
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 200; ++i) once();
    Application::Instance().ProcessMessages();
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
}
