#include "install/FailureReport.h"

#include "base/WinStrings.h"
#include "install/RunLog.h"
#include "install/RunMode.h"
#include "ui/Application.h"

namespace {
constexpr unsigned SilentBoxMs = 30000;
}

void ReportFailure(std::string_view text, int exitCode, unsigned flags)
{
    Application& application = Application::Instance();
    application.SetExitCode(exitCode);
    const bool silent = IsSilentMode();
    LogStep("failed: " + std::string(text));
    // In the ANSI code page, like the progress lines: every debugger reads these
    // (Wine's log as well), where the UTF-16 form reaches only those that ask for it.
    if (silent) OutputDebugStringA(ToAnsi(text).c_str());
    application.MessageBox(text, application.Title(), flags, silent ? SilentBoxMs : 0);
    if (silent) application.Terminate();
}
