#pragma once
#include "app/InstallSettings.h"
#include "framework/GraphicControl.h"
#include "framework/Label.h"
#include "framework/Page.h"
#include "framework/Timer.h"

// The progress page: status line and the one-shot timer that starts the install.
class TForm2 : public Page {
public:
    TForm2();

    InstallSettings Settings; // filled by the install launch before the timer runs
    Label Label1;             // status text
    GraphicControl ImageClose;
    GraphicControl ImageMin;
    Timer TimerStartDownload{100, false};

    void TimerStartDownloadTimer();
    void RunInstall();
    void ImageClose11Click(); // asks before ending the application

private:
    void FormCreate();
    void PaintBackground(HDC dc, const RECT& client) override;
};
