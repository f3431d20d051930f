// The install launch: what a click on the options page's install button does.
#include <utility>

#include "base/Exception.h"
#include "base/FileChanges.h"
#include "base/ModuleFileName.h"
#include "base/SystemError.h"
#include "install/DefaultFolder.h"
#include "install/ExitCodes.h"
#include "install/FailureReport.h"
#include "install/InstallFlow.h"
#include "install/Product.h"
#include "install/Registry.h"
#include "install/RunLog.h"
#include "install/RunMode.h"
#include "pages/PayloadStaging.h"
#include "pages/TForm1.h"
#include "pages/TForm2.h"
#include "skinctrls/SkinCheckRadioBox.h"
#include "ui/Application.h"

namespace {

const char* Flag(const TbsSkinCheckRadioBox* box) { return box->Checked() ? "1" : "0"; }

// Nothing is left written. A person may choose another folder and click again; an
// unattended run has nobody to do so and ends.
void LaunchFailed(std::string_view text, int exitCode = exitcode::FolderOrStaging)
{
    if (IsSilentMode()) {
        ReportFailure(text, exitCode, MB_OK);
    } else {
        LogStep("failed: " + std::string(text));
        ShowMessage(text);
    }
}

} // namespace

bool TForm1::MayReplaceEarlierInstall() const
{
    std::string ours;
    try {
        ours = FileVersionString(ModuleFileName(nullptr));
    } catch (const Exception&) {
        return true; // a build without a version replaces whatever is there, as before
    }
    if (UpgradeKindOf(earlier_, ours) != UpgradeKind::Downgrade) return true;
    const std::string text = "此电脑上已安装较新版本的塔维欧播放器（" + earlier_->Version + "），位于 " + earlier_->Folder +
                             "。\n\n要用较旧的版本 " + ours + " 替换它吗？";
    if (IsSilentMode()) {
        ReportFailure(text, exitcode::NewerInstalled, MB_OK);
        return false;
    }
    LogStep("asked: replace the newer install " + earlier_->Version + " with " + ours);
    const bool yes = Application::Instance().MessageBox(text, product::SetupTitle,
                                                        MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) == IDYES;
    LogStep(yes ? "the person replaces the newer install" : "the person keeps the newer install");
    return yes;
}

void TForm1::Image2Click()
{
    // Presses queued behind the one that launched the install (a double-click during
    // the staging, a held Enter) reach this page after it is hidden, or from the
    // progress page's pump in the middle of the extraction: they start nothing.
    if (progressPage_) return;
    Application& application = Application::Instance();
    const FolderChoice choice = CheckInstallFolder(Edit1->Text());
    if (!choice.Error.empty()) {
        LaunchFailed(choice.Error);
        return;
    }
    if (!MayReplaceEarlierInstall()) return;
    const std::string& folder = choice.Folder;
    FileChanges staged; // undone on the way out unless the progress page takes it over
    PrivateFolder library;
    if (!staged.CreateFolders(folder)) {
        LaunchFailed(SystemErrorText(GetLastError()));
        return;
    }
    try {
        StagePayload(folder, GetModuleHandleW(nullptr), staged, library);
    } catch (const NoSpaceError& error) {
        staged.Undo();
        LaunchFailed(error.what(), exitcode::NoSpace);
        return;
    } catch (const std::exception& error) {
        staged.Undo();
        LaunchFailed(error.what());
        return;
    }

    LogStep("install folder: " + folder);
    LogStep("staged " + std::string(product::ArchiveFileName) + " and " + product::LibraryFileName + " into " + folder);
    TForm2& progress = application.CreatePage<TForm2>();
    progressPage_ = &progress;
    if (!IsSilentMode()) progress.Show();
    Hide();
    progress.Install.Settings = {
        .DesktopShortcut = Flag(bsSkinCheckRadioBox4),
        .QuickLaunchShortcut = Flag(bsSkinCheckRadioBox3),
        .StartAtLogon = Flag(bsSkinCheckRadioBox2),
        .InstallFolder = folder,
        .EarlierFolder = earlier_ ? earlier_->Folder : std::string(),
    };
    progress.Install.Staged = std::move(staged);
    progress.Install.Library = std::move(library);
    progress.TimerStartDownload->SetEnabled(true);
}
