#include "pages/TForm2.h"

#include "framework/Application.h"
#include "pages/PlainPaint.h"

TForm2::TForm2() : Page(707, 490), Label1(*this), ImageClose(*this), ImageMin(*this)
{
    Label1.SetBounds(16, 342, 649, 13);
    ImageClose.HandCursor = ImageMin.HandCursor = true;
    ImageClose.OnClick = [this] { ImageClose11Click(); };
    ImageMin.OnClick = [] { Application::Instance().Minimize(); };
    OnMouseDown = [this](MouseButton button, unsigned, int, int) {
        if (button == MouseButton::Left) Drag();
    };
    TimerStartDownload.OnTimer = [this] { TimerStartDownloadTimer(); };
    Application::Instance().Guard([this] { FormCreate(); });
}

void TForm2::FormCreate()
{
    SetSize(588, 358);
    ImageClose.SetBounds(Width() - 15, 5, 11, 11);
    ImageMin.SetBounds(ImageClose.Left() - 25, 10, 10, 2);
    const int barTop = 338, barWidth = 548; // where the progress bar sits
    Label1.SetBounds(barWidth - 460, barTop - 18, Label1.Width(), Label1.Height());
    Label1.SetFont({.Height = 12, .Color = RGB(90, 98, 112)});
}

void TForm2::PaintBackground(HDC dc, const RECT& client)
{
    PaintPlainBackground(dc, client, "塔维欧播放器", "正在为您安装，请稍候");
    PaintCloseMark(dc, ImageClose.Bounds());
    PaintMinimizeMark(dc, ImageMin.Bounds());
}

void TForm2::ImageClose11Click()
{
    Application& application = Application::Instance();
    if (application.MessageBox("正在安装塔维欧播放器，确定要退出吗？", "警告", MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        application.Terminate();
}
