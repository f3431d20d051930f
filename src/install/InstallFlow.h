#pragma once
// The timing rules of the install sequence, free of the platform so they can be
// driven by a fake clock.
#include <cstdint>
#include <functional>
#include <string>

#include "base/Exception.h"

// Waits `ms` on a 32-bit tick counter (the difference survives its wrap), letting
// `pump` handle pending messages and `sleep` pass 1 ms per round. 0 returns at once,
// and so does a wait whose `stopped` holds after a round.
void PumpWaitWith(uint32_t ms, const std::function<uint32_t()>& tick, const std::function<void()>& pump,
                  const std::function<void()>& sleep, const std::function<bool()>& stopped = {});

// Up to 21 shutdown passes: each shows the status, runs one pass and, when that pass
// stopped something, waits 1000 ms before the next. Returns the number of passes.
int RunShutdownPasses(const std::function<void()>& showStatus, const std::function<bool()>& killPass,
                      const std::function<void(uint32_t)>& wait);

// The debugger line for one progress report: "-1 ->1000" for a total, "0 ->250" for
// an amount done.
std::string ProgressLine(bool isTotal, int64_t value);

// Progress values for a 32-bit bar: totals beyond its range are divided down.
class ProgressScale {
public:
    int32_t SetTotal(int64_t total);
    int32_t Position(int64_t completed) const;

private:
    int64_t divisor_ = 1;
};

// The install folder's disk cannot take what the install is about to write.
class NoSpaceError : public Exception {
public:
    NoSpaceError(uint64_t needed, uint64_t available);
};

// Whether `needed` bytes fit into `available`, with room to spare for the file
// system's own records (1 MB): a disk filled to the last byte helps nobody.
bool FitsOnDisk(uint64_t needed, uint64_t available);
