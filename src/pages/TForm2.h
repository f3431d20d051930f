#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "install/InstallSettings.h"
#include "framework/FileChanges.h"
#include "framework/Label.h"
#include "framework/Page.h"
#include "framework/Picture.h"
#include "framework/ProgressBar.h"
#include "framework/Timer.h"
#include "install/InstallFlow.h"

class TForm3;

// The progress page: the slideshow, the status line, the progress bar, and the install
// sequence that its one-shot start timer runs.
class TForm2 : public Page {
public:
    TForm2();

    InstallSettings Settings; // filled by the install launch before the timer runs
    // What the launch wrote (the folder, the archive, the library): kept once the
    // payload is unpacked, undone when it cannot be.
    FileChanges Staged;

    Picture* Image1 = nullptr; // the five slides, never shown themselves
    Picture* Image2 = nullptr;
    Picture* Image3 = nullptr;
    Picture* Image4 = nullptr;
    Picture* Image5 = nullptr;
    Picture* Image6 = nullptr; // the visible slide
    Label* Label1 = nullptr;   // status text
    Picture* ImageMin = nullptr;
    Picture* ImageClose = nullptr;
    ProgressBar* ProgressBar1 = nullptr;
    Timer* Timer1 = nullptr;
    Timer* TimerStartDownload = nullptr;

    // The number of the slide last shown: 1 to 5, back to 0 after slide 5.
    int SlideIndex = 0;

    void TimerStartDownloadTimer();
    void RunInstall();
    void Timer1Timer();
    void ImageClose11Click(); // asks before ending the application
    TForm3* FinishPage() const { return finishPage_; }

    // What the sequence does to the machine and how it waits, replaceable by tests.
    struct Actions {
        std::function<bool(std::string_view)> KillProcesses;
        std::function<void(uint32_t)> Wait;
        std::function<void(const std::string&)> DebugLine;
    } Do;

    // The progress handler of the extraction (sender: this page).
    static HRESULT OnExtractProgress(void* sender, BOOL isTotal, int64_t value);

private:
    void FormCreate();
    bool ExtractPayload(const std::string& archive, const std::string& folder);
    void ShowProgress(bool isTotal, int64_t value);

    ProgressScale scale_;
    uint32_t lastPaint_ = 0;
    TForm3* finishPage_ = nullptr;
};

// Waits on the tick counter while pending messages run.
void PumpWait(uint32_t ms);
