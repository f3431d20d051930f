#include "install/Shortcuts.h"

#include "base/Com.h"
#include "base/Exception.h"
#include "base/FileSystem.h"
#include "base/InterfacedObject.h"
#include "base/SpecialFolder.h"
#include "base/SystemError.h"
#include "base/Win32.h"
#include "base/WinStrings.h"

#include <shlobj.h>

namespace {

constexpr char PlayerName[] = "塔维欧";

struct LinkFile {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;

    // Target and working folder (the target's folder, with its trailing "\").
    explicit LinkFile(const std::string& target)
    {
        const HRESULT result = CreateComInstance(CLSID_ShellLink, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                                 IID_IShellLinkW, reinterpret_cast<void**>(link.Put()));
        if (FAILED(result)) RaiseSystemError(static_cast<unsigned long>(result));
        file = link.As<IPersistFile>(IID_IPersistFile);
        if (!file) RaiseSystemError(static_cast<unsigned long>(E_NOINTERFACE));
        link->SetPath(ToWide(target).c_str());
        link->SetWorkingDirectory(ToWide(target.substr(0, target.find_last_of('\\') + 1)).c_str());
    }

    // A failed save leaves just this shortcut absent.
    bool Save(const std::string& path) const { return SUCCEEDED(file->Save(ToWide(path).c_str(), FALSE)); }
};

} // namespace

std::vector<std::string> CreateShortcuts(const InstallSettings& settings)
{
    std::vector<std::string> saved;
    auto save = [&](const LinkFile& shortcut, const std::string& path) {
        if (shortcut.Save(path)) saved.push_back(path);
    };
    const std::string target = settings.InstallFolder + "Tavio.exe";
    LinkFile shortcut(target);
    shortcut.link->SetDescription(ToWide(PlayerName).c_str());
    shortcut.link->SetIconLocation(ToWide(target).c_str(), 0);
    const std::string linkName = std::string("\\") + PlayerName + ".lnk";

    if (IsOn(settings.DesktopShortcut))
        if (const auto desktop = FindSpecialFolder(CSIDL_DESKTOPDIRECTORY)) save(shortcut, *desktop + linkName);
    if (IsOn(settings.QuickLaunchShortcut))
        if (const auto appData = FindSpecialFolder(CSIDL_APPDATA))
            save(shortcut, *appData + "\\Microsoft\\Internet Explorer\\Quick Launch" + linkName);
    if (const auto programs = FindSpecialFolder(CSIDL_PROGRAMS)) {
        const std::string folder = *programs + "\\" + PlayerName;
        // One level only: the programs folder itself is the system's.
        if (!DirectoryExists(folder) && !CreateDirectoryW(ToWide(folder).c_str(), nullptr))
            throw Exception("Cannot create the folder " + folder + ": " + SystemErrorText(GetLastError()));
        save(shortcut, folder + linkName);
    }
    return saved;
}

std::optional<std::string> CreateShortcutAt(const std::string& target, int csidl, std::string_view relativeName)
{
    LinkFile shortcut(target);
    const auto folder = FindSpecialFolder(csidl);
    if (!folder) return std::nullopt;
    std::string path = *folder + "\\" + std::string(relativeName) + ".lnk";
    if (!shortcut.Save(path)) return std::nullopt;
    return path;
}
