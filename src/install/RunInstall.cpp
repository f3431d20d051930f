// The install sequence, run once by the progress page's start timer.
#include "app/Product.h"
#include "framework/Application.h"
#include "framework/FileSystem.h"
#include "pages/TForm2.h"

void TForm2::TimerStartDownloadTimer()
{
    TimerStartDownload.SetEnabled(false);
    Label1.SetCaption("...");
    RunInstall();
}

void TForm2::RunInstall()
{
    Application& application = Application::Instance();
    if (!FileExists(Settings.InstallFolder + product::ArchiveFileName)) {
        ShowMessage(std::string("安装包有误，找不到离线文件，建议去官方网站( ") + product::HomePageUrl + " )下载安装包");
        application.Terminate();
        return;
    }
    // Extraction, shortcuts and registry entries are not built yet: the run ends with
    // the payload staged.
    application.Terminate();
}
