#include "pages/TForm1.h"

#include <cmath>
#include <shlobj.h>

#include "app/Product.h"
#include "app/RunMode.h"
#include "framework/Application.h"
#include "framework/Font.h"
#include "framework/WinStrings.h"
#include "pages/PlainPaint.h"
#include "pages/SpecialFolder.h"

TForm1::TForm1()
    : Page(588, 400), Image2(*this), ImageClose(*this), ImageMin(*this), Edit1(*this)
{
    Image2.SetBounds(224, 336, 209, 41);
    Edit1.SetBounds(232, 400, 201, 25);
    Image2.HandCursor = ImageClose.HandCursor = ImageMin.HandCursor = true;
    Image2.OnClick = [this] { Image2Click(); };
    ImageClose.OnClick = [] { Application::Instance().Terminate(); };
    ImageMin.OnClick = [] { Application::Instance().Minimize(); };
    OnMouseDown = [this](MouseButton button, unsigned, int, int) {
        if (button == MouseButton::Left) Drag();
    };
    Edit1.SetEnabled(false);
    Application::Instance().Guard([this] { FormCreate(); });
}

void TForm1::FormCreate()
{
    SetSize(588, 400);
    ImageClose.SetBounds(Width() - 15, 5, 11, 11);
    ImageMin.SetBounds(ImageClose.Left() - 15, 10, 10, 2);
    Image2.SetBounds(static_cast<int>(std::lrint((Width() - 197) / 2.0)), 336, 197, 47); // 195.5 -> 196
    Edit1.SetBounds(Image2.Left() - 20, Edit1.Top(), Image2.Width() + 40, Edit1.Height());
    Edit1.SetText(SpecialFolderPath(CSIDL_PROGRAM_FILES) + product::DefaultFolderName);
    bsSkinCheckRadioBox1.Checked = true;
    bsSkinCheckRadioBox2.Checked = true;
    bsSkinCheckRadioBox3.Checked = true;
    bsSkinCheckRadioBox4.Checked = true;
    if (IsSilentMode()) {
        const LPARAM point = MAKELPARAM(5, 5);
        Image2.Perform(WM_LBUTTONDOWN, 0, point);
        Image2.Perform(WM_LBUTTONUP, 0, point);
    }
}

void TForm1::PaintBackground(HDC dc, const RECT& client)
{
    PaintPlainBackground(dc, client, "塔维欧播放器", "轻快、清晰的高清视频播放器");
    PaintPlainButton(dc, Image2.Bounds(), "立即安装");
    PaintCloseMark(dc, ImageClose.Bounds());
    PaintMinimizeMark(dc, ImageMin.Bounds());
}
