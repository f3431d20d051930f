#include "base/Com.h"

#include "base/EntryPoint.h"
#include "base/SystemLibrary.h"

namespace {

struct Entries {
    ModuleHandle ole32 = LoadSystemLibrary(L"ole32.dll");
    ModuleHandle oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    decltype(&CoInitializeEx) Initialize = BindEntry<decltype(&CoInitializeEx)>(ole32.Get(), "CoInitializeEx");
    decltype(&CoUninitialize) Uninitialize = BindEntry<decltype(&CoUninitialize)>(ole32.Get(), "CoUninitialize");
    decltype(&CoCreateInstance) Create = BindEntry<decltype(&CoCreateInstance)>(ole32.Get(), "CoCreateInstance");
    decltype(&PropVariantClear) Clear = BindEntry<decltype(&PropVariantClear)>(ole32.Get(), "PropVariantClear");
    decltype(&SysAllocString) Allocate = BindEntry<decltype(&SysAllocString)>(oleaut32.Get(), "SysAllocString");
};

// Apart from the entries, so that leaving an apartment never entered binds nothing.
bool entered = false;

// Bound on first use, from any thread; kept until the process ends.
Entries& Ole()
{
    static Entries entries;
    return entries;
}

} // namespace

void EnterComApartment()
{
    if (entered) return;
    const Entries& e = Ole();
    if (e.Initialize) entered = SUCCEEDED(e.Initialize(nullptr, COINIT_APARTMENTTHREADED));
}

void LeaveComApartment()
{
    if (!entered) return;
    Ole().Uninitialize();
    entered = false;
}

HRESULT CreateComInstance(REFCLSID type, DWORD context, REFIID interfaceId, void** object)
{
    EnterComApartment();
    const Entries& e = Ole();
    if (!e.Create) return REGDB_E_CLASSNOTREG;
    return e.Create(type, nullptr, context, interfaceId, object);
}

BSTR AllocateBstr(const wchar_t* text)
{
    const Entries& e = Ole();
    return e.Allocate ? e.Allocate(text) : nullptr;
}

void ClearPropVariant(PROPVARIANT* value)
{
    const Entries& e = Ole();
    if (e.Clear) e.Clear(value);
    else PropVariantInit(value);
}

HWND ComApartmentWindow()
{
    const DWORD thread = GetCurrentThreadId();
    for (HWND window = nullptr; (window = FindWindowExW(HWND_MESSAGE, window, L"OleMainThreadWndClass", nullptr));)
        if (GetWindowThreadProcessId(window, nullptr) == thread) return window;
    return nullptr;
}
