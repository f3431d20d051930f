#include "base/ZlibStream.h"

#include <zlib.h>

#include <algorithm>

#include "base/ScopeExit.h"

namespace {

constexpr int LevelTable[] = {Z_NO_COMPRESSION, Z_BEST_SPEED, Z_DEFAULT_COMPRESSION, Z_BEST_COMPRESSION};

int CheckCompress(int result)
{
    if (result < 0) throw ECompressionError("error");
    return result;
}

int CheckDecompress(int result)
{
    if (result < 0) throw EDecompressionError("compression error");
    return result;
}

[[noreturn]] void InvalidOperation(bool compressing)
{
    if (compressing) throw ECompressionError("Invalid stream operation");
    throw EDecompressionError("Invalid stream operation");
}

} // namespace

struct TCustomZlibStream::ZState {
    z_stream stream{};
};

TCustomZlibStream::TCustomZlibStream(TStream& stream)
    : stream_(stream), streamPosition_(stream.Position()), z_(std::make_unique<ZState>())
{
}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::SetSize(int64_t) { throw EZlibError("Invalid stream operation"); }

// --- compression ---

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& target) : TCustomZlibStream(target)
{
    CheckCompress(deflateInit(&z_->stream, LevelTable[static_cast<int>(level)]));
    z_->stream.next_out = buffer_.data();
    z_->stream.avail_out = BufferSize;
}

TCompressionStream::~TCompressionStream()
{
    try {
        Finish();
    } catch (const std::exception&) {
        // A destructor cannot report; callers that care call Finish themselves.
    }
    deflateEnd(&z_->stream);
}

void TCompressionStream::Flush(size_t count)
{
    stream_.SetPosition(streamPosition_);
    stream_.WriteBuffer(buffer_.data(), count);
    streamPosition_ = stream_.Position();
    z_->stream.next_out = buffer_.data();
    z_->stream.avail_out = BufferSize;
}

size_t TCompressionStream::Read(void*, size_t) { InvalidOperation(true); }

size_t TCompressionStream::Write(const void* data, size_t size)
{
    if (finished_) InvalidOperation(true);
    z_stream& z = z_->stream;
    z.next_in = static_cast<Bytef*>(const_cast<void*>(data));
    for (size_t left = size; left > 0 || z.avail_in > 0;) {
        if (z.avail_in == 0) {
            const auto step = static_cast<uInt>(std::min<size_t>(left, 1u << 30));
            z.avail_in = step;
            left -= step;
        }
        CheckCompress(deflate(&z, Z_NO_FLUSH));
        if (z.avail_out == 0) Flush(BufferSize);
    }
    return size;
}

int64_t TCompressionStream::Seek(int64_t offset, uint32_t origin)
{
    if (offset != 0 || origin != FromCurrent) InvalidOperation(true);
    return static_cast<int64_t>(z_->stream.total_in);
}

void TCompressionStream::Finish()
{
    if (finished_) return;
    finished_ = true;
    z_stream& z = z_->stream;
    z.next_in = nullptr;
    z.avail_in = 0;
    while (CheckCompress(deflate(&z, Z_FINISH)) != Z_STREAM_END)
        if (z.avail_out == 0) Flush(BufferSize);
    if (z.avail_out < BufferSize) Flush(BufferSize - z.avail_out);
}

// --- decompression ---

TDecompressionStream::TDecompressionStream(TStream& source) : TCustomZlibStream(source)
{
    CheckDecompress(inflateInit(&z_->stream));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&z_->stream); }

size_t TDecompressionStream::Write(const void*, size_t) { InvalidOperation(false); }

size_t TDecompressionStream::Read(void* data, size_t size)
{
    z_stream& z = z_->stream;
    z.next_out = static_cast<Bytef*>(data);
    // Reads above 1 GiB come back short; callers loop as on any stream.
    const auto wanted = static_cast<uInt>(std::min<size_t>(size, 1u << 30));
    z.avail_out = wanted;
    while (z.avail_out > 0) {
        if (z.avail_in == 0) {
            stream_.SetPosition(streamPosition_);
            z.avail_in = static_cast<uInt>(stream_.Read(buffer_.data(), BufferSize));
            if (z.avail_in == 0) break;
            streamPosition_ = stream_.Position();
            z.next_in = buffer_.data();
        }
        if (CheckDecompress(inflate(&z, Z_NO_FLUSH)) == Z_STREAM_END) {
            ended_ = true;
            break;
        }
    }
    return wanted - z.avail_out;
}

void TDecompressionStream::Restart()
{
    CheckDecompress(inflateReset(&z_->stream));
    z_->stream.next_in = buffer_.data();
    z_->stream.avail_in = 0;
    ended_ = false;
    stream_.SetPosition(0);
    streamPosition_ = 0;
}

int64_t TDecompressionStream::Seek(int64_t offset, uint32_t origin)
{
    const auto current = static_cast<int64_t>(z_->stream.total_out);
    if (offset == 0 && origin == FromBeginning) {
        Restart();
        return 0;
    }
    if (origin == FromCurrent && offset >= 0) {
        offset += current;
    } else if (!(origin == FromBeginning && offset >= current)) {
        InvalidOperation(false);
    }
    unsigned char skip[BufferSize];
    for (int64_t left = offset - current; left > 0;) {
        const size_t got = Read(skip, static_cast<size_t>(std::min<int64_t>(left, BufferSize)));
        if (got == 0) break;
        left -= static_cast<int64_t>(got);
    }
    return static_cast<int64_t>(z_->stream.total_out);
}

ByteBuffer InflateAll(std::span<const std::byte> compressed)
{
    z_stream z{};
    CheckDecompress(inflateInit(&z));
    const ScopeExit end{[&z] { inflateEnd(&z); }};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<std::byte*>(compressed.data()));
    z.avail_in = static_cast<uInt>(compressed.size());
    // Skin packages inflate to about seventeen times their size; guess above that.
    ByteBuffer out(std::max<size_t>(compressed.size() * 32, 65536));
    for (;;) {
        z.next_out = reinterpret_cast<Bytef*>(out.data() + z.total_out);
        z.avail_out = static_cast<uInt>(out.size() - z.total_out);
        const int result = inflate(&z, Z_FINISH);
        if (result == Z_STREAM_END) break;
        // Z_BUF_ERROR with input left means the output was full; without, the data
        // ended early.
        if (result != Z_OK && !(result == Z_BUF_ERROR && z.avail_out == 0)) throw EDecompressionError("compression error");
        if (z.avail_out != 0) throw EDecompressionError("compression error");
        out.resize(out.size() * 2);
    }
    out.resize(z.total_out);
    return out;
}
