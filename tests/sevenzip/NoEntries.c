/* A library with neither entry of an archive library. */
#include <windows.h>

__declspec(dllexport) int WINAPI Unrelated(void) { return 42; }
