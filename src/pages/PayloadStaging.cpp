#include "pages/PayloadStaging.h"

#include <exception>

#include "app/Product.h"
#include "framework/FileSystem.h"
#include "framework/Resources.h"

void StagePayload(const std::string& folder, HMODULE module)
{
    try {
        WriteFileBytes(folder + product::ArchiveFileName, RawResource(module, "F1"));
        WriteFileBytes(folder + product::LibraryFileName, RawResource(module, "F7z"));
    } catch (const std::exception&) {
        // The install sequence reports a missing archive with advice for the user.
    }
}
