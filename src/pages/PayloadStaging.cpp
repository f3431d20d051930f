#include "pages/PayloadStaging.h"

#include <exception>

#include "framework/Exception.h"
#include "framework/Resources.h"
#include "framework/FileSystem.h"
#include "framework/SystemError.h"
#include "framework/ZlibStream.h"
#include "install/Product.h"

namespace {
struct Staged {
    const char* Resource;
    const char* Name;
    bool Deflated; // the library travels deflated; the archive is compressed already
};
} // namespace

void StagePayload(const std::string& folder, HMODULE module, FileChanges& changes, PrivateFolder& library)
{
    for (const auto& [resource, name, deflated] :
         {Staged{"F1", product::ArchiveFileName, false}, Staged{"F7z", product::LibraryFileName, true}}) {
        try {
            RawResource(module, resource);
        } catch (const Exception&) {
            return;
        }
        const std::string path = folder + name;
        try {
            changes.NewFile(path);
            if (deflated) {
                const auto bytes = InflateAll(RawResource(module, resource));
                WriteFileBytes(path, bytes);
                library = PrivateFolder::Create();
                library.Write(name, bytes);
            } else {
                SaveResourceToFile(module, resource, path);
            }
        } catch (const std::exception& error) {
            throw Exception(FailureText(name, error));
        }
    }
}
