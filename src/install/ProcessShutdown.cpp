#include "install/ProcessShutdown.h"

#include "base/EntryPoint.h"
#include "base/Handles.h"
#include "base/SystemLibrary.h"
#include "install/ProcessNames.h"
#include "install/RunLog.h"

#include <tlhelp32.h>

namespace {

// The process-walk and module entry points, bound by name at first use: where a
// library or entry is missing its wrapper answers 0 and the pass finds nothing.
class ProcessApi {
public:
    static ProcessApi& Get()
    {
        static ProcessApi api;
        api.BindPsapi();
        return api;
    }

    HANDLE CreateSnapshot(DWORD flags, DWORD process) const
    {
        return createSnapshot_ ? createSnapshot_(flags, process) : nullptr;
    }
    BOOL First(HANDLE snapshot, PROCESSENTRY32W* entry) const { return first_ ? first_(snapshot, entry) : FALSE; }
    BOOL Next(HANDLE snapshot, PROCESSENTRY32W* entry) const { return next_ ? next_(snapshot, entry) : FALSE; }
    BOOL EnumModules(HANDLE process, HMODULE* modules, DWORD size, DWORD* needed) const
    {
        return enumModules_ ? enumModules_(process, modules, size, needed) : FALSE;
    }
    DWORD ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer, DWORD size) const
    {
        return moduleFileName_ ? moduleFileName_(process, module, buffer, size) : 0;
    }

private:
    ProcessApi()
    {
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        createSnapshot_ = BindEntry<decltype(createSnapshot_)>(kernel, "CreateToolhelp32Snapshot");
        first_ = BindEntry<decltype(first_)>(kernel, "Process32FirstW");
        next_ = BindEntry<decltype(next_)>(kernel, "Process32NextW");
    }

    // PSAPI is loaded once it can be; a failed load is tried again next time.
    void BindPsapi()
    {
        if (psapi_) return;
        psapi_ = LoadSystemLibrary(L"PSAPI.dll");
        if (!psapi_) return;
        enumModules_ = BindEntry<decltype(enumModules_)>(psapi_.Get(), "EnumProcessModules");
        moduleFileName_ = BindEntry<decltype(moduleFileName_)>(psapi_.Get(), "GetModuleFileNameExW");
    }

    HANDLE(WINAPI* createSnapshot_)(DWORD, DWORD) = nullptr;
    BOOL(WINAPI* first_)(HANDLE, PROCESSENTRY32W*) = nullptr;
    BOOL(WINAPI* next_)(HANDLE, PROCESSENTRY32W*) = nullptr;
    BOOL(WINAPI* enumModules_)(HANDLE, HMODULE*, DWORD, DWORD*) = nullptr;
    DWORD(WINAPI* moduleFileName_)(HANDLE, HMODULE, wchar_t*, DWORD) = nullptr;
    ModuleHandle psapi_;
};

std::string Utf8Name(const wchar_t* name)
{
    std::string out;
    for (; *name; ++name) out += *name < 0x80 ? static_cast<char>(*name) : '?';
    return out;
}

} // namespace

bool KillRunningProcesses(std::string_view list)
{
    const ProcessApi& api = ProcessApi::Get();
    bool result = false;
    KernelHandle snapshot(api.CreateSnapshot(TH32CS_SNAPHEAPLIST | TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD |
                                                 TH32CS_SNAPMODULE, 0));
    if (!snapshot || snapshot.Get() == INVALID_HANDLE_VALUE) {
        snapshot.Release();
        return false;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = api.First(snapshot.Get(), &entry); more; more = api.Next(snapshot.Get(), &entry)) {
        if (CountNameHits(list, LowerAscii(Utf8Name(entry.szExeFile))) <= 0) continue;
        KernelHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, entry.th32ProcessID));
        if (!process) continue;
        HMODULE main = nullptr;
        DWORD needed = 0;
        wchar_t path[MAX_PATH];
        // Only a process whose main module can be read is ours to stop.
        if (api.EnumModules(process.Get(), &main, sizeof main, &needed) &&
            api.ModuleFileName(process.Get(), main, path, MAX_PATH)) {
            TerminateProcess(process.Get(), 0);
            LogStep("stopped " + Utf8Name(entry.szExeFile) + " (process " + std::to_string(entry.th32ProcessID) + ")");
            result = true;
        }
    }
    return result;
}
