#include "pages/PayloadStaging.h"

#include <exception>
#include <utility>

#include "framework/Exception.h"
#include "framework/Resources.h"
#include "framework/SystemError.h"
#include "install/Product.h"

void StagePayload(const std::string& folder, HMODULE module, FileChanges& changes)
{
    for (const auto& [resource, name] :
         {std::pair{"F1", product::ArchiveFileName}, std::pair{"F7z", product::LibraryFileName}}) {
        try {
            RawResource(module, resource);
        } catch (const Exception&) {
            return;
        }
        const std::string path = folder + name;
        try {
            changes.NewFile(path);
            SaveResourceToFile(module, resource, path);
        } catch (const std::exception& error) {
            throw Exception(FailureText(name, error));
        }
    }
}
