#include "framework/Resources.h"

#include <string>

#include "framework/Exception.h"
#include "framework/WinStrings.h"

std::span<const std::byte> RawResource(HMODULE module, std::string_view name)
{
    HRSRC info = FindResourceW(module, ToWide(name).c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw Exception("Resource " + std::string(name) + " not found");
    return {static_cast<const std::byte*>(data), SizeofResource(module, info)};
}
