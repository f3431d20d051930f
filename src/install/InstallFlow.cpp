#include "install/InstallFlow.h"

#include <limits>

void PumpWaitWith(uint32_t ms, const std::function<uint32_t()>& tick, const std::function<void()>& pump,
                  const std::function<void()>& sleep, const std::function<bool()>& stopped)
{
    const uint32_t start = tick();
    while (static_cast<uint32_t>(tick() - start) < ms) {
        pump();
        if (stopped && stopped()) return;
        sleep();
    }
}

int RunShutdownPasses(const std::function<void()>& showStatus, const std::function<bool()>& killPass,
                      const std::function<void(uint32_t)>& wait)
{
    constexpr int MaxPasses = 21;
    int passes = 0;
    while (passes < MaxPasses) {
        ++passes;
        showStatus();
        if (!killPass()) break;
        wait(1000);
    }
    return passes;
}

std::string ProgressLine(bool isTotal, int64_t value)
{
    return std::string(isTotal ? "-1" : "0") + " ->" + std::to_string(value);
}

int32_t ProgressScale::SetTotal(int64_t total)
{
    constexpr int64_t Largest = std::numeric_limits<int32_t>::max();
    divisor_ = total > Largest ? (total + Largest - 1) / Largest : 1;
    return static_cast<int32_t>(total < 0 ? 0 : total / divisor_);
}

int32_t ProgressScale::Position(int64_t completed) const
{
    return static_cast<int32_t>(completed < 0 ? 0 : completed / divisor_);
}

namespace {

// "12.3 MB", rounded up to the tenth: the space needed never reads as less than it is.
std::string Megabytes(uint64_t bytes, bool up)
{
    const uint64_t tenths = (bytes * 10 + (up ? 1048575 : 0)) / 1048576;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " MB";
}

} // namespace

NoSpaceError::NoSpaceError(uint64_t needed, uint64_t available)
    : Exception("安装目录所在的磁盘空间不足：需要 " + Megabytes(needed, true) + "，可用 " + Megabytes(available, false) +
                "。请释放磁盘空间或选择其他安装目录。")
{
}

bool FitsOnDisk(uint64_t needed, uint64_t available) { return available >= needed && available - needed >= 1048576; }
