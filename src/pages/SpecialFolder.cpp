#include "pages/SpecialFolder.h"

#include <shlobj.h>

#include "app/PathText.h"
#include "framework/WinStrings.h"

std::string SpecialFolderPath(int csidl)
{
    wchar_t buffer[MAX_PATH + 1] = {};
    PIDLIST_ABSOLUTE list = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) {
        SHGetPathFromIDListW(list, buffer);
        CoTaskMemFree(list);
    }
    return IncludeTrailingBackslash(ToUtf8(buffer));
}
