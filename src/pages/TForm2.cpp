#include "pages/TForm2.h"

#include "base/Com.h"
#include "pages/TForm3.h"
#include "ui/Application.h"
#include "ui/ControlHost.h"
#include "ui/PageLoader.h"

#include <utility>

namespace {
constexpr uint32_t PaintEveryMs = 50;
}

TForm2::TForm2(PageOwner& owner) : Page(owner, 707, 490), Install(*this)
{
    AddHandler("FormCreate", NotifyEvent([this] { FormCreate(); }));
    AddHandler("Timer1Timer", NotifyEvent([this] { Timer1Timer(); }));
    AddHandler("TimerStartDownloadTimer", NotifyEvent([this] { TimerStartDownloadTimer(); }));
    AddHandler("ImageClose11Click", NotifyEvent([this] { ImageClose11Click(); }));
    AddHandler("ImageMinClick", NotifyEvent([] { Application::Instance().Minimize(); }));
    AddHandler("Image6MouseDown", MouseEvent([this](MouseButton button, unsigned, int, int) {
        if (button == MouseButton::Left) Drag();
    }));
    Bind("Image1", Image1);
    Bind("Image2", Image2);
    Bind("Image3", Image3);
    Bind("Image4", Image4);
    Bind("Image5", Image5);
    Bind("Image6", Image6);
    Bind("Label1", Label1);
    Bind("ImageMin", ImageMin);
    Bind("ImageClose", ImageClose);
    Bind("ProgressBar1", ProgressBar1);
    Bind("Timer1", Timer1);
    Bind("TimerStartDownload", TimerStartDownload);
    LoadPage(*this, "progress.page");
}

void TForm2::FormCreate()
{
    SetSize(588, 358);
    CenterOnDesktop();
    SlideIndex = 1;
    Image6->CopyPictureFrom(*Image1);
    Image6->SetFillsParent(true);
    ImageClose->SetLeft(Image6->Width() - 15);
    ImageClose->SetTop(5);
    ImageMin->SetLeft(ImageClose->Left() - 25);
    ImageMin->SetTop(10);
    ProgressBar1->SetBounds(20, 338, 548, 7);
    Label1->SetTop(ProgressBar1->Top() - 18);
    Label1->SetLeft(ProgressBar1->Width() - 460);
}

void TForm2::Timer1Timer()
{
    ++SlideIndex;
    Picture* const slides[] = {Image1, Image2, Image3, Image4, Image5};
    if (SlideIndex >= 1 && SlideIndex <= 5) Image6->CopyPictureFrom(*slides[SlideIndex - 1]);
    if (SlideIndex == 5) SlideIndex = 0;
}

// Every way of closing the page comes here. Quitting means the install is undone.
void TForm2::ImageClose11Click()
{
    // A click that waited out the end of the install: the finish page has taken over.
    if (!Visible()) return;
    // The install does not start behind the question.
    const bool starting = TimerStartDownload->Enabled();
    TimerStartDownload->SetEnabled(false);
    Application& application = Application::Instance();
    if (application.MessageBox("正在安装塔维欧播放器，确定要退出吗？", "警告", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
        TimerStartDownload->SetEnabled(starting);
        return;
    }
    if (!Install.Cancel()) application.Terminate();
}

void TForm2::TimerStartDownloadTimer()
{
    TimerStartDownload->SetEnabled(false);
    Install.Start();
}

void TForm2::RunInstall() { Install.Run(); }

void TForm2::StatusChanged(std::string_view text) { Label1->SetCaption(text); }

void TForm2::ProgressChanged(bool isTotal, int64_t value)
{
    if (isTotal) ProgressBar1->SetMax(scale_.SetTotal(value));
    else ProgressBar1->SetPosition(scale_.Position(value));
    // The extraction holds the thread: let pending input and paints (only those)
    // through now and then, so the page keeps drawing, the system never calls it
    // unresponsive and the close mark can still stop the install.
    const auto now = static_cast<uint32_t>(GetTickCount());
    if (now - lastPaint_ < PaintEveryMs) return;
    lastPaint_ = now;
    // Keys go through the page first, as in the main loop, so that Esc still asks
    // to quit. A screen reader's requests come through COM's window, and its press of
    // the close mark then as a posted message.
    constexpr std::pair<UINT, UINT> passed[] = {{WM_KEYFIRST, WM_KEYLAST},
                                                {WM_MOUSEFIRST, WM_MOUSELAST},
                                                {WM_PAINT, WM_PAINT},
                                                {WM_PRESSCONTROL, WM_PRESSCONTROL}};
    Application& application = Application::Instance();
    MSG msg;
    if (HWND com = ComApartmentWindow())
        while (PeekMessageW(&msg, com, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    for (const auto& [first, last] : passed)
        while (PeekMessageW(&msg, nullptr, first, last, PM_REMOVE)) application.Dispatch(msg);
}

void TForm2::FolderRefused()
{
    if (Page* options = Application::Instance().MainPage()) options->Show();
    Hide();
}

void TForm2::Installed(const std::string& folder)
{
    TForm3& finish = Application::Instance().CreatePage<TForm3>();
    finishPage_ = &finish;
    finish.InstallFolder = folder;
    finish.SetTop(Top());
    finish.SetLeft(Left());
    finish.Show();
    Hide();
}
