#include "install/DefaultFolder.h"

#include "base/Win32.h"

#include <knownfolders.h>
#include <shlobj.h>

#include "base/FileSystem.h"
#include "base/PathText.h"
#include "base/SpecialFolder.h"
#include "base/WinStrings.h"
#include "install/Product.h"
#include "install/UninstallEntry.h"

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

SystemFolders KnownSystemFolders()
{
    SystemFolders folders{FindSpecialFolder(CSIDL_WINDOWS).value_or(""), {}};
    for (const int csidl : {CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAM_FILES_COMMON,
                            CSIDL_PROGRAM_FILES_COMMONX86, CSIDL_COMMON_APPDATA, CSIDL_COMMON_DESKTOPDIRECTORY,
                            CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_DOCUMENTS, CSIDL_PROFILE, CSIDL_APPDATA,
                            CSIDL_LOCAL_APPDATA, CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_PROGRAMS,
                            CSIDL_STARTMENU})
        if (auto folder = FindSpecialFolder(csidl)) folders.Others.push_back(std::move(*folder));
    if (const auto local = FindSpecialFolder(CSIDL_LOCAL_APPDATA)) folders.Others.push_back(*local + "\\Programs");
    return folders;
}

} // namespace

std::string DefaultInstallFolder()
{
    const std::string programFiles = SpecialFolderPath(CSIDL_PROGRAM_FILES);
    if (programFiles != "\\" && CanCreateFoldersIn(programFiles)) return programFiles + product::DefaultFolderName;
    const std::string perUser = PerUserProgramsFolder();
    return (perUser != "\\" ? perUser : programFiles) + product::DefaultFolderName;
}

FolderChoice CheckInstallFolder(std::string_view folder) { return CheckInstallFolder(folder, KnownSystemFolders()); }

std::optional<EarlierInstall> FindEarlierInstall()
{
    auto entry = ReadUninstallEntry();
    if (!entry) return std::nullopt;
    const FolderChoice choice = CheckInstallFolder(entry->Folder);
    if (!choice.Error.empty() || !FileExists(choice.Folder + product::UninstallerFileName)) return std::nullopt;
    entry->Folder = choice.Folder;
    return entry;
}
