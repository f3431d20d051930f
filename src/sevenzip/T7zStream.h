#pragma once
#include <memory>

#include "base/InterfacedObject.h"
#include "base/Stream.h"
#include "sevenzip/ArchiveInterfaces.h"

// One framework stream presented to the archive library through every stream face
// it asks for. No buffering, no position of its own: calls go straight through.
// Failures of the stream become result codes here (the system's own error where
// there is one) and never cross into the library.
class T7zStream final : public TInterfacedObject,
                        public sevenzip::IInStream,
                        public sevenzip::IOutStream,
                        public sevenzip::IStreamGetSize,
                        public sevenzip::IOutStreamFlush {
public:
    // Owned: the adapter frees the stream (and so closes a file) on its last Release.
    explicit T7zStream(std::unique_ptr<TStream> owned);
    // Borrowed: the stream must outlive every reference to the adapter.
    explicit T7zStream(TStream& borrowed);

    TAVIO_IUNKNOWN_METHODS

    HRESULT STDMETHODCALLTYPE Read(void* data, UINT32 size, UINT32* processed) override;
    HRESULT STDMETHODCALLTYPE Write(const void* data, UINT32 size, UINT32* processed) override;
    HRESULT STDMETHODCALLTYPE Seek(INT64 offset, UINT32 origin, UINT64* newPosition) override;
    HRESULT STDMETHODCALLTYPE SetSize(UINT64 newSize) override;
    HRESULT STDMETHODCALLTYPE GetSize(UINT64* size) override;
    HRESULT STDMETHODCALLTYPE Flush() override;

private:
    void* FindInterface(REFIID iid) override;

    std::unique_ptr<TStream> owned_;
    TStream& stream_;
};
