#include "sevenzip/T7zStream.h"

#include <exception>

#include "base/Exception.h"

using namespace sevenzip;

namespace {
// Runs one stream call. Nothing it raises reaches the library; the system's reason
// survives the trip as its code (a full disk, a locked file), anything else is a
// plain failure.
template <typename F>
HRESULT Guarded(F&& call)
{
    try {
        call();
        return S_OK;
    } catch (const SystemException& error) {
        return HRESULT_FROM_WIN32(error.Code());
    } catch (const std::exception&) {
        return E_FAIL;
    }
}
} // namespace

T7zStream::T7zStream(std::unique_ptr<TStream> owned) : owned_(std::move(owned)), stream_(*owned_) {}

T7zStream::T7zStream(TStream& borrowed) : stream_(borrowed) {}

void* T7zStream::FindInterface(REFIID iid)
{
    if (iid == IID_IUnknown || iid == IID_IInStream || iid == IID_ISequentialInStream)
        return static_cast<IInStream*>(this);
    if (iid == IID_IOutStream || iid == IID_ISequentialOutStream) return static_cast<IOutStream*>(this);
    if (iid == IID_IStreamGetSize) return static_cast<IStreamGetSize*>(this);
    if (iid == IID_IOutStreamFlush) return static_cast<IOutStreamFlush*>(this);
    return nullptr;
}

HRESULT T7zStream::Read(void* data, UINT32 size, UINT32* processed)
{
    if (processed) *processed = 0;
    return Guarded([&] {
        const auto count = static_cast<UINT32>(stream_.Read(data, size));
        if (processed) *processed = count;
    });
}

HRESULT T7zStream::Write(const void* data, UINT32 size, UINT32* processed)
{
    if (processed) *processed = 0;
    return Guarded([&] {
        const auto count = static_cast<UINT32>(stream_.Write(data, size));
        if (processed) *processed = count;
    });
}

HRESULT T7zStream::Seek(INT64 offset, UINT32 origin, UINT64* newPosition)
{
    return Guarded([&] {
        stream_.Seek(offset, origin);
        if (newPosition) *newPosition = static_cast<UINT64>(stream_.Position());
    });
}

HRESULT T7zStream::SetSize(UINT64 newSize)
{
    return Guarded([&] { stream_.SetSize(static_cast<int64_t>(newSize)); });
}

HRESULT T7zStream::GetSize(UINT64* size)
{
    return Guarded([&] {
        const auto value = static_cast<UINT64>(stream_.Size());
        if (size) *size = value;
    });
}

HRESULT T7zStream::Flush() { return S_OK; }
