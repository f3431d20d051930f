#include "framework/SystemError.h"

#include <cstdio>

#include "framework/Win32.h"
#include "framework/WinStrings.h"

std::string SystemErrorText(unsigned long code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    // Line breaks, blanks and the closing full stop go, so the text can be quoted.
    while (!text.empty() && (text.back() < L'!' || text.back() == L'.')) text.pop_back();
    if (!text.empty()) return ToUtf8(text);
    char fallback[32];
    std::snprintf(fallback, sizeof fallback, code > 0xFFFF ? "System error 0x%08lX" : "System error %lu", code);
    return fallback;
}
