#include "framework/SpecialFolder.h"

#include <shlobj.h>

#include "framework/PathText.h"
#include "framework/WinStrings.h"

std::optional<std::string> FindSpecialFolder(int csidl)
{
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) return std::nullopt;
    wchar_t path[MAX_PATH + 1] = {};
    const BOOL found = SHGetPathFromIDListW(list, path);
    ILFree(list);
    if (!found || !path[0]) return std::nullopt;
    return ToUtf8(path);
}

std::string SpecialFolderPath(int csidl) { return IncludeTrailingBackslash(FindSpecialFolder(csidl).value_or("")); }
