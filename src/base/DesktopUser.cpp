#include "base/DesktopUser.h"

#include "base/Handles.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"

namespace {

std::string Failed(const char* call) { return std::string(call) + ": " + SystemErrorText(GetLastError()); }

} // namespace

std::string StartAsDesktopUser(const std::string& file, const std::string& parameters, const std::string& folder,
                               int show)
{
    const HWND shell = GetShellWindow();
    if (!shell) return "no shell window";
    DWORD processId = 0;
    GetWindowThreadProcessId(shell, &processId);
    if (!processId) return "no shell process";
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return Failed("OpenProcess");
    HANDLE raw = nullptr;
    if (!OpenProcessToken(process.Get(), TOKEN_DUPLICATE, &raw)) return Failed("OpenProcessToken");
    const KernelHandle shellToken(raw);
    raw = nullptr;
    if (!DuplicateTokenEx(shellToken.Get(),
                          TOKEN_QUERY | TOKEN_ASSIGN_PRIMARY | TOKEN_DUPLICATE | TOKEN_ADJUST_DEFAULT |
                              TOKEN_ADJUST_SESSIONID,
                          nullptr, SecurityImpersonation, TokenPrimary, &raw))
        return Failed("DuplicateTokenEx");
    const KernelHandle token(raw);

    const std::wstring application = ToWide(file);
    std::wstring commandLine = L"\"" + application + L"\"";
    if (!parameters.empty()) commandLine += L" " + ToWide(parameters);
    const std::wstring directory = ToWide(folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION started{};
    if (!CreateProcessWithTokenW(token.Get(), 0, application.c_str(), commandLine.data(), 0, nullptr,
                                 directory.empty() ? nullptr : directory.c_str(), &startup, &started))
        return Failed("CreateProcessWithTokenW");
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return {};
}
