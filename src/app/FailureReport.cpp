#include "app/FailureReport.h"

#include "app/RunMode.h"
#include "framework/Application.h"
#include "framework/WinStrings.h"

namespace {
constexpr unsigned SilentBoxMs = 30000;
}

void ReportFailure(std::string_view text, int exitCode, unsigned flags)
{
    Application& application = Application::Instance();
    application.SetExitCode(exitCode);
    const bool silent = IsSilentMode();
    if (silent) OutputDebugStringW(ToWide(text).c_str());
    application.MessageBox(text, application.Title(), flags, silent ? SilentBoxMs : 0);
    if (silent) application.Terminate();
}
