#include "sevenzip/T7zPlugin.h"

#include <string>

#include "base/EntryPoint.h"
#include "base/Exception.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"

void CheckResult(HRESULT result)
{
    if (result != S_OK) RaiseSystemError(static_cast<unsigned long>(result));
}

T7zPlugin::T7zPlugin(std::string_view libraryPath)
    : library_(LoadLibraryW(ToWide(libraryPath).c_str()))
{
    // The system's reason is kept for whoever reports it: a missing file and a library
    // that cannot run here are different faults.
    if (!library_) throw SystemException("Error loading library " + std::string(libraryPath), GetLastError());
    createObject_ = BindEntry<sevenzip::CreateObjectFunction>(library_.Get(), "CreateObject");
    if (!createObject_) throw Exception(std::string(libraryPath) + " is not a 7z library");
}

void T7zPlugin::CreateObject(const GUID& classId, const GUID& interfaceId, void** object)
{
    const HRESULT result = createObject_(&classId, &interfaceId, object);
    if (FAILED(result)) RaiseSystemError(static_cast<unsigned long>(result));
}

T7zArchive::T7zArchive(std::string_view libraryPath)
    : T7zPlugin(libraryPath), handlerProperty_(BindEntry<FARPROC>(Library(), "GetHandlerProperty"))
{
    if (!handlerProperty_) throw Exception(std::string(libraryPath) + " is not a Format library");
}
