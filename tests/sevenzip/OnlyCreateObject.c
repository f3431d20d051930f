/* A library that looks like an archive library at first sight: it exports
   CreateObject but not GetHandlerProperty. */
#include <windows.h>

__declspec(dllexport) HRESULT WINAPI CreateObject(const GUID* classId, const GUID* iid, void** object)
{
    (void)classId;
    (void)iid;
    *object = 0;
    return E_NOTIMPL;
}
