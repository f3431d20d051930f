#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

// A whole file, by a UTF-8 path; Exception "Cannot open file "<path>"" when it cannot
// be read. For tools and build-time packing; the installer reads its data from
// resources.
std::vector<std::byte> ReadFileBytes(std::string_view path);
