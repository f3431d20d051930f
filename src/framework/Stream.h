#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The stream family: byte streams with a 64-bit position and size. Reads and writes
// report how much they moved; only failures of the medium itself raise Exception.
class TStream {
public:
    enum Origin : uint32_t { FromBeginning = 0, FromCurrent = 1, FromEnd = 2 };

    virtual ~TStream() = default;
    virtual size_t Read(void* data, size_t size) = 0;
    virtual size_t Write(const void* data, size_t size) = 0;
    // Returns the new position; an origin other than the three raises.
    virtual int64_t Seek(int64_t offset, uint32_t origin) = 0;
    virtual void SetSize(int64_t size) = 0;

    int64_t Position() { return Seek(0, FromCurrent); }
    void SetPosition(int64_t position) { Seek(position, FromBeginning); }
    virtual int64_t Size();
};

// A stream over a growable block of memory.
class TMemoryStream : public TStream {
public:
    size_t Read(void* data, size_t size) override;
    size_t Write(const void* data, size_t size) override;
    int64_t Seek(int64_t offset, uint32_t origin) override;
    void SetSize(int64_t size) override;
    int64_t Size() override { return static_cast<int64_t>(bytes_.size()); }

    const std::vector<std::byte>& Bytes() const { return bytes_; }

private:
    std::vector<std::byte> bytes_;
    int64_t position_ = 0;
};
