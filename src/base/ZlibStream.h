#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "base/Exception.h"
#include "base/Stream.h"

class EZlibError : public Exception {
    using Exception::Exception;
};
class ECompressionError : public EZlibError {
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
    using EZlibError::EZlibError;
};

enum class TCompressionLevel { None, Fastest, Default, Max };

// Shared by both directions: the underlying stream and the position this stream last
// left it at, restored before every use so others may move it in between.
class TCustomZlibStream : public TStream {
public:
    TCustomZlibStream(const TCustomZlibStream&) = delete;
    TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;
    ~TCustomZlibStream() override;
    void SetSize(int64_t size) override;

protected:
    static constexpr size_t BufferSize = 4096;
    explicit TCustomZlibStream(TStream& stream);

    TStream& stream_;
    int64_t streamPosition_;
    struct ZState;
    std::unique_ptr<ZState> z_;
    std::array<unsigned char, BufferSize> buffer_{};
};

// Write-only: deflates what is written into the target, 4096 bytes at a time. The
// stream is complete after Finish (destruction finishes it too, but cannot report
// a failure).
class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TCompressionLevel level, TStream& target);
    ~TCompressionStream() override;

    size_t Read(void* data, size_t size) override;
    size_t Write(const void* data, size_t size) override;
    // Only the position query (0 from the current position): bytes consumed so far.
    int64_t Seek(int64_t offset, uint32_t origin) override;
    void Finish();

private:
    void Flush(size_t count);
    bool finished_ = false;
};

// Read-only: inflates the source. Seeking goes to the start (a fresh inflate) or
// forward (reading and dropping); nothing else.
class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;

    size_t Read(void* data, size_t size) override;
    size_t Write(const void* data, size_t size) override;
    int64_t Seek(int64_t offset, uint32_t origin) override;
    // Whether the zlib stream's end (its checksum included) has been read; a source
    // that runs out before it gives short reads, not an error.
    bool Ended() const { return ended_; }

private:
    void Restart();
    bool ended_ = false;
};

// Bytes whose storage is not zeroed when it grows: for buffers written right away.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };
    template <typename U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
};
using ByteBuffer = std::vector<std::byte, UninitializedAllocator<std::byte>>;

// Inflates a whole zlib stream held in memory in one go, so zlib writes straight into
// the result instead of through its window. Damaged or cut-off data raises
// EDecompressionError "compression error".
ByteBuffer InflateAll(std::span<const std::byte> compressed);
