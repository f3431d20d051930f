// Extracts an archive the way the installer does and prints what it cost:
//   extract_bench ARCHIVE LIBRARY FOLDER PASSWORD
// Output: "peak-working-set <bytes>" (the process's peak, after the extraction) and
// "progress-reports <n> off-thread <m>": how many progress reports arrived on a thread
// other than the caller's.
#include <cstdio>
#include <exception>

#include "base/Win32.h"
#include <psapi.h>

#include "base/WinStrings.h"
#include "sevenzip/I7zReader.h"

namespace {
struct ProgressCount {
    DWORD caller = GetCurrentThreadId();
    unsigned reports = 0, offThread = 0;
};
HRESULT CountProgress(void* sender, BOOL, int64_t)
{
    auto* count = static_cast<ProgressCount*>(sender);
    ++count->reports;
    if (GetCurrentThreadId() != count->caller) ++count->offThread;
    return S_OK;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: extract_bench ARCHIVE LIBRARY FOLDER PASSWORD\n");
        return 2;
    }
    ProgressCount count;
    try {
        ComPtr<I7zReader> reader = CreateArchiveReader(sevenzip::FormatId7z, ToUtf8(argv[2]));
        reader->SetArchivePassword(argv[4]);
        reader->SetProgressHandler(&count, CountProgress);
        reader->OpenArchiveFile(ToUtf8(argv[1]));
        reader->ExtractToFolder(ToUtf8(argv[3]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    std::printf("peak-working-set %lu\n", static_cast<unsigned long>(counters.PeakWorkingSetSize));
    std::printf("progress-reports %u off-thread %u\n", count.reports, count.offThread);
    return 0;
}
