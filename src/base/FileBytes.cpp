#include "base/FileBytes.h"

#include <cstdio>
#include <memory>
#include <string>

#include "base/Exception.h"
#include "base/Unicode.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// C files, not file streams: those bring locales and the filesystem library, most of a
// megabyte, into every program that links this.
File OpenForReading(std::string_view path)
{
#ifdef _WIN32
    const std::u16string wide = Utf8ToUtf16(path);
    return File(_wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), L"rb"));
#else
    return File(std::fopen(std::string(path).c_str(), "rb"));
#endif
}

} // namespace

std::vector<std::byte> ReadFileBytes(std::string_view path)
{
    const File file = OpenForReading(path);
    if (!file) throw Exception("Cannot open file \"" + std::string(path) + "\"");
    std::vector<std::byte> bytes;
    std::byte block[16384];
    while (const size_t got = std::fread(block, 1, sizeof block, file.get()))
        bytes.insert(bytes.end(), block, block + got);
    if (std::ferror(file.get())) throw Exception("Cannot read file \"" + std::string(path) + "\"");
    return bytes;
}
