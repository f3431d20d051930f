// Keeps a Wine session live for the install benchmarks: the server, its services and the
// desktop stay up while it runs, as they are on any machine a user installs on. Prints
// "ready" once the desktop exists, then waits to be killed.
#include <windows.h>

#include <cstdio>

int wmain()
{
    if (!GetDesktopWindow()) return 1;
    std::puts("ready");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}
