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

// Straight from the shell's table of folders: the item-list route builds the shell's
// namespace first, which the options page paid for before its first paint.
std::optional<std::string> FindSpecialFolder(int csidl)
{
    wchar_t path[MAX_PATH + 1] = {};
    if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK || !path[0]) return std::nullopt;
    return ToUtf8(path);
}

std::optional<std::string> FindKnownFolder(const GUID& id, bool create)
{
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetKnownFolderIDList(id, create ? DWORD{KF_FLAG_CREATE} : DWORD{0}, nullptr, &list))) return std::nullopt;
    return PathOf(list);
}

std::string SpecialFolderPath(int csidl) { return IncludeTrailingBackslash(FindSpecialFolder(csidl).value_or("")); }
