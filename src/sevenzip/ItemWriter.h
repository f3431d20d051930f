#pragma once
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "base/FileChanges.h"
#include "base/Handles.h"
#include "base/Stream.h"

struct ItemFailure {
    std::wstring Path;
    std::string Reason;
};

// Writes the items of one extraction into their files on a thread of its own. Making
// the files, writing, closing and renaming them cost about a quarter of an extraction
// under Wine; here the library decodes the next block meanwhile, on the other core.
// Only the writing thread touches the folder, through the extraction's FileChanges,
// until Finish returns or the writer is destroyed.
//
// It is also the stream the library writes the current item into: Write copies the
// bytes (the library reuses its buffer) and waits only while a few megabytes are
// still to be written. Once a write has failed, every Write raises that failure, so
// the library stops as it would have at the failed write itself.
class ItemWriter final : public TStream {
public:
    explicit ItemWriter(FileChanges& changes);
    // Drops what is still to be done; the file being written is closed.
    ~ItemWriter() override;

    // The next item's data goes to a temporary file beside target, in the folder made
    // first when not empty.
    void Begin(std::wstring item, std::string target, std::string folder);
    // The current item proved whole: its file takes target's name.
    void Complete();
    // The current item failed: its file stays under its temporary name (the
    // extraction puts everything back) and the reason is kept, unless the item
    // already failed.
    void Discard(std::string reason);
    // An item that failed without a file of its own (refused, or only tested).
    void AddFailure(std::wstring item, std::string reason);
    // A write failed: the library is being stopped.
    bool Stopped();
    // Waits until everything is written. Returns the failures in item order, one per
    // item; raises what the thread met that was no item's failure.
    std::vector<ItemFailure> Finish();

    size_t Write(const void* data, size_t size) override;
    size_t Read(void*, size_t) override;
    int64_t Seek(int64_t offset, uint32_t origin) override;
    void SetSize(int64_t) override;

private:
    enum class Kind { Begin, Data, Complete, Discard, Failure };
    struct Task {
        Kind What;
        std::wstring Item;
        std::string Text, Folder; // target or reason; the folder to make
        std::vector<std::byte> Bytes;
    };

    // The lock around everything both threads touch.
    class Locked {
    public:
        explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
        ~Locked() { ReleaseSRWLockExclusive(&lock_); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;
        // Releases the lock until woken, as often as it takes for done() to hold.
        template <typename Done>
        void Wait(CONDITION_VARIABLE& condition, Done done)
        {
            while (!done()) SleepConditionVariableSRW(&condition, &lock_, INFINITE, 0);
        }

    private:
        SRWLOCK& lock_;
    };

    // Counts a data task's bytes among those waiting.
    void Queue(Task task);
    static DWORD WINAPI Thread(void* writer);
    void Run();
    void Join();
    void Do(Task& task);
    void Record(std::wstring item, std::string reason);

    FileChanges& changes_;
    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE ready_ = CONDITION_VARIABLE_INIT, room_ = CONDITION_VARIABLE_INIT;
    std::deque<Task> tasks_;
    std::vector<std::vector<std::byte>> spare_; // data buffers, reused
    size_t queuedBytes_ = 0;
    bool finishing_ = false, abandoned_ = false;
    std::exception_ptr stop_; // the failure the library is to stop with, once there is one

    // The writing thread's own.
    std::unique_ptr<TFileStream> file_;
    std::wstring item_;
    std::string target_, temporary_;
    bool itemFailed_ = false;
    std::vector<ItemFailure> failures_;
    std::exception_ptr unexpected_;

    KernelHandle thread_; // last: it starts once everything above exists
};
