#include "sevenzip/ItemPath.h"

bool IsContainedItemPath(std::wstring_view path)
{
    if (path.empty() || path.front() == L'\\' || path.front() == L'/') return false;
    if (path.find(L':') != std::wstring_view::npos) return false;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of(L"\\/", start);
        if (end == std::wstring_view::npos) end = path.size();
        const std::wstring_view part = path.substr(start, end - start);
        if (!part.empty() && part.find_first_not_of(L". ") == std::wstring_view::npos) return false;
        start = end + 1;
    }
    return true;
}
