#pragma once
#include <string_view>

#include "base/Handles.h"
#include "base/InterfacedObject.h"
#include "sevenzip/ArchiveInterfaces.h"

// Raises Exception with the system's text unless the result is 0.
void CheckResult(HRESULT result);

// The loaded archive library: loaded once per object, released exactly once.
class T7zPlugin : public TInterfacedObject {
public:
    // Raises "Error loading library <path>" or "<path> is not a 7z library".
    explicit T7zPlugin(std::string_view libraryPath);

    // Makes a handler object; only a negative result fails (with the system's text).
    void CreateObject(const GUID& classId, const GUID& interfaceId, void** object);

protected:
    HMODULE Library() const { return library_.Get(); }

private:
    ModuleHandle library_;
    sevenzip::CreateObjectFunction createObject_ = nullptr;
};

// A format library: it must also export GetHandlerProperty, and it knows which
// format's handler to make.
class T7zArchive : public T7zPlugin {
public:
    // Raises "<path> is not a Format library" when GetHandlerProperty is missing.
    explicit T7zArchive(std::string_view libraryPath);

    GUID FormatId() const { return formatId_; }
    void ChangeFormatId(const GUID& id) { formatId_ = id; }

private:
    FARPROC handlerProperty_ = nullptr; // required, never called
    GUID formatId_{};
};
