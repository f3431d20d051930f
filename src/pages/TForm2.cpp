#include "pages/TForm2.h"

#include "framework/Application.h"
#include "framework/PageLoader.h"
#include "install/ProcessShutdown.h"

TForm2::TForm2() : Page(707, 490)
{
    Do = {KillRunningProcesses, PumpWait, [](const std::string& line) { OutputDebugStringA(line.c_str()); }};
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

void TForm2::ImageClose11Click()
{
    Application& application = Application::Instance();
    if (application.MessageBox("正在安装塔维欧播放器，确定要退出吗？", "警告", MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        application.Terminate();
}

void PumpWait(uint32_t ms)
{
    PumpWaitWith(
        ms, [] { return static_cast<uint32_t>(GetTickCount()); }, [] { Application::Instance().ProcessMessages(); },
        [] { Sleep(1); });
}
