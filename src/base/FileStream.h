#pragma once
#include <string_view>

#include "base/Handles.h"
#include "base/Stream.h"

// A stream over a file. The modes name the sharing the archive binding needs.
class TFileStream : public TStream {
public:
    enum class Mode {
        ReadSharedReadWrite, // read; others may read and write meanwhile
        CreateExclusive,     // create or truncate; read and write; not shared
        CreateNew,           // create where nothing stands; read and write; not shared
    };
    // Raises SystemException "Cannot open file "<path>". <system text>" on failure;
    // failures of reads, writes and seeks raise SystemException with the system text.
    TFileStream(std::string_view path, Mode mode);

    size_t Read(void* data, size_t size) override;
    size_t Write(const void* data, size_t size) override;
    int64_t Seek(int64_t offset, uint32_t origin) override;
    void SetSize(int64_t size) override;
    int64_t Size() override;

private:
    FileHandle file_;
};
