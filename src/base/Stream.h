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

    // Exactly size bytes or Exception "Stream read error" / "Stream write error".
    void ReadBuffer(void* data, size_t size);
    void WriteBuffer(const void* data, size_t size);
    // Copies count bytes from source's current position; count 0 copies the whole
    // source from its start.
    int64_t CopyFrom(TStream& source, int64_t count);

    int64_t Position() { return Seek(0, FromCurrent); }
    void SetPosition(int64_t position) { Seek(position, FromBeginning); }
    virtual int64_t Size();
};

// Little-endian signed 32-bit integers, as stored files hold them.
int32_t ReadInt32(TStream& stream);
void WriteInt32(TStream& stream, int32_t value);

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
