#pragma once
#include <string>
#include <string_view>

// The shell's folder browser, owned by the application window, rooted at root (the
// desktop when empty) with folder preselected when it names a folder; only file-system
// folders can be chosen. The other windows of the application are disabled and drives
// without media raise no system boxes meanwhile. True with the chosen folder in
// folder; false when cancelled, folder then left as it was or emptied when it named
// no folder.
bool BrowseForFolder(std::string_view title, std::string_view root, std::string& folder);
