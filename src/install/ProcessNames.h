#pragma once
#include <string>
#include <string_view>
#include <vector>

// "a|b|c" -> a, b, c; "a|" -> a and ""; "" -> nothing.
std::vector<std::string> SplitList(std::string_view text, char separator);

// Letters A-Z to a-z; nothing else changes.
std::string LowerAscii(std::string_view text);

// The sum over the "|"-separated entries of the 1-based position at which each
// (lower-cased) entry occurs in the name, 0 where it does not: above 0 means a match.
// An entry is looked for inside the name, so mytavio.exe matches tavio.exe.
int CountNameHits(std::string_view list, std::string_view processName);
