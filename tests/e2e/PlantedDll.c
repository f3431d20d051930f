// A library planted beside the installer under a system library's name (built as
// version.dll and msimg32.dll): it notes that it ran in the file TAVIO_PLANTED_LOG
// names, with how it was loaded: "static" while the process starts (an import), else
// "dynamic" (a LoadLibrary call).
#include <windows.h>

#ifdef PLANTED_VERSION
// As a real attacker's copy would, it passes the calls others make on to the system's
// own library, so that the program goes on as if nothing had happened.
static FARPROC Real(const char* name)
{
    static HMODULE real;
    if (!real) {
        wchar_t path[MAX_PATH];
        GetSystemDirectoryW(path, MAX_PATH - 16);
        lstrcatW(path, L"\\version.dll");
        real = LoadLibraryW(path);
    }
    return real ? GetProcAddress(real, name) : NULL;
}

__declspec(dllexport) DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR file, LPDWORD handle)
{
    return ((DWORD(WINAPI*)(LPCWSTR, LPDWORD))Real("GetFileVersionInfoSizeW"))(file, handle);
}
__declspec(dllexport) BOOL WINAPI GetFileVersionInfoW(LPCWSTR file, DWORD handle, DWORD size, LPVOID data)
{
    return ((BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID))Real("GetFileVersionInfoW"))(file, handle, size, data);
}
__declspec(dllexport) BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR sub, LPVOID* buffer, PUINT length)
{
    return ((BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT))Real("VerQueryValueW"))(block, sub, buffer, length);
}
#endif

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t log[MAX_PATH], self[MAX_PATH];
    if (!GetEnvironmentVariableW(L"TAVIO_PLANTED_LOG", log, MAX_PATH)) return TRUE;
    GetModuleFileNameW(instance, self, MAX_PATH);
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return TRUE;
    char line[MAX_PATH * 3 + 16];
    int length = WideCharToMultiByte(CP_UTF8, 0, self, -1, line, MAX_PATH * 3, NULL, NULL);
    if (length > 0) {
        // Windows hands a static load a non-null reserved pointer.
        const char* how = reserved ? " static\n" : " dynamic\n";
        lstrcpyA(line + length - 1, how);
        DWORD written;
        WriteFile(file, line, (DWORD)lstrlenA(line), &written, NULL);
    }
    CloseHandle(file);
    return TRUE;
}
