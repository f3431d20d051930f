#include <gtest/gtest.h>

#include "SamplePage.h"
#include "TestSupport.h"
#include "framework/Dib.h"
#include "framework/FileSystem.h"
#include "framework/Label.h"
#include "framework/PngImage.h"
#include "framework/ProgressBar.h"

namespace {

// What the screen shows of a window, read back from the display.
TbsPngImage Screenshot(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    TbsPngImage image(width, height, TbsPngImage::RGB);
    const auto* pixel = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, pixel += 4) image.SetPixel(x, y, RGB(pixel[2], pixel[1], pixel[0]));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

BOOL CALLBACK CountChild(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM counter)
{
    CountChild(window, counter);
    EnumChildWindows(window, CountChild, counter);
    return TRUE;
}

// Windows of this thread, top-level and children: what a leak of USER objects shows.
int WindowCount()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

void Settle()
{
    for (int i = 0; i < 20; ++i) {
        Application::Instance().ProcessMessages();
        Sleep(10);
    }
}

} // namespace

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
        auto page = std::make_unique<SamplePage>();
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
