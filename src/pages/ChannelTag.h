#pragma once
#include <optional>
#include <string>
#include <string_view>

// The channel tag carried by an installer file name: the text between the first "["
// and the first "]" after it (possibly empty); nothing when the name has no "[".
std::optional<std::string> ChannelTagOf(std::string_view fileName);

// The folder the tag file lives in: APPDATA with a trailing "\" + "Tavio\".
std::string ChannelTagFolderFor(std::string_view appData);
