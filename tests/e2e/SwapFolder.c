/* What a program of the person's own could try while an elevated installer stages its
   archive library in the person's temporary folder: rename each new Tavio-* folder
   there away and put a folder of the same name, holding a library of its choosing, in
   its place. Runs until the file WHILE is gone:
       SwapFolder TEMP-FOLDER LIBRARY WHILE
   Prints "ready" once it watches, then one line for each folder it met: "swapped NAME"
   or "refused NAME error CODE". */
#include <stdio.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) {
        fputs("usage: SwapFolder TEMP-FOLDER LIBRARY WHILE\n", stderr);
        return 2;
    }
    wchar_t pattern[MAX_PATH], met[64][MAX_PATH];
    int seen = 0;
    swprintf(pattern, MAX_PATH, L"%ls\\Tavio-*", argv[1]);
    /* Woken the moment a folder is made there, as a program bent on the swap would be:
       a poll every few milliseconds can miss a window of a few microseconds. */
    HANDLE changed = FindFirstChangeNotificationW(argv[1], FALSE, FILE_NOTIFY_CHANGE_DIR_NAME);
    if (changed == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "SwapFolder: cannot watch %ls: error %lu\n", argv[1], GetLastError());
        return 1;
    }
    puts("ready");
    fflush(stdout);
    for (; GetFileAttributesW(argv[3]) != INVALID_FILE_ATTRIBUTES;
         WaitForSingleObject(changed, 20), FindNextChangeNotification(changed)) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(pattern, &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || wcschr(found.cFileName, L'.')) continue;
            int known = 0;
            for (int i = 0; i < seen; ++i) known |= lstrcmpW(met[i], found.cFileName) == 0;
            if (known || seen == 64) continue;
            lstrcpyW(met[seen++], found.cFileName);
            wchar_t folder[MAX_PATH], away[MAX_PATH], library[MAX_PATH];
            swprintf(folder, MAX_PATH, L"%ls\\%ls", argv[1], found.cFileName);
            swprintf(away, MAX_PATH, L"%ls.away", folder);
            swprintf(library, MAX_PATH, L"%ls\\7z.dll", folder);
            if (MoveFileW(folder, away)) {
                CreateDirectoryW(folder, NULL);
                CopyFileW(argv[2], library, FALSE);
                printf("swapped %ls\n", found.cFileName);
            } else {
                printf("refused %ls error %lu\n", found.cFileName, GetLastError());
            }
            fflush(stdout);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    FindCloseChangeNotification(changed);
    return 0;
}
