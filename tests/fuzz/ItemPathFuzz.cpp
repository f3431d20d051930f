// The archive item-path check. Input: UTF-16LE code units. A path the check lets
// through must resolve inside the target folder the way Windows resolves it: "." and
// ".." parts, and trailing dots and blanks trimmed from a part.
#include <string>

#include "Fuzz.h"
#include "sevenzip/ItemPath.h"

namespace {

bool StaysInside(std::wstring_view path)
{
    int depth = 0;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of(L"\\/", start);
        if (end == std::wstring_view::npos) end = path.size();
        std::wstring_view part = path.substr(start, end - start);
        const bool dotsOnly = !part.empty() && part.find_first_not_of(L". ") == std::wstring_view::npos;
        while (!part.empty() && (part.back() == L'.' || part.back() == L' ')) part.remove_suffix(1);
        // A part Windows may trim to nothing but "." or ".." is taken as the worse.
        if (dotsOnly && part.empty() && path.substr(start, end - start) != L".") --depth;
        else if (!part.empty()) ++depth;
        if (depth < 0) return false;
        start = end + 1;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::wstring path;
    for (size_t i = 0; i + 1 < size; i += 2) path += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    const std::wstring_view view(path.data(), path.find(L'\0') == std::wstring::npos ? path.size() : path.find(L'\0'));
    if (!IsContainedItemPath(view)) return 0;
    FUZZ_CHECK(!view.empty() && view.front() != L'\\' && view.front() != L'/');
    FUZZ_CHECK(view.find(L':') == std::wstring_view::npos);
    FUZZ_CHECK(StaysInside(view));
    return 0;
}
