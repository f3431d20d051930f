#include "base/SystemLibrary.h"

#include "base/EntryPoint.h"
#include "base/WinStrings.h"

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace {

std::wstring SystemFolder()
{
    wchar_t buffer[MAX_PATH];
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    return length && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

} // namespace

void RestrictLibrarySearch()
{
    // Bound at run time: Windows 7 has it only with its 2011 loader update.
    using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
    const auto restrict = BindEntry<SetDefaultDllDirectoriesProc>(GetModuleHandleW(L"kernel32.dll"),
                                                                  "SetDefaultDllDirectories");
    if (restrict && restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    SetDllDirectoryW(L"");
}

ModuleHandle LoadSystemLibrary(const wchar_t* name)
{
    // By full path: a bare name would also match a library of that name already
    // loaded from anywhere. The flag keeps the library's own imports in the system
    // folder too; a system without the search flags refuses it as a bad parameter.
    const std::wstring folder = SystemFolder();
    if (folder.empty()) return {};
    const std::wstring path = folder + L'\\' + name;
    if (HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return ModuleHandle(module);
    if (GetLastError() != ERROR_INVALID_PARAMETER) return {};
    return ModuleHandle(LoadLibraryW(path.c_str()));
}

std::string SystemFile(std::string_view name)
{
    return ToUtf8(SystemFolder()) + '\\' + std::string(name);
}
