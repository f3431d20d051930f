#include "base/SystemError.h"

#include "base/Exception.h"
#include "base/Win32.h"
#include "base/WinStrings.h"

std::string SystemErrorText(unsigned long code)
{
    // A system error wrapped as an HRESULT reads as the error itself.
    if (HRESULT_FACILITY(code) == FACILITY_WIN32 && (code & 0x80000000)) code = HRESULT_CODE(code);
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    // Line breaks, blanks and the closing full stop go, so the text can be quoted.
    while (!text.empty() && (text.back() < L'!' || text.back() == L'.')) text.pop_back();
    if (!text.empty()) return ToUtf8(text);
    // Formatted by hand: the C library's formatter brings its floating-point printing.
    if (code <= 0xFFFF) return "System error " + std::to_string(code);
    std::string hex = "System error 0x";
    for (int shift = 28; shift >= 0; shift -= 4) hex += "0123456789ABCDEF"[code >> shift & 0xF];
    return hex;
}

std::string FailureReason(const std::exception& error)
{
    const auto* system = dynamic_cast<const SystemException*>(&error);
    return system ? SystemErrorText(system->Code()) : error.what();
}

std::string FailureText(std::string_view subject, const std::exception& error)
{
    return std::string(subject) + ": " + FailureReason(error) + ".";
}

void RaiseSystemError(unsigned long code) { throw SystemException(SystemErrorText(code), code); }

void RaiseLastError() { RaiseSystemError(GetLastError()); }

void RaiseLastError(std::string_view subject)
{
    const DWORD code = GetLastError();
    throw SystemException(std::string(subject) + ": " + SystemErrorText(code), code);
}
