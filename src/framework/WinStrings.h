#pragma once
#include <string>
#include <string_view>

// UTF-8 inside the program, UTF-16 at the Win32 boundary.
std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);
