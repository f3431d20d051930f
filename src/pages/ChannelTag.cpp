#include "pages/ChannelTag.h"

#include "base/PathText.h"

std::optional<std::string> ChannelTagOf(std::string_view fileName)
{
    if (fileName.find('[') == std::string_view::npos) return std::nullopt;
    return TextBetween(fileName, "[", "]");
}

std::string ChannelTagFolderFor(std::string_view appData) { return IncludeTrailingBackslash(appData) + "Tavio\\"; }
