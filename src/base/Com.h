#pragma once
#include "base/Win32.h"

#include <objbase.h>
#include <oleauto.h>
#include <propidl.h>

// COM and OLE automation, bound from the system folder when first used. The first
// page needs neither: importing them loaded the RPC runtime beneath them before the
// program's first line, and entering an apartment made a window of its own, together
// about a fifth of the time to the first page under Wine.

// Enters the calling thread into a single-threaded apartment, once; what needs COM
// (shell links, the folder browser, the shell's verbs) calls it first. Application's
// Finalize leaves it again.
void EnterComApartment();
void LeaveComApartment();
// The window through which COM hands the calling thread's apartment the calls other
// processes make on its objects (a screen reader's), or null before it has one. A loop
// that lets only some messages through must let this window's through too.
HWND ComApartmentWindow();

// CoCreateInstance, in the apartment.
HRESULT CreateComInstance(REFCLSID type, DWORD context, REFIID interfaceId, void** object);
// SysAllocString and PropVariantClear; a system without the library gets nothing
// allocated and nothing cleared.
BSTR AllocateBstr(const wchar_t* text);
void ClearPropVariant(PROPVARIANT* value);
