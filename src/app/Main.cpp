#include "base/SystemLibrary.h"
#include "base/WinStrings.h"
#include "install/ExitCodes.h"
#include "install/Product.h"
#include "install/RunLog.h"
#include "install/RunMode.h"
#include "pages/TForm1.h"
#include "ui/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    RestrictLibrarySearch(); // before anything could load a library by name
    if (const auto log = CommandLineSwitches().LogFile; log && RunLog::Instance().Open(*log))
        LogStep("start: " + ToUtf8(GetCommandLineW()) + (IsSilentMode() ? " (silent run)" : " (interactive run)"));
    Application& application = Application::Instance();
    try {
        application.Initialize();
    } catch (const std::exception& error) {
        // No top-level window (no desktop to make it on): say so if anything can, and end.
        MessageBoxW(nullptr, ToWide(error.what()).c_str(), ToWide(product::SetupTitle).c_str(), MB_ICONERROR);
        LogStep(std::string("failed: ") + error.what() + "; exit code " + std::to_string(exitcode::NotStarted));
        return exitcode::NotStarted;
    }
    application.SetTitle(product::SetupTitle);
    if (IsSilentMode()) {
        application.ShowMainPage = false;
        // Replaces the whole extended style: no taskbar button for an unattended run.
        SetWindowLongW(application.Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    }
    bool created = false;
    application.Guard([&] {
        application.SetMainPage(application.CreatePage<TForm1>());
        created = true;
    });
    if (created) application.Run();
    else application.SetExitCode(exitcode::NotStarted);
    application.Finalize();
    LogStep("exit code " + std::to_string(application.ExitCode()));
    return application.ExitCode();
}
