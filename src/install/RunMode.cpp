#include "install/RunMode.h"

#include <string>

#include "install/CommandLine.h"
#include "framework/Win32.h"
#include "framework/WinStrings.h"

namespace {
std::wstring ExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}
} // namespace

bool IsSilentMode()
{
    return IsSilentModeFor(ToUtf8(GetCommandLineW()), ToUtf8(ExecutablePath()));
}
