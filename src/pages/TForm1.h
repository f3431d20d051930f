#pragma once
#include "framework/Edit.h"
#include "framework/GraphicControl.h"
#include "framework/Page.h"

class TForm2;

// Stand-in for a skinned check box: only its state matters to the install launch.
struct CheckBoxState {
    bool Checked = false;
};

// The options page: install button, install folder and the option boxes. In silent
// mode its creation clicks the install button itself.
class TForm1 : public Page {
public:
    TForm1();

    GraphicControl Image2;     // install button
    GraphicControl ImageClose; // ends the application
    GraphicControl ImageMin;   // minimises the application
    Edit Edit1;                // install folder
    CheckBoxState bsSkinCheckRadioBox1; // "阅读并同意": consulted by nothing
    CheckBoxState bsSkinCheckRadioBox2; // "开机自动启动"
    CheckBoxState bsSkinCheckRadioBox3; // "添加到快速启动栏"
    CheckBoxState bsSkinCheckRadioBox4; // "生成桌面快捷方式"

    // The install launch: folder, payload files, progress page, settings, start timer.
    void Image2Click();

    // The progress page once the launch has created it.
    TForm2* ProgressPage() const { return progressPage_; }

private:
    void FormCreate();
    void PaintBackground(HDC dc, const RECT& client) override;

    TForm2* progressPage_ = nullptr;
};
