#include "pages/PayloadStaging.h"

#include <exception>

#include "base/Exception.h"
#include "base/FileSystem.h"
#include "base/Resources.h"
#include "base/SystemError.h"
#include "base/ZlibStream.h"
#include "install/InstallFlow.h"
#include "install/Product.h"

void StagePayload(const std::string& folder, HMODULE module, FileChanges& changes, PrivateFolder& library)
{
    // A missing resource ends the staging here; the install sequence reports it.
    std::span<const std::byte> archive, packedLibrary;
    try {
        archive = RawResource(module, "F1");
    } catch (const Exception&) {
        return;
    }
    try {
        packedLibrary = RawResource(module, "F7z");
    } catch (const Exception&) {
        packedLibrary = {};
    }
    // The library travels deflated; the archive is compressed already.
    decltype(InflateAll(packedLibrary)) libraryBytes;
    try {
        if (!packedLibrary.empty()) libraryBytes = InflateAll(packedLibrary);
    } catch (const std::exception& error) {
        throw Exception(FailureText(product::LibraryFileName, error));
    }
    const uint64_t needed = archive.size() + libraryBytes.size();
    if (const auto available = FreeSpaceAt(folder); available && !FitsOnDisk(needed, *available))
        throw NoSpaceError(needed, *available);

    auto write = [&](const char* name, std::span<const std::byte> bytes) {
        const std::string path = folder + name;
        try {
            changes.NewFile(path);
            WriteFileBytes(path, bytes);
        } catch (const std::exception& error) {
            throw Exception(FailureText(name, error));
        }
    };
    write(product::ArchiveFileName, archive);
    if (packedLibrary.empty()) return;
    write(product::LibraryFileName, libraryBytes);
    try {
        library = PrivateFolder::Create();
        library.Write(product::LibraryFileName, libraryBytes);
    } catch (const std::exception& error) {
        throw Exception(FailureText(product::LibraryFileName, error));
    }
}
