#include "sevenzip/ItemWriter.h"

#include <utility>

#include "base/Exception.h"
#include "base/FileStream.h"
#include "base/SystemError.h"

namespace {
// Enough to keep the writing thread busy while the library decodes, little enough
// not to show in the extraction's memory.
constexpr size_t MostQueuedBytes = 4 << 20;
} // namespace

ItemWriter::ItemWriter(FileChanges& changes)
    : changes_(changes), thread_(CreateThread(nullptr, 0, Thread, this, 0, nullptr))
{
    if (!thread_) RaiseLastError();
}

ItemWriter::~ItemWriter()
{
    {
        Locked locked(lock_);
        abandoned_ = true;
    }
    WakeConditionVariable(&ready_);
    Join();
}

void ItemWriter::Join()
{
    if (thread_) WaitForSingleObject(thread_.Get(), INFINITE);
    thread_.Reset();
}

void ItemWriter::Queue(Task task)
{
    {
        Locked locked(lock_);
        const size_t bytes = task.Bytes.size();
        tasks_.push_back(std::move(task));
        queuedBytes_ += bytes;
    }
    WakeConditionVariable(&ready_);
}

bool ItemWriter::Stopped()
{
    Locked locked(lock_);
    return stop_ != nullptr;
}

void ItemWriter::Begin(std::wstring item, std::string target, std::string folder)
{
    Queue({Kind::Begin, std::move(item), std::move(target), std::move(folder), {}});
}

void ItemWriter::Complete() { Queue({Kind::Complete, {}, {}, {}, {}}); }

void ItemWriter::Discard(std::string reason) { Queue({Kind::Discard, {}, std::move(reason), {}, {}}); }

void ItemWriter::AddFailure(std::wstring item, std::string reason)
{
    Queue({Kind::Failure, std::move(item), std::move(reason), {}, {}});
}

size_t ItemWriter::Write(const void* data, size_t size)
{
    std::vector<std::byte> bytes;
    {
        Locked locked(lock_);
        locked.Wait(room_, [&] { return stop_ || queuedBytes_ == 0 || queuedBytes_ + size <= MostQueuedBytes; });
        if (stop_) std::rethrow_exception(stop_);
        if (!spare_.empty()) {
            bytes = std::move(spare_.back());
            spare_.pop_back();
        }
    }
    const auto* first = static_cast<const std::byte*>(data);
    bytes.assign(first, first + size);
    Queue({Kind::Data, {}, {}, {}, std::move(bytes)});
    return size;
}

std::vector<ItemFailure> ItemWriter::Finish()
{
    {
        Locked locked(lock_);
        finishing_ = true;
    }
    WakeConditionVariable(&ready_);
    Join();
    if (unexpected_) std::rethrow_exception(unexpected_);
    return std::move(failures_);
}

DWORD WINAPI ItemWriter::Thread(void* writer)
{
    static_cast<ItemWriter*>(writer)->Run();
    return 0;
}

void ItemWriter::Run()
{
    for (;;) {
        Task task;
        bool stopped = false;
        {
            Locked locked(lock_);
            locked.Wait(ready_, [&] { return abandoned_ || finishing_ || !tasks_.empty(); });
            if (abandoned_ || tasks_.empty()) break;
            task = std::move(tasks_.front());
            tasks_.pop_front();
            stopped = stop_ != nullptr;
        }
        try {
            // After a failed write the library stops there: what it had queued beyond
            // is neither done nor reported.
            if (!stopped) Do(task);
        } catch (...) {
            // Not an item's failure: the caller gets it once the writer finishes.
            Locked locked(lock_);
            if (!unexpected_) unexpected_ = std::current_exception();
            if (!stop_) stop_ = unexpected_;
            WakeConditionVariable(&room_);
        }
        if (task.What == Kind::Data) {
            Locked locked(lock_);
            queuedBytes_ -= task.Bytes.size();
            try {
                spare_.push_back(std::move(task.Bytes));
            } catch (...) {
                // One buffer fewer to reuse.
            }
            WakeConditionVariable(&room_);
        }
    }
    file_.reset();
}

void ItemWriter::Do(Task& task)
{
    switch (task.What) {
    case Kind::Begin:
        file_.reset();
        item_ = std::move(task.Item);
        target_ = std::move(task.Text);
        temporary_.clear();
        itemFailed_ = false;
        try {
            if (!task.Folder.empty()) changes_.CreateFolders(task.Folder);
            file_ = changes_.CreateTemporary(target_, temporary_);
        } catch (const Exception& error) {
            temporary_.clear();
            Record(item_, FailureReason(error));
            itemFailed_ = true;
        }
        break;
    case Kind::Data:
        if (!file_ || itemFailed_) break;
        try {
            file_->WriteBuffer(task.Bytes.data(), task.Bytes.size());
        } catch (const std::exception& error) {
            // The item's failure, whatever the extraction then reports: the disk
            // filled up or the file went away.
            file_.reset();
            itemFailed_ = true;
            Record(item_, FailureReason(error));
            Locked locked(lock_);
            stop_ = std::current_exception();
            WakeConditionVariable(&room_);
        }
        break;
    case Kind::Complete:
        file_.reset();
        if (itemFailed_ || temporary_.empty()) break;
        try {
            changes_.Commit(temporary_, target_);
        } catch (const Exception& error) {
            Record(item_, FailureReason(error));
        }
        temporary_.clear();
        itemFailed_ = true; // one verdict per item
        break;
    case Kind::Discard:
        file_.reset();
        if (!itemFailed_) Record(item_, std::move(task.Text));
        itemFailed_ = true;
        break;
    case Kind::Failure:
        Record(std::move(task.Item), std::move(task.Text));
        break;
    }
}

void ItemWriter::Record(std::wstring item, std::string reason) { failures_.push_back({std::move(item), std::move(reason)}); }

size_t ItemWriter::Read(void*, size_t) { throw Exception("The item is written, not read"); }

int64_t ItemWriter::Seek(int64_t, uint32_t) { throw Exception("The item is written in one pass"); }

void ItemWriter::SetSize(int64_t) { throw Exception("The item is written in one pass"); }
