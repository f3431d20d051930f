#include "framework/FileBytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/Exception.h"

std::vector<std::byte> ReadFileBytes(std::string_view path)
{
    const std::u8string utf8(path.begin(), path.end());
    std::ifstream file(std::filesystem::path(utf8), std::ios::binary);
    if (!file) throw Exception("Cannot open file \"" + std::string(path) + "\"");
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw Exception("Cannot read file \"" + std::string(path) + "\"");
    const auto* begin = reinterpret_cast<const std::byte*>(bytes.data());
    return {begin, begin + bytes.size()};
}
