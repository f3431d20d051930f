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
} // namespace product
