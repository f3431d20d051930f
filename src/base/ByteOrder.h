#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

// Fields of file bytes, read the same on any host. The caller has checked that the
// bytes are there.
inline uint16_t LittleEndian16(std::span<const std::byte> data, size_t at = 0)
{
    return static_cast<uint16_t>(std::to_integer<uint32_t>(data[at]) | std::to_integer<uint32_t>(data[at + 1]) << 8);
}
inline uint32_t LittleEndian32(std::span<const std::byte> data, size_t at = 0)
{
    return LittleEndian16(data, at) | static_cast<uint32_t>(LittleEndian16(data, at + 2)) << 16;
}
inline uint32_t BigEndian32(std::span<const std::byte> data, size_t at = 0)
{
    return std::to_integer<uint32_t>(data[at]) << 24 | std::to_integer<uint32_t>(data[at + 1]) << 16 |
           std::to_integer<uint32_t>(data[at + 2]) << 8 | std::to_integer<uint32_t>(data[at + 3]);
}
