#include "sevenzip/T7zInArchive.h"

#include <exception>
#include <memory>

#include "base/Com.h"
#include "base/Exception.h"
#include "base/FileStream.h"
#include "base/FileSystem.h"
#include "base/ScopeExit.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"
#include "sevenzip/ItemPath.h"
#include "sevenzip/T7zStream.h"

using namespace sevenzip;

namespace {

const char* ResultReason(INT32 result)
{
    switch (result) {
    case kUnsupportedMethod: return "unsupported compression method";
    case kDataError: return "data error (damaged archive or wrong password)";
    case kCRCError: return "CRC error (damaged archive or wrong password)";
    case kUnavailable: return "data unavailable";
    case kUnexpectedEnd: return "unexpected end of data";
    case kDataAfterEnd: return "data after the end of the item";
    case kIsNotArc: return "not an archive";
    case kHeadersError: return "damaged headers";
    case kWrongPassword: return "wrong password";
    default: return "unknown error";
    }
}

template <typename Face>
Face* NewAdapterFace(T7zStream* adapter)
{
    Face* face = adapter;
    face->AddRef();
    return face;
}

} // namespace

T7zInArchive::T7zInArchive(std::string_view libraryPath) : T7zArchive(libraryPath) {}

// The handler object goes before the library that made it (the base unloads it).
T7zInArchive::~T7zInArchive() { handler_.Reset(); }

void* T7zInArchive::FindInterface(REFIID iid)
{
    if (iid == IID_IUnknown || iid == IID_I7zReader) return static_cast<I7zReader*>(this);
    if (iid == IID_IArchiveOpenCallback) return static_cast<IArchiveOpenCallback*>(this);
    if (iid == IID_IArchiveExtractCallback || iid == IID_IProgress) return static_cast<IArchiveExtractCallback*>(this);
    if (iid == IID_ICryptoGetTextPassword) return static_cast<ICryptoGetTextPassword*>(this);
    if (iid == IID_IArchiveOpenVolumeCallback) return static_cast<IArchiveOpenVolumeCallback*>(this);
    if (iid == IID_IArchiveOpenSetSubArchiveName) return static_cast<IArchiveOpenSetSubArchiveName*>(this);
    return nullptr;
}

ComPtr<I7zReader> CreateArchiveReader(const GUID& formatId, std::string_view libraryPath)
{
    ComPtr<I7zReader> reader(static_cast<I7zReader*>(new T7zInArchive(libraryPath)));
    reader->SetFormatId(formatId);
    return reader;
}

// --- I7zReader ---

ComPtr<IInArchive> T7zInArchive::HandlerObject()
{
    if (!handler_) CreateObject(FormatId(), IID_IInArchive, reinterpret_cast<void**>(handler_.Put()));
    return handler_;
}

void T7zInArchive::OpenArchiveFile(std::string_view path)
{
    auto file = std::make_unique<TFileStream>(path, TFileStream::Mode::ReadSharedReadWrite);
    ComPtr<IInStream> stream(new T7zStream(std::move(file)));
    OpenArchiveStream(stream.Get());
}

void T7zInArchive::OpenArchiveStream(IInStream* stream)
{
    const UINT64 maxStartPosition = 1 << 20;
    pending_ = nullptr;
    passwordAsked_ = false;
    const HRESULT result = HandlerObject()->Open(stream, &maxStartPosition, static_cast<IArchiveOpenCallback*>(this));
    if (pending_) std::rethrow_exception(std::exchange(pending_, nullptr));
    // The library says only "false" when it cannot read the archive; the system's
    // text for that code ("Incorrect function") would tell the user nothing.
    if (result == S_FALSE)
        throw Exception(passwordAsked_ ? "Cannot open the archive: the password is wrong or missing"
                                       : "Cannot open the archive: it is not a 7z archive or it is damaged");
    CheckResult(result);
}

void T7zInArchive::CloseArchive()
{
    passwordDefined_ = false;
    if (handler_) handler_->Close();
    handler_.Reset();
}

uint32_t T7zInArchive::ItemCount()
{
    UINT32 count = 0;
    CheckResult(HandlerObject()->GetNumberOfItems(&count));
    return count;
}

PropertyValue T7zInArchive::Property(uint32_t index, PROPID id)
{
    PropertyValue value;
    HandlerObject()->GetProperty(index, id, value.Out());
    return value;
}

std::wstring T7zInArchive::ItemPath(uint32_t index)
{
    const PropertyValue value = Property(index, kpidPath);
    std::wstring text = value->vt == VT_BSTR && value->bstrVal ? value->bstrVal : L"";
    return text;
}

std::wstring T7zInArchive::ItemName(uint32_t index)
{
    const PropertyValue value = Property(index, kpidName);
    std::wstring text = value->vt == VT_BSTR && value->bstrVal ? value->bstrVal : L"";
    return text;
}

int64_t T7zInArchive::ItemSize(uint32_t index)
{
    const PropertyValue value = Property(index, kpidSize);
    int64_t size = 0;
    switch (value->vt) {
    case VT_UI8: size = static_cast<int64_t>(value->uhVal.QuadPart); break;
    case VT_UI4: size = value->ulVal; break;
    case VT_I8: size = value->hVal.QuadPart; break;
    case VT_I4: size = value->lVal; break;
    default: break;
    }
    return size;
}

bool T7zInArchive::ItemIsFolder(uint32_t index)
{
    const PropertyValue value = Property(index, kpidIsDir);
    const bool folder = value->vt == VT_BOOL && value->boolVal != VARIANT_FALSE;
    return folder;
}

// One decoder thread: the library's multithreaded decoder holds buffers that grow with
// the payload (about 190 MB for a 100 MB one); one thread keeps memory to the
// dictionary. A handler without settings decodes as it will.
void T7zInArchive::SingleThreadedDecoding()
{
    ComPtr<ISetProperties> settings;
    if (FAILED(HandlerObject()->QueryInterface(IID_ISetProperties, reinterpret_cast<void**>(settings.Put()))) ||
        !settings)
        return;
    const wchar_t* const names[] = {L"mt"};
    PROPVARIANT values[1]{};
    values[0].vt = VT_UI4;
    values[0].ulVal = 1;
    settings->SetProperties(names, values, 1);
}

void T7zInArchive::Extract(const UINT32* indices, UINT32 count, bool test)
{
    failures_.clear();
    itemActive_ = itemToFile_ = false;
    pending_ = nullptr;
    SingleThreadedDecoding();
    const HRESULT result = HandlerObject()->Extract(indices, count, test ? 1 : 0,
                                                    static_cast<IArchiveExtractCallback*>(this));
    if (pending_) std::rethrow_exception(std::exchange(pending_, nullptr));
    // A system error in the middle of an item is the item's: the disk filled up or
    // the file went away while it was written.
    const bool itemsFailure = result != S_OK && HRESULT_FACILITY(result) == FACILITY_WIN32 && itemActive_;
    if (itemsFailure) {
        const std::string reason = SystemErrorText(static_cast<unsigned long>(result));
        if (!itemToFile_) RecordFailure(currentItem_, reason);
        else if (!writer_->Stopped()) writer_->Discard(reason); // a failed write is recorded already
    }
    // What the writing thread met beyond the items' failures comes first, as it would
    // have from a callback.
    if (writer_) failures_ = writer_->Finish();
    if (!itemsFailure) CheckResult(result);
    if (failures_.empty()) return;
    std::string message = "Could not extract " + std::to_string(failures_.size()) +
                          (failures_.size() == 1 ? " item:" : " items:");
    const size_t shown = std::min<size_t>(failures_.size(), 10);
    for (size_t i = 0; i < shown; ++i) message += "\n" + ToUtf8(failures_[i].Path) + ": " + failures_[i].Reason;
    if (shown < failures_.size()) message += "\n... and " + std::to_string(failures_.size() - shown) + " more";
    failures_.clear();
    throw Exception(message);
}

void T7zInArchive::ExtractOneItem(uint32_t index, TStream& stream, bool test)
{
    borrowedOutput_ = &stream;
    const ScopeExit restore{[this] { borrowedOutput_ = nullptr; }};
    const UINT32 indices[] = {index};
    Extract(indices, 1, test);
}

void T7zInArchive::ExtractItemList(const uint32_t* indices, uint32_t count, bool test, void* sender,
                                   ItemStreamProvider provider)
{
    itemStreamProvider_ = provider;
    itemStreamSender_ = sender;
    const ScopeExit restore{[this] {
        itemStreamProvider_ = nullptr;
        itemStreamSender_ = nullptr;
    }};
    Extract(indices, count, test);
}

void T7zInArchive::ExtractAllItems(bool test, void* sender, ItemStreamProvider provider)
{
    ExtractItemList(nullptr, 0xFFFFFFFF, test, sender, provider);
}

// All or nothing: each item is written under a name of its own and takes its real
// name once it proved whole; when anything fails, what stood before comes back.
void T7zInArchive::ExtractToFolder(std::string_view folder)
{
    destination_ = ToWide(folder);
    if (destination_.empty() || (destination_.back() != L'\\' && destination_.back() != L'/')) destination_ += L'\\';
    FileChanges changes;
    ItemWriter writer(changes); // gone before the changes are undone
    writer_ = &writer;
    const ScopeExit restore{[this] {
        destination_.clear();
        writer_ = nullptr;
        folder_.clear();
    }};
    Extract(nullptr, 0xFFFFFFFF, false);
    changes.Keep();
}

void T7zInArchive::SetPasswordProvider(void* sender, PasswordProvider provider)
{
    passwordSender_ = sender;
    passwordProvider_ = provider;
}

void T7zInArchive::SetArchivePassword(std::wstring_view password)
{
    password_ = password;
    passwordDefined_ = !password_.empty();
}

void T7zInArchive::SetProgressHandler(void* sender, ProgressHandler handler)
{
    progressSender_ = sender;
    progressHandler_ = handler;
}

void T7zInArchive::SetFormatId(const GUID& id) { ChangeFormatId(id); }

GUID T7zInArchive::GetFormatId() { return FormatId(); }

// --- callbacks from the library: nothing may unwind into it ---

template <typename F>
HRESULT T7zInArchive::Contained(F&& callback)
{
    try {
        return callback();
    } catch (...) {
        pending_ = std::current_exception();
        return E_ABORT;
    }
}

HRESULT T7zInArchive::SetTotal(const UINT64*, const UINT64*) { return S_OK; }
HRESULT T7zInArchive::SetCompleted(const UINT64*, const UINT64*) { return S_OK; }

HRESULT T7zInArchive::ReportProgress(BOOL isTotal, UINT64 value)
{
    if (!progressHandler_) return S_OK;
    return Contained([&] { return progressHandler_(progressSender_, isTotal, static_cast<int64_t>(value)); });
}

HRESULT T7zInArchive::SetTotal(UINT64 total) { return ReportProgress(TRUE, total); }

HRESULT T7zInArchive::SetCompleted(const UINT64* completed)
{
    return completed ? ReportProgress(FALSE, *completed) : S_OK;
}

HRESULT T7zInArchive::GetStream(UINT32 index, ISequentialOutStream** stream, INT32 mode)
{
    if (!stream) return E_POINTER;
    *stream = nullptr;
    currentItem_ = index;
    itemActive_ = mode == kExtract || mode == kTest;
    itemToFile_ = false;
    if (mode != kExtract) return S_OK;
    return Contained([&] {
        if (borrowedOutput_) {
            *stream = NewAdapterFace<IOutStream>(new T7zStream(*borrowedOutput_));
            return S_OK;
        }
        if (itemStreamProvider_) return itemStreamProvider_(itemStreamSender_, index, stream);
        if (!writer_) return S_OK;
        if (ItemIsFolder(index)) {
            itemActive_ = false; // folders come into being as parents of files only
            return S_OK;
        }
        return OpenOutputFile(index, stream);
    });
}

HRESULT T7zInArchive::OpenOutputFile(uint32_t index, ISequentialOutStream** stream)
{
    std::wstring relative = ItemPath(index);
    if (!IsContainedItemPath(relative)) {
        RecordFailure(index, "refused: the path leads outside the target folder");
        return S_OK;
    }
    std::string target = ToUtf8(destination_ + relative);
    const size_t cut = target.find_last_of("\\/:");
    // Items come folder by folder: a folder made or found for one serves the next.
    std::string folder;
    if (cut != std::string::npos && target.compare(0, cut, folder_) != 0) folder = folder_ = target.substr(0, cut);
    writer_->Begin(std::move(relative), std::move(target), std::move(folder));
    itemToFile_ = true;
    *stream = NewAdapterFace<IOutStream>(new T7zStream(*writer_));
    return S_OK;
}

void T7zInArchive::RecordFailure(uint32_t index, std::string reason)
{
    // While the writer works, it keeps the failures, so they stay in item order.
    if (writer_) writer_->AddFailure(ItemPath(index), std::move(reason));
    else failures_.push_back({ItemPath(index), std::move(reason)});
    itemActive_ = false; // one entry per item
}

HRESULT T7zInArchive::PrepareOperation(INT32) { return S_OK; }

HRESULT T7zInArchive::SetOperationResult(INT32 result)
{
    return Contained([&] {
        if (itemActive_ && itemToFile_) {
            // The library has let go of the item's stream: whole, it takes its name.
            if (result == kOK) writer_->Complete();
            else writer_->Discard(ResultReason(result));
        } else if (itemActive_ && result != kOK) {
            RecordFailure(currentItem_, ResultReason(result));
        }
        itemActive_ = itemToFile_ = false;
        return S_OK;
    });
}

HRESULT T7zInArchive::CryptoGetTextPassword(BSTR* password)
{
    if (!password) return E_POINTER;
    *password = nullptr;
    passwordAsked_ = true;
    if (passwordDefined_) {
        *password = AllocateBstr(password_.c_str());
        return S_OK;
    }
    if (!passwordProvider_) return S_FALSE;
    return Contained([&] {
        std::wstring text;
        const HRESULT result = passwordProvider_(passwordSender_, text);
        if (result == S_OK) {
            *password = AllocateBstr(text.c_str());
            password_ = std::move(text);
            passwordDefined_ = true;
        }
        return result;
    });
}

HRESULT T7zInArchive::GetProperty(PROPID, PROPVARIANT*) { return S_OK; }

HRESULT T7zInArchive::GetStream(const wchar_t*, IInStream** stream)
{
    if (stream) *stream = nullptr;
    return S_OK;
}

HRESULT T7zInArchive::SetSubArchiveName(const wchar_t*) { return S_OK; }
