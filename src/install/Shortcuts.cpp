#include "install/Shortcuts.h"

#include "base/Com.h"
#include "base/Exception.h"
#include "base/FileSystem.h"
#include "base/InterfacedObject.h"
#include "base/SpecialFolder.h"
#include "base/SystemError.h"
#include "base/Win32.h"
#include "base/WinStrings.h"
#include "install/Product.h"

#include <shlobj.h>

namespace {

struct LinkFile {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;

    LinkFile()
    {
        const HRESULT result = CreateComInstance(CLSID_ShellLink, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                                 IID_IShellLinkW, reinterpret_cast<void**>(link.Put()));
        if (FAILED(result)) RaiseSystemError(static_cast<unsigned long>(result));
        file = link.As<IPersistFile>(IID_IPersistFile);
        if (!file) RaiseSystemError(static_cast<unsigned long>(E_NOINTERFACE));
    }

    // Target and working folder (the target's folder, with its trailing "\").
    explicit LinkFile(const std::string& target) : LinkFile()
    {
        link->SetPath(ToWide(target).c_str());
        link->SetWorkingDirectory(ToWide(target.substr(0, target.find_last_of('\\') + 1)).c_str());
    }

    // A failed save leaves just this shortcut absent.
    bool Save(const std::string& path) const { return SUCCEEDED(file->Save(ToWide(path).c_str(), FALSE)); }
};

} // namespace

InstallPlaces ShellPlaces(std::string folder)
{
    return {std::move(folder), FindSpecialFolder(CSIDL_DESKTOPDIRECTORY).value_or(""),
            FindSpecialFolder(CSIDL_APPDATA).value_or(""), FindSpecialFolder(CSIDL_PROGRAMS).value_or("")};
}

void CreateShortcuts(const InstallSettings& settings, const InstallPlaces& places, const ShortcutMade& made)
{
    const auto save = [&](const LinkFile& shortcut, const std::string& path) {
        if (!path.empty() && shortcut.Save(path)) made(InstallManifest::Kind::Shortcut, path);
    };
    const std::string target = settings.InstallFolder + product::PlayerFileName;
    LinkFile player(target);
    player.link->SetDescription(ToWide(product::ShortcutName).c_str());
    player.link->SetIconLocation(ToWide(target).c_str(), 0);

    if (IsOn(settings.DesktopShortcut)) save(player, places.DesktopShortcut());
    if (IsOn(settings.QuickLaunchShortcut)) save(player, places.QuickLaunchShortcut());
    if (places.Programs.empty()) return;
    const std::string folder = places.ProgramsFolder();
    // One level only: the programs folder itself is the system's.
    if (!DirectoryExists(folder) && !CreateDirectoryW(ToWide(folder).c_str(), nullptr)) RaiseLastError(folder);
    made(InstallManifest::Kind::ShortcutFolder, folder);
    save(player, places.PlayerShortcut());
    save(LinkFile(settings.InstallFolder + product::UninstallerFileName), places.UninstallShortcut());
}

std::optional<std::string> ShortcutTarget(const std::string& shortcut)
{
    try {
        const LinkFile link;
        wchar_t target[MAX_PATH + 1] = {};
        if (FAILED(link.file->Load(ToWide(shortcut).c_str(), STGM_READ)) ||
            link.link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK)
            return std::nullopt;
        return ToUtf8(target);
    } catch (const Exception&) {
        return std::nullopt;
    }
}
