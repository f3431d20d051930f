#include "install/DefaultFolder.h"

#include "base/Win32.h"

#include <knownfolders.h>
#include <shlobj.h>

#include "base/FileSystem.h"
#include "base/PathText.h"
#include "base/SpecialFolder.h"
#include "base/WinStrings.h"
#include "install/Product.h"

namespace {

std::string PerUserProgramsFolder()
{
    std::string folder = FindKnownFolder(FOLDERID_UserProgramFiles, true).value_or("");
    if (folder.empty()) {
        // A system that does not know the folder: it is the local application data's
        // "Programs" all the same.
        if (const auto local = FindSpecialFolder(CSIDL_LOCAL_APPDATA)) {
            folder = *local + "\\Programs";
            CreateFolderTree(folder);
        }
    }
    return IncludeTrailingBackslash(folder);
}

} // namespace

std::string DefaultInstallFolder()
{
    const std::string programFiles = SpecialFolderPath(CSIDL_PROGRAM_FILES);
    if (programFiles != "\\" && CanCreateFoldersIn(programFiles)) return programFiles + product::DefaultFolderName;
    const std::string perUser = PerUserProgramsFolder();
    return (perUser != "\\" ? perUser : programFiles) + product::DefaultFolderName;
}
