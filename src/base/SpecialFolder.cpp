#include "base/SpecialFolder.h"

#include <shlobj.h>

#include "base/PathText.h"
#include "base/WinStrings.h"

namespace {

// The shell's item list freed by the shell itself: its allocator needs no COM library.
std::optional<std::string> PathOf(PIDLIST_ABSOLUTE list)
{
    wchar_t path[MAX_PATH + 1] = {};
    const BOOL found = SHGetPathFromIDListW(list, path);
    ILFree(list);
    if (!found || !path[0]) return std::nullopt;
    return ToUtf8(path);
}

} // namespace

std::optional<std::string> FindSpecialFolder(int csidl)
{
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) return std::nullopt;
    return PathOf(list);
}

std::optional<std::string> FindKnownFolder(const GUID& id, bool create)
{
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetKnownFolderIDList(id, create ? DWORD{KF_FLAG_CREATE} : DWORD{0}, nullptr, &list))) return std::nullopt;
    return PathOf(list);
}

std::string SpecialFolderPath(int csidl) { return IncludeTrailingBackslash(FindSpecialFolder(csidl).value_or("")); }
