#pragma once
#include <string>
#include <string_view>

#include "base/Handles.h"

// Where this process takes libraries and programs from. An installer runs from the
// folder it was downloaded to, where any page can drop a file named like a system
// library; Windows looks in a program's own folder first for any library that is not
// one of its known ones. So the program imports only known libraries, and loads every
// other one from the system folder by its own hand.

// Limits every later library load of the process to the system folder (and to full
// paths given explicitly). First thing at start-up. Where the system cannot do that,
// at least the current folder leaves the search.
void RestrictLibrarySearch();

// The library `name` from the system folder, by its full path; empty when it is not
// there.
ModuleHandle LoadSystemLibrary(const wchar_t* name);

// The full path of a file in the system folder ("C:\Windows\system32\regsvr32.exe"):
// a program started by bare name would be looked for in the current folder first.
std::string SystemFile(std::string_view name);
