#include "base/WinStrings.h"

#include "base/Win32.h"

namespace {

// The system's two-call conversions: the first call measures, the second writes.
std::wstring Widen(UINT codePage, std::string_view text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, result.data(), length);
    return result;
}

std::string Narrow(UINT codePage, std::wstring_view text)
{
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

} // namespace

std::wstring ToWide(std::string_view utf8) { return Widen(CP_UTF8, utf8); }

std::string ToUtf8(std::wstring_view utf16) { return Narrow(CP_UTF8, utf16); }

std::string ToAnsi(std::string_view utf8) { return Narrow(CP_ACP, Widen(CP_UTF8, utf8)); }

std::string FromAnsi(std::string_view ansi) { return Narrow(CP_UTF8, Widen(CP_ACP, ansi)); }
