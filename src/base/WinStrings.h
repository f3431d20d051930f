#pragma once
#include <string>
#include <string_view>

// UTF-8 inside the program, UTF-16 at the Win32 boundary.
std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);

// The system's ANSI code page, for bytes other programs read in it.
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);
