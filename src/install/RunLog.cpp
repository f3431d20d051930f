#include "install/RunLog.h"

#include "base/SystemError.h"
#include "base/Win32.h"
#include "base/WinStrings.h"

namespace {

std::string TwoDigits(unsigned value) { return std::string(1, char('0' + value / 10 % 10)) + char('0' + value % 10); }

// "2026-12-09 14:05:01.123 "
std::string Timestamp()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return std::to_string(now.wYear) + "-" + TwoDigits(now.wMonth) + "-" + TwoDigits(now.wDay) + " " +
           TwoDigits(now.wHour) + ":" + TwoDigits(now.wMinute) + ":" + TwoDigits(now.wSecond) + "." +
           std::to_string(now.wMilliseconds / 100) + TwoDigits(now.wMilliseconds % 100) + " ";
}

} // namespace

RunLog& RunLog::Instance()
{
    static RunLog log;
    return log;
}

bool RunLog::Open(const std::string& path)
{
    const HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        OutputDebugStringA(ToAnsi("Tavio: no log: " + path + ": " + SystemErrorText(GetLastError()) + "\n").c_str());
        return false;
    }
    file_.Reset(file);
    return true;
}

bool RunLog::IsOpen() const { return static_cast<bool>(file_); }

void RunLog::Line(std::string_view text)
{
    if (!file_) return;
    std::string line = Timestamp();
    line += text;
    // One line per step: a message of several lines stays on one.
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    line += "\r\n";
    DWORD written = 0;
    WriteFile(file_.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}
