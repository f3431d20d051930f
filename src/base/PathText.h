#pragma once
#include <string>
#include <string_view>

// Windows path text helpers on UTF-8 strings.

// The text after the last "\" or ":" (the whole text when there is neither).
std::string_view ExtractFileName(std::string_view path);

// The path with one "\" at its end, added only when the last character is not one.
std::string IncludeTrailingBackslash(std::string_view path);

// The file-name part up to its first "." ("a.b.exe" -> "a"); empty when it has none.
std::string NameWithoutExtension(std::string_view path);

// The text between the first opening marker and the first closing marker after it;
// empty when either is missing or nothing lies between.
std::string TextBetween(std::string_view text, std::string_view opening, std::string_view closing);

// Every occurrence of `from` replaced by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
