#pragma once
// Paths and helpers shared by the archive binding's tests.
#include <string>

#include "TestSupport.h"
#include "sevenzip/I7zReader.h"

// Host paths as Wine shows them, with Windows separators.
inline std::string WinPath(std::string path)
{
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}
inline std::string Library() { return WinPath(TEST_7Z_DLL); }
inline std::string Archive(const char* name) { return WinPath(std::string(TEST_ARCHIVES) + "/" + name); }
inline std::string Source(const char* relative) { return WinPath(std::string(TEST_ARCHIVES) + "/src/" + relative); }
inline std::string TestLibrary(const char* name) { return WinPath(std::string(TEST_LIBRARIES) + "/" + name); }

inline ComPtr<I7zReader> OpenReader(const char* archive, std::wstring_view password = {})
{
    ComPtr<I7zReader> reader = CreateArchiveReader(sevenzip::FormatId7z, Library());
    reader->SetArchivePassword(password);
    reader->OpenArchiveFile(Archive(archive));
    return reader;
}

inline bool ModuleLoaded(const char* fileName) { return GetModuleHandleA(fileName) != nullptr; }
