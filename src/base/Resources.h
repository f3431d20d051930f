#pragma once
#include <cstddef>
#include <span>
#include <string_view>

#include "base/Win32.h"

// The bytes of a raw-data resource of the module, looked up by name without regard
// to letter case. They stay valid while the module is loaded. Raises Exception when
// the module has no such resource.
std::span<const std::byte> RawResource(HMODULE module, std::string_view name);

// Writes a raw-data resource of the module to a file (created or truncated). Large
// resources are copied from the module's file in chunks rather than from the mapped
// image, so the copy does not pull the whole resource into memory. Raises Exception.
void SaveResourceToFile(HMODULE module, std::string_view name, std::string_view path);
