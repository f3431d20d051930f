#include "pages/PayloadStaging.h"

#include <exception>

#include "app/Product.h"
#include "framework/Resources.h"

void StagePayload(const std::string& folder, HMODULE module)
{
    try {
        SaveResourceToFile(module, "F1", folder + product::ArchiveFileName);
        SaveResourceToFile(module, "F7z", folder + product::LibraryFileName);
    } catch (const std::exception&) {
        // The install sequence reports a missing archive with advice for the user.
    }
}
