#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "install/InstallFlow.h"
#include "install/InstallSequence.h"
#include "ui/Label.h"
#include "ui/Page.h"
#include "ui/Picture.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

class TForm3;

// The progress page: the slideshow, the status line, the progress bar, and the install
// sequence that its one-shot start timer runs.
class TForm2 : public Page, private InstallObserver {
public:
    explicit TForm2(PageOwner& owner);

    InstallSequence Install; // its settings and staged files are filled by the install launch

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
    void ImageClose11Click(); // asks before ending the application and undoing the install
    TForm3* FinishPage() const { return finishPage_; }

private:
    void FormCreate();
    void StatusChanged(std::string_view text) override;
    void ProgressChanged(bool isTotal, int64_t value) override;
    void Installed(const std::string& folder) override;
    void FolderRefused() override;

    ProgressScale scale_;
    uint32_t lastPaint_ = 0;
    TForm3* finishPage_ = nullptr;
};
