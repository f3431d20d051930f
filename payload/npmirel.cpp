// The stand-in browser plug-in of the demo payload: registering it writes a per-user
// plug-in key naming the library, unregistering removes that key again.
#include <windows.h>
#include <olectl.h>

namespace {

constexpr wchar_t PluginKey[] = L"Software\\MozillaPlugins\\@tavio.cn/npmirel";
HMODULE self = nullptr;

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, PluginKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    const wchar_t description[] = L"Tavio browser plug-in";
    const wchar_t version[] = L"2.5.0.1024";
    RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path), (length + 1) * sizeof(wchar_t));
    RegSetValueExW(key, L"Description", 0, REG_SZ, reinterpret_cast<const BYTE*>(description), sizeof description);
    RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version), sizeof version);
    RegCloseKey(key);
    return S_OK;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllUnregisterServer()
{
    const LSTATUS status = RegDeleteKeyW(HKEY_CURRENT_USER, PluginKey);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
