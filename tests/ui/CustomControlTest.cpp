#include <gtest/gtest.h>

#include "SamplePage.h"
#include "TestSupport.h"
#include "ui/CustomControl.h"

namespace {

// A control that records what reaches it and paints a frame over its background.
class Probe : public CustomControl {
public:
    explicit Probe(Page& page) : CustomControl(page) {}
    std::vector<std::string> Log;
    uint32_t BackgroundPixel = 0;

protected:
    void Paint(TCanvas& canvas) override
    {
        BackgroundPixel = GetPixel(canvas.Handle(), 2, 2);
        canvas.SetBrushColor(RGB(255, 0, 0));
        canvas.FrameRect({0, 0, Width(), Height()});
    }
    void MouseEntered() override { Log.push_back("enter"); }
    void MouseLeft() override { Log.push_back("leave"); }
    void KeyDown(WORD key) override { Log.push_back("key " + std::to_string(key)); }
    void FocusChanged(bool focused) override { Log.push_back(focused ? "focus" : "blur"); }
    void BackgroundChanged() override { Log.push_back("background"); }
    void Click() override { Log.push_back("click"); }
};

// A graphic control that notes whether the page paints it for itself or into a copy.
struct CopyWatcher : GraphicControl {
    using GraphicControl::GraphicControl;
    std::vector<bool> Copies;
    void Paint(HDC) override { Copies.push_back(Parent().PaintingCopy()); }
};

} // namespace

TEST(CustomControl, TakesFocusKeysMouseAndBackgroundNotices)
{
    ApplicationSession session;
    SamplePage& page = Application::Instance().CreatePage<SamplePage>();
    Probe probe(page);
    probe.SetBounds(100, 150, 60, 30);
    page.Show();
    Application::Instance().ProcessMessages();

    SendMessageW(probe.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(probe.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(probe.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(probe.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageW(probe.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 3)); // still inside: no second enter
    SendMessageW(probe.Handle(), WM_MOUSELEAVE, 0, 0);
    page.NotifyBackgroundChanged();
    EXPECT_TRUE(probe.Focused());
    EXPECT_EQ(probe.Log, (std::vector<std::string>{"focus", "click", "key 32", "enter", "leave", "background"}));
    EXPECT_TRUE(probe.TabStop());
}

TEST(CustomControl, PaintsOverACopyOfWhatLiesBehindIt)
{
    ApplicationSession session;
    SamplePage& page = Application::Instance().CreatePage<SamplePage>();
    CopyWatcher watcher(page);
    watcher.SetBounds(90, 140, 20, 20); // partly behind the control
    Probe probe(page);
    probe.SetBounds(100, 150, 60, 30);
    page.Show();
    UpdateWindow(page.Handle());
    UpdateWindow(probe.Handle());
    EXPECT_NE(std::find(watcher.Copies.begin(), watcher.Copies.end(), true), watcher.Copies.end());
    EXPECT_NE(std::find(watcher.Copies.begin(), watcher.Copies.end(), false), watcher.Copies.end());
    EXPECT_FALSE(page.PaintingCopy());
    const TbsPngImage& background = page.Get<Picture>("Background").Image();
    EXPECT_EQ(probe.BackgroundPixel, background.Pixel(102, 152));
}
