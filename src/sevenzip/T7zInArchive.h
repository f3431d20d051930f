#pragma once
#include <exception>
#include <string>
#include <vector>

#include "sevenzip/I7zReader.h"
#include "sevenzip/ItemWriter.h"
#include "sevenzip/PropertyValue.h"
#include "sevenzip/T7zPlugin.h"

// The archive reader: owns one handler object of the library and is, at the same
// time, every callback object the handler asks for while opening and extracting.
class T7zInArchive final : public T7zArchive,
                           public I7zReader,
                           public sevenzip::IArchiveOpenCallback,
                           public sevenzip::IArchiveExtractCallback,
                           public sevenzip::ICryptoGetTextPassword,
                           public sevenzip::IArchiveOpenVolumeCallback,
                           public sevenzip::IArchiveOpenSetSubArchiveName {
public:
    explicit T7zInArchive(std::string_view libraryPath);
    ~T7zInArchive() override;

    TAVIO_IUNKNOWN_METHODS

    // I7zReader
    void OpenArchiveFile(std::string_view path) override;
    void OpenArchiveStream(sevenzip::IInStream* stream) override;
    void CloseArchive() override;
    uint32_t ItemCount() override;
    std::wstring ItemPath(uint32_t index) override;
    std::wstring ItemName(uint32_t index) override;
    int64_t ItemSize(uint32_t index) override;
    bool ItemIsFolder(uint32_t index) override;
    ComPtr<sevenzip::IInArchive> HandlerObject() override;
    void ExtractOneItem(uint32_t index, TStream& stream, bool test) override;
    void ExtractItemList(const uint32_t* indices, uint32_t count, bool test, void* sender,
                         ItemStreamProvider provider) override;
    void ExtractAllItems(bool test, void* sender, ItemStreamProvider provider) override;
    void ExtractToFolder(std::string_view folder) override;
    void SetPasswordProvider(void* sender, PasswordProvider provider) override;
    void SetArchivePassword(std::wstring_view password) override;
    void SetProgressHandler(void* sender, ProgressHandler handler) override;
    void SetFormatId(const GUID& id) override;
    GUID GetFormatId() override;

    // IArchiveOpenCallback: open progress is not passed on.
    HRESULT STDMETHODCALLTYPE SetTotal(const UINT64* files, const UINT64* bytes) override;
    HRESULT STDMETHODCALLTYPE SetCompleted(const UINT64* files, const UINT64* bytes) override;
    // IProgress and IArchiveExtractCallback
    HRESULT STDMETHODCALLTYPE SetTotal(UINT64 total) override;
    HRESULT STDMETHODCALLTYPE SetCompleted(const UINT64* completed) override;
    HRESULT STDMETHODCALLTYPE GetStream(UINT32 index, sevenzip::ISequentialOutStream** stream, INT32 mode) override;
    HRESULT STDMETHODCALLTYPE PrepareOperation(INT32 mode) override;
    HRESULT STDMETHODCALLTYPE SetOperationResult(INT32 result) override;
    // ICryptoGetTextPassword
    HRESULT STDMETHODCALLTYPE CryptoGetTextPassword(BSTR* password) override;
    // IArchiveOpenVolumeCallback: single-volume archives only.
    HRESULT STDMETHODCALLTYPE GetProperty(PROPID id, PROPVARIANT* value) override;
    HRESULT STDMETHODCALLTYPE GetStream(const wchar_t* name, sevenzip::IInStream** stream) override;
    // IArchiveOpenSetSubArchiveName
    HRESULT STDMETHODCALLTYPE SetSubArchiveName(const wchar_t* name) override;

private:
    void* FindInterface(REFIID iid) override;
    PropertyValue Property(uint32_t index, PROPID id);
    // Runs one callback of the library: nothing it raises unwinds into the library,
    // which is told to stop; the error is kept for whoever started the operation.
    template <typename F>
    HRESULT Contained(F&& callback);
    // Runs the handler's Extract with this object as callback, then raises for the
    // items that failed on the way.
    void Extract(const UINT32* indices, UINT32 count, bool test);
    void SingleThreadedDecoding();
    void RecordFailure(uint32_t index, std::string reason);
    HRESULT OpenOutputFile(uint32_t index, sevenzip::ISequentialOutStream** stream);
    HRESULT ReportProgress(BOOL isTotal, UINT64 value);

    ComPtr<sevenzip::IInArchive> handler_;
    PasswordProvider passwordProvider_ = nullptr;
    void* passwordSender_ = nullptr;
    ProgressHandler progressHandler_ = nullptr;
    void* progressSender_ = nullptr;
    TStream* borrowedOutput_ = nullptr;
    bool passwordDefined_ = false;
    bool passwordAsked_ = false; // during the current Open
    std::wstring password_;
    ItemStreamProvider itemStreamProvider_ = nullptr;
    void* itemStreamSender_ = nullptr;
    // Set only while ExtractToFolder runs: the folder, ending in "\"; the last folder
    // an item went to; who writes the items.
    std::wstring destination_;
    std::string folder_;
    ItemWriter* writer_ = nullptr;
    // Per extraction: the item the handler works on, and what went wrong.
    uint32_t currentItem_ = 0;
    bool itemActive_ = false;
    bool itemToFile_ = false; // its data goes through the writer
    std::vector<ItemFailure> failures_;
    // An exception raised inside a callback, carried past the library to the caller.
    std::exception_ptr pending_;
};
