#include "base/Resources.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "base/FileStream.h"
#include "base/FileSystem.h"
#include "base/Handles.h"
#include "base/ModuleFileName.h"
#include "base/SystemError.h"
#include "base/WinStrings.h"

std::span<const std::byte> RawResource(HMODULE module, std::string_view name)
{
    HRSRC info = FindResourceW(module, ToWide(name).c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw Exception("Resource " + std::string(name) + " not found");
    return {static_cast<const std::byte*>(data), SizeofResource(module, info)};
}

namespace {

// Where the bytes at this address of a loaded image lie in its file, if they do.
std::optional<uint32_t> FileOffsetOf(HMODULE module, const void* address)
{
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return std::nullopt;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return std::nullopt;
    const auto rva = static_cast<uint32_t>(static_cast<const BYTE*>(address) - base);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->SizeOfRawData)
            return rva - section->VirtualAddress + section->PointerToRawData;
    return std::nullopt;
}

} // namespace

void SaveResourceToFile(HMODULE module, std::string_view name, std::string_view path)
{
    const std::span<const std::byte> bytes = RawResource(module, name);
    constexpr size_t Chunk = 1 << 20;
    const std::optional<uint32_t> offset = FileOffsetOf(module, bytes.data());
    const std::wstring modulePath = ToWide(ModuleFileName(module));
    // A path past MAX_PATH would need the long-path form to open: write from memory then.
    if (bytes.size() <= Chunk || !offset || modulePath.empty() || modulePath.size() >= MAX_PATH) {
        WriteFileBytes(path, bytes);
        return;
    }
    FileHandle source(CreateFileW(modulePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!source) RaiseLastError();
    LARGE_INTEGER at;
    at.QuadPart = *offset;
    if (!SetFilePointerEx(source.Get(), at, nullptr, FILE_BEGIN)) RaiseLastError();
    TFileStream target(path, TFileStream::Mode::CreateExclusive);
    std::vector<std::byte> buffer(Chunk);
    for (size_t left = bytes.size(); left > 0;) {
        DWORD got = 0;
        const auto want = static_cast<DWORD>(std::min(left, Chunk));
        if (!ReadFile(source.Get(), buffer.data(), want, &got, nullptr) || got != want)
            RaiseLastError();
        if (target.Write(buffer.data(), got) != got) RaiseSystemError(ERROR_WRITE_FAULT);
        left -= got;
    }
}
