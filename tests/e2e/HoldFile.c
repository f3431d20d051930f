/* Holds a file open without sharing, as a program using it would, for as long as
   another file exists: HoldFile FILE WHILE. Prints "held" once it holds it. */
#include <stdio.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        fputs("usage: HoldFile FILE WHILE\n", stderr);
        return 2;
    }
    HANDLE file = CreateFileW(argv[1], GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "cannot open the file: error %lu\n", GetLastError());
        return 1;
    }
    puts("held");
    fflush(stdout);
    while (GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES) Sleep(100);
    CloseHandle(file);
    return 0;
}
