#pragma once
#include <string>
#include <string_view>

#include "base/Handles.h"

// The run's log, asked for with "/LOG=<file>" where nobody watches the run: one
// timestamped UTF-8 line per step, each written to the file as it happens, so a run
// that crashes leaves what it did before. Without the switch nothing is written.
class RunLog {
public:
    static RunLog& Instance();

    // Starts the log in a new file; false (and a debugger line) when it cannot be made:
    // the run goes on without one.
    bool Open(const std::string& path);
    bool IsOpen() const;
    void Line(std::string_view text);

private:
    RunLog() = default;
    FileHandle file_;
};

// One step of the run into its log, when there is one.
inline void LogStep(std::string_view text) { RunLog::Instance().Line(text); }
