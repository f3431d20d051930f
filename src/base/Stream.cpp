#include "base/Stream.h"

#include <algorithm>
#include <cstring>

#include "base/ByteOrder.h"
#include "base/Exception.h"

int64_t TStream::Size()
{
    const int64_t position = Position();
    const int64_t size = Seek(0, FromEnd);
    SetPosition(position);
    return size;
}

void TStream::ReadBuffer(void* data, size_t size)
{
    if (size != 0 && Read(data, size) != size) throw Exception("Stream read error");
}

void TStream::WriteBuffer(const void* data, size_t size)
{
    if (size != 0 && Write(data, size) != size) throw Exception("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::byte buffer[65536];
    for (int64_t left = count; left > 0;) {
        const size_t step = static_cast<size_t>(std::min<int64_t>(left, sizeof buffer));
        source.ReadBuffer(buffer, step);
        WriteBuffer(buffer, step);
        left -= static_cast<int64_t>(step);
    }
    return count;
}

int32_t ReadInt32(TStream& stream)
{
    std::byte b[4];
    stream.ReadBuffer(b, 4);
    return static_cast<int32_t>(LittleEndian32(b));
}

void WriteInt32(TStream& stream, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                          static_cast<uint8_t>(v >> 24)};
    stream.WriteBuffer(b, 4);
}

size_t TMemoryStream::Read(void* data, size_t size)
{
    if (position_ >= Size()) return 0;
    const size_t count = std::min(size, static_cast<size_t>(Size() - position_));
    std::memcpy(data, bytes_.data() + position_, count);
    position_ += static_cast<int64_t>(count);
    return count;
}

size_t TMemoryStream::Write(const void* data, size_t size)
{
    if (size == 0) return 0;
    const auto end = static_cast<size_t>(position_) + size;
    const auto* source = static_cast<const std::byte*>(data);
    if (static_cast<size_t>(position_) == bytes_.size()) {
        bytes_.insert(bytes_.end(), source, source + size); // appending: no zero fill first
    } else {
        if (end > bytes_.size()) bytes_.resize(end);
        std::memcpy(bytes_.data() + position_, data, size);
    }
    position_ = static_cast<int64_t>(end);
    return size;
}

int64_t TMemoryStream::Seek(int64_t offset, uint32_t origin)
{
    int64_t base = 0;
    switch (origin) {
    case FromBeginning: base = 0; break;
    case FromCurrent: base = position_; break;
    case FromEnd: base = Size(); break;
    default: throw Exception("Invalid seek origin " + std::to_string(origin));
    }
    if (base + offset < 0) throw Exception("Seek before the beginning of the stream");
    position_ = base + offset;
    return position_;
}

void TMemoryStream::SetSize(int64_t size)
{
    if (size < 0) throw Exception("Negative stream size");
    bytes_.resize(static_cast<size_t>(size));
    position_ = std::min(position_, size);
}
