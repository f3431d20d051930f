#pragma once
#include <exception>
#include <string>
#include <string_view>

// The system's own message text for an error code or HRESULT, without the trailing
// line break and full stop; a plain "System error N" where the system has none.
std::string SystemErrorText(unsigned long code);

// A SystemException with the system's text for the code, or for the calling thread's
// last error.
[[noreturn]] void RaiseSystemError(unsigned long code);
[[noreturn]] void RaiseLastError();
// The same, its message "<subject>: <the system's text>".
[[noreturn]] void RaiseLastError(std::string_view subject);

// Why it failed: the system's text when the error came from the system (a full disk,
// a locked file), else the error's own message.
std::string FailureReason(const std::exception& error);
// "<subject>: <reason>."
std::string FailureText(std::string_view subject, const std::exception& error);
