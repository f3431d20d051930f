// The install list as an uninstaller reads it from a folder others may write: whatever
// the text, only what an install of ours makes in the places is kept, and what is kept
// reads back the same.
#include <algorithm>

#include "Fuzz.h"
#include "base/PathText.h"
#include "install/InstallManifest.h"

namespace {

using Kind = InstallManifest::Kind;

// A person whose start menu is redirected to a server.
const InstallPlaces Places{R"(C:\Program Files\Tavio\)", R"(C:\Users\li\Desktop)", R"(C:\Users\li\AppData\Roaming)",
                           R"(\\server\share\li\Start Menu\Programs)"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = AsText(data, size);
    const auto manifest = InstallManifest::Read(text, Places);
    if (!manifest) return 0;
    FUZZ_CHECK(manifest->Items.size() + manifest->Refused.size() <=
               static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    const InstallManifest known = InstallManifest::Known(Places);
    for (const InstallManifest::Item& item : manifest->Items) {
        const std::string& path = item.path;
        const Kind kind = item.kind;
        if (kind == Kind::File || kind == Kind::Folder) {
            // Inside the install folder, whatever its parts.
            FUZZ_CHECK(IsPathInside(Places.Folder + path, Places.Folder));
        } else {
            // Nothing else but what every install of ours makes.
            const auto ours = known.Paths(kind);
            FUZZ_CHECK(std::any_of(ours.begin(), ours.end(), [&](const std::string& p) { return SamePath(p, path); }));
        }
    }
    const auto back = InstallManifest::Read(manifest->Text(), Places);
    FUZZ_CHECK(back && back->Items == manifest->Items && back->Refused.empty());
    return 0;
}
