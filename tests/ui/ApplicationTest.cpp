#include <gtest/gtest.h>

#include "TestSupport.h"
#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/Page.h"
#include "ui/Timer.h"

TEST(Application, TerminateTakesEffectBackInTheLoop)
{
    ApplicationSession session;
    Application& application = Application::Instance();
    Timer timer(10, true);
    bool ranOn = false;
    timer.OnTimer = [&] {
        timer.SetEnabled(false);
        application.Terminate();
        ranOn = true; // the handler finishes first
        EXPECT_FALSE(application.Terminated());
    };
    application.Run();
    EXPECT_TRUE(ranOn);
    EXPECT_TRUE(application.Terminated());
}

TEST(Application, RequestSeenWhilePumpingEndsTheLoopAtOnce)
{
    ApplicationSession session;
    Application& application = Application::Instance();
    application.Terminate();
    application.ProcessMessages(); // a wait inside a handler swallows the request...
    EXPECT_TRUE(application.Terminated());
    Timer neverNeeded(5000, true);
    application.Run(); // ...and the loop still ends when control is back in it
}

TEST(Application, EscapedExceptionIsShownAndTheLoopGoesOn)
{
    ApplicationSession session;
    Application& application = Application::Instance();
    Timer timer(10, true);
    int ticks = 0;
    timer.OnTimer = [&] {
        if (++ticks == 1) throw Exception("Disk full");
        timer.SetEnabled(false);
        application.Terminate();
    };
    application.Run();
    EXPECT_EQ(ticks, 2);
    ASSERT_EQ(session.Messages.size(), 1u);
    EXPECT_EQ(session.Messages[0].Text, "Disk full");
    EXPECT_EQ(session.Messages[0].Caption, "塔维欧安装向导");
}

TEST(Application, ShowMessageIsCaptionedWithTheTitle)
{
    ApplicationSession session;
    ShowMessage("你好");
    ASSERT_EQ(session.Messages.size(), 1u);
    EXPECT_EQ(session.Messages[0].Text, "你好");
    EXPECT_EQ(session.Messages[0].Caption, "塔维欧安装向导");
    EXPECT_EQ(session.Messages[0].Flags, static_cast<unsigned>(MB_OK));
}

TEST(Application, MessageBoxWithATimeClosesByItselfAsIfOk)
{
    ApplicationSession session;
    Application& application = Application::Instance();
    application.SetMessageBoxHook(nullptr); // the real box, with nobody to press a key
    EXPECT_EQ(application.MessageBox("closes by itself", "test", MB_OK | MB_ICONERROR, 200), IDOK);
}

TEST(Application, CyclesCleanlyForManySessions)
{
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 20; ++i) {
        ApplicationSession session;
        Page& page = Application::Instance().CreatePage<Page>(300, 200);
        page.Show();
        Application::Instance().ProcessMessages();
    }
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 2);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore + 2);
}

TEST(Timer, DisabledInItsHandlerTicksOnce)
{
    ApplicationSession session;
    Application& application = Application::Instance();
    Timer once(20, false);
    int calls = 0;
    once.OnTimer = [&] {
        once.SetEnabled(false);
        ++calls;
    };
    once.SetEnabled(true);
    Timer stop(200, true);
    stop.OnTimer = [&] { application.Terminate(); };
    application.Run();
    EXPECT_EQ(calls, 1);
}

TEST(Page, IsBorderlessSizedAndCentredOnTheDesktop)
{
    ApplicationSession session;
    Page& page = Application::Instance().CreatePage<Page>(588, 400);
    EXPECT_EQ(page.Width(), 588);
    EXPECT_EQ(page.Height(), 400);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs(page.Left() + 294 - (work.left + work.right) / 2), 1);
    EXPECT_LE(std::abs(page.Top() + 200 - (work.top + work.bottom) / 2), 1);
    const LONG style = GetWindowLongW(page.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetWindow(page.Handle(), GW_OWNER), Application::Instance().Handle());
    EXPECT_FALSE(page.Visible());
    page.Show();
    EXPECT_TRUE(page.Visible());
    page.Hide();
    EXPECT_FALSE(page.Visible());
}

TEST(GraphicControl, ClickIsAPressAndAReleaseInside)
{
    ApplicationSession session;
    Page& page = Application::Instance().CreatePage<Page>(200, 100);
    GraphicControl control(page);
    control.SetBounds(10, 10, 50, 20);
    int clicks = 0;
    control.OnClick = [&] { ++clicks; };
    control.Perform(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    control.Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
    control.Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); // no press before it
    EXPECT_EQ(clicks, 1);
    control.Perform(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    control.Perform(WM_LBUTTONUP, 0, MAKELPARAM(60, 5)); // released outside
    EXPECT_EQ(clicks, 1);
}

TEST(GraphicControl, PageRoutesTheMouseToTheControlUnderIt)
{
    ApplicationSession session;
    Page& page = Application::Instance().CreatePage<Page>(200, 100);
    GraphicControl below(page), above(page);
    below.SetBounds(0, 0, 100, 100);
    above.SetBounds(50, 50, 20, 20);
    std::vector<std::string> log;
    below.OnClick = [&] { log.push_back("below"); };
    above.OnClick = [&] { log.push_back("above"); };
    above.OnMouseDown = [&](MouseButton, unsigned, int x, int y) {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    auto click = [&](int x, int y) {
        SendMessageW(page.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(page.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    click(55, 57);
    click(10, 10);
    above.SetVisible(false);
    click(55, 57);
    EXPECT_EQ(log, (std::vector<std::string>{"down 5,7", "above", "below", "below"}));
}
