#pragma once
#include <string>
#include <string_view>

// UTF-8 and UTF-16 without the platform. Malformed input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
