#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/InterfacedObject.h"
#include "base/Stream.h"
#include "sevenzip/ArchiveInterfaces.h"

// Callbacks of the reader; each returns 0 to go on.
using ProgressHandler = HRESULT (*)(void* sender, BOOL isTotal, int64_t value);
using PasswordProvider = HRESULT (*)(void* sender, std::wstring& password);
using ItemStreamProvider = HRESULT (*)(void* sender, uint32_t index, sevenzip::ISequentialOutStream** stream);

inline constexpr GUID IID_I7zReader = {0x022CF785, 0x3ECE, 0x46EF, {0x97, 0x55, 0x29, 0x1F, 0xA8, 0x4C, 0xC6, 0xC9}};

// The archive reader as its callers see it. Operations raise Exception with the
// system's text for any non-zero result of the library.
struct I7zReader : IUnknown {
    virtual void OpenArchiveFile(std::string_view path) = 0;
    virtual void OpenArchiveStream(sevenzip::IInStream* stream) = 0;
    virtual void CloseArchive() = 0;
    virtual uint32_t ItemCount() = 0;
    virtual std::wstring ItemPath(uint32_t index) = 0;
    virtual std::wstring ItemName(uint32_t index) = 0;
    virtual int64_t ItemSize(uint32_t index) = 0;
    virtual bool ItemIsFolder(uint32_t index) = 0;
    virtual ComPtr<sevenzip::IInArchive> HandlerObject() = 0;
    virtual void ExtractOneItem(uint32_t index, TStream& stream, bool test) = 0;
    virtual void ExtractItemList(const uint32_t* indices, uint32_t count, bool test, void* sender,
                                 ItemStreamProvider provider) = 0;
    virtual void ExtractAllItems(bool test, void* sender, ItemStreamProvider provider) = 0;
    virtual void ExtractToFolder(std::string_view folder) = 0;
    virtual void SetPasswordProvider(void* sender, PasswordProvider provider) = 0;
    virtual void SetArchivePassword(std::wstring_view password) = 0;
    virtual void SetProgressHandler(void* sender, ProgressHandler handler) = 0;
    virtual void SetFormatId(const GUID& id) = 0;
    virtual GUID GetFormatId() = 0;
};

// A reader over the library at the path, set to the format; the returned reference
// is its only owner. Raises the loader's exceptions.
ComPtr<I7zReader> CreateArchiveReader(const GUID& formatId, std::string_view libraryPath);
