// The install launch: what a click on the options page's install button does.
#include "app/PathText.h"
#include "app/RunMode.h"
#include "framework/Application.h"
#include "framework/FileSystem.h"
#include "framework/SystemError.h"
#include "pages/PayloadStaging.h"
#include "pages/TForm1.h"
#include "pages/TForm2.h"
#include "skinctrls/SkinCheckRadioBox.h"

namespace {
const char* Flag(const TbsSkinCheckRadioBox* box) { return box->Checked() ? "1" : "0"; }
} // namespace

void TForm1::Image2Click()
{
    Application& application = Application::Instance();
    const std::string folder = IncludeTrailingBackslash(Edit1->Text());
    if (!CreateFolderTree(folder)) {
        ShowMessage(SystemErrorText(GetLastError()));
        // An unattended run has nothing left to show and nobody to choose another folder.
        if (IsSilentMode()) application.Terminate();
        return;
    }
    StagePayload(folder, GetModuleHandleW(nullptr));

    TForm2& progress = application.CreatePage<TForm2>();
    progressPage_ = &progress;
    if (!IsSilentMode()) progress.Show();
    Hide();
    progress.Settings = {
        .DesktopShortcut = Flag(bsSkinCheckRadioBox4),
        .QuickLaunchShortcut = Flag(bsSkinCheckRadioBox3),
        .StartAtLogon = Flag(bsSkinCheckRadioBox2),
        .InstallFolder = folder,
    };
    progress.TimerStartDownload->SetEnabled(true);
}
