#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

// A property of a fuzz input that must hold: when it does not, the input is a finding.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

inline std::span<const std::byte> AsBytes(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const std::byte*>(data), size};
}
inline std::string_view AsText(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }
