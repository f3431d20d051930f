// Runs its one argument as a whole command line, as deployment tools run an uninstall
// command read from the registry (CreateProcess with no application name), waits for
// it and ends with its exit code.
#include <windows.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR unused, int show)
{
    (void)instance, (void)previous, (void)unused, (void)show;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count != 2) return 100;
    STARTUPINFOW startup = {0};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessW(NULL, args[1], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) return 101;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 102;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return (int)code;
}
