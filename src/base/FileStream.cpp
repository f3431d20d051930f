#include "base/FileStream.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "base/Exception.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"

namespace {
DWORD Disposition(TFileStream::Mode mode)
{
    switch (mode) {
    case TFileStream::Mode::CreateExclusive: return CREATE_ALWAYS;
    case TFileStream::Mode::CreateNew: return CREATE_NEW;
    default: return OPEN_EXISTING;
    }
}
} // namespace

TFileStream::TFileStream(std::string_view path, Mode mode)
{
    const bool create = mode != Mode::ReadSharedReadWrite;
    file_.Reset(CreateFileW(ToWide(path).c_str(), create ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                            create ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, Disposition(mode),
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) {
        const DWORD error = GetLastError();
        throw SystemException("Cannot open file \"" + std::string(path) + "\". " + SystemErrorText(error), error);
    }
}

size_t TFileStream::Read(void* data, size_t size)
{
    DWORD done = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 0x7FFFFFFF));
    if (!ReadFile(file_.Get(), data, chunk, &done, nullptr)) RaiseLastError();
    return done;
}

// A write that stops short is carried on: on a filling disk the next one fails with
// the reason, where a short count alone would say nothing.
size_t TFileStream::Write(const void* data, size_t size)
{
    const auto* bytes = static_cast<const std::byte*>(data);
    size_t total = 0;
    while (total < size) {
        DWORD done = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - total, 0x7FFFFFFF));
        if (!WriteFile(file_.Get(), bytes + total, chunk, &done, nullptr)) RaiseLastError();
        if (done == 0) RaiseSystemError(ERROR_WRITE_FAULT);
        total += done;
    }
    return total;
}

int64_t TFileStream::Seek(int64_t offset, uint32_t origin)
{
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(file_.Get(), distance, &position, origin)) RaiseLastError();
    return position.QuadPart;
}

void TFileStream::SetSize(int64_t size)
{
    const int64_t position = Position();
    SetPosition(size);
    if (!SetEndOfFile(file_.Get())) RaiseLastError();
    SetPosition(std::min(position, size));
}

int64_t TFileStream::Size()
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file_.Get(), &size)) RaiseLastError();
    return size.QuadPart;
}
