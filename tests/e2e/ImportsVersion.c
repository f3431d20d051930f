// A program that imports version.dll, as the installer once did: check-imports must
// refuse it.
#include <windows.h>

int main(void)
{
    DWORD handle = 0;
    return (int)GetFileVersionInfoSizeW(L"kernel32.dll", &handle) > 0 ? 0 : 1;
}
