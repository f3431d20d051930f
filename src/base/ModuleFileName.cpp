#include "base/ModuleFileName.h"

#include "base/WinStrings.h"

std::string ModuleFileName(HMODULE module)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the path was cut: try again with room for more.
        if (length < path.size()) return ToUtf8({path.data(), length});
        path.resize(path.size() * 2);
    }
}
