#include "base/StringList.h"

void TStringList::SetText(std::string_view text)
{
    Lines.clear();
    ForEachLine(text, [this](std::string_view line) { Lines.emplace_back(line); });
}

std::string TStringList::Text() const
{
    std::string text;
    for (const std::string& line : Lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}
