#pragma once
#include <string>
#include <string_view>

// Windows path text helpers on UTF-8 strings.

// The text after the last "\" or ":" (the whole text when there is neither).
std::string_view ExtractFileName(std::string_view path);

// The path with one "\" at its end, added only when the last character is not one.
std::string IncludeTrailingBackslash(std::string_view path);
