#include "pages/FolderBrowser.h"

#include <shlobj.h>
#include <vector>

#include "base/Com.h"
#include "base/InterfacedObject.h"
#include "base/ScopeExit.h"
#include "base/WinStrings.h"
#include "ui/Application.h"

namespace {

// Every other enabled window of the thread goes disabled for the dialog's lifetime.
class OtherWindowsDisabled {
public:
    OtherWindowsDisabled() { EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(&windows_)); }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
    ~OtherWindowsDisabled()
    {
        for (HWND window : windows_) EnableWindow(window, TRUE);
    }

private:
    static BOOL CALLBACK Disable(HWND window, LPARAM list)
    {
        if (IsWindowVisible(window) && IsWindowEnabled(window)) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            EnableWindow(window, FALSE);
        }
        return TRUE;
    }
    std::vector<HWND> windows_;
};

// Memory of the shell's allocator: an item list or a name buffer.
struct ShellMemory {
    IMalloc& allocator;
    void* block;
    ShellMemory(IMalloc& a, void* b) : allocator(a), block(b) {}
    ShellMemory(const ShellMemory&) = delete;
    ShellMemory& operator=(const ShellMemory&) = delete;
    ~ShellMemory()
    {
        if (block) allocator.Free(block);
    }
};

int CALLBACK Preselect(HWND dialog, UINT message, LPARAM, LPARAM folder)
{
    if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, folder);
    return 0;
}

} // namespace

bool BrowseForFolder(std::string_view title, std::string_view root, std::string& folder)
{
    EnterComApartment(); // the browser's folder views are COM objects
    const DWORD attributes = GetFileAttributesW(ToWide(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) folder.clear();
    ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Put())) || !allocator) return false;
    ShellMemory name(*allocator, allocator->Alloc(MAX_PATH * sizeof(wchar_t)));
    if (!name.block) return false;

    const HWND owner = Application::Instance().Handle();
    ShellMemory rootList(*allocator, nullptr);
    if (!root.empty()) {
        ComPtr<IShellFolder> desktop;
        std::wstring path = ToWide(root);
        PIDLIST_RELATIVE list = nullptr;
        if (SUCCEEDED(SHGetDesktopFolder(desktop.Put())) &&
            SUCCEEDED(desktop->ParseDisplayName(owner, nullptr, path.data(), nullptr, &list, nullptr)))
            rootList.block = list;
    }
    const std::wstring wideTitle = ToWide(title), preselected = ToWide(folder);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = static_cast<PCIDLIST_ABSOLUTE>(rootList.block);
    info.pszDisplayName = static_cast<wchar_t*>(name.block);
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (!folder.empty()) {
        info.lpfn = Preselect;
        info.lParam = reinterpret_cast<LPARAM>(preselected.c_str());
    }
    PIDLIST_ABSOLUTE chosen;
    {
        const OtherWindowsDisabled disabled;
        const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
        const ScopeExit restore{[errorMode] { SetErrorMode(errorMode); }};
        chosen = SHBrowseForFolderW(&info);
    }
    if (!chosen) return false;
    const ShellMemory chosenList(*allocator, chosen);
    wchar_t path[MAX_PATH] = {};
    SHGetPathFromIDListW(chosen, path);
    folder = ToUtf8(path);
    return true;
}
