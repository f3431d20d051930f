#pragma once

// Constants of the product that more than one page or step shows or writes.
namespace product {
inline constexpr const char* SetupTitle = "塔维欧安装向导";
inline constexpr const char* HomePageUrl = "https://www.tavio.cn/";
inline constexpr const char* Publisher = "Tavio Software Co., Ltd. (塔维欧软件)";
inline constexpr const char* DefaultFolderName = "Tavio\\";
// The title of the folder browser of the options page.
inline constexpr const char* BrowseTitle = "指定目录";
inline constexpr const char* ArchiveFileName = "Tavio.7z";
inline constexpr const char* LibraryFileName = "7z.dll";
// The programs the installer expects of a payload, and the plug-in it registers.
inline constexpr const char* PlayerFileName = "Tavio.exe";
inline constexpr const char* UninstallerFileName = "UnInstall.exe";
inline constexpr const char* PluginFileName = "npmirel.dll";
// The player's shortcuts' description.
inline constexpr const char* ShortcutName = "塔维欧";
// Under HKEY_CURRENT_USER: the Run value's key and name, and the uninstall entry.
inline constexpr char RunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char RunValueName[] = "tavio";
inline constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\塔维欧";
} // namespace product
