#pragma once
#include <string_view>

// True when an archive item path stays inside the folder it is extracted to: not
// empty, not absolute (no leading separator, no drive or stream colon) and without
// parts made only of dots and blanks ("..", and what Windows trims to it).
bool IsContainedItemPath(std::wstring_view path);
