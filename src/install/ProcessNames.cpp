#include "install/ProcessNames.h"

std::vector<std::string> SplitList(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    size_t cut;
    while ((cut = text.find(separator)) != std::string_view::npos) {
        parts.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut + 1);
    }
    parts.emplace_back(text);
    return parts;
}

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

int CountNameHits(std::string_view list, std::string_view processName)
{
    int hits = 0;
    for (const std::string& entry : SplitList(list, '|')) {
        if (entry.empty()) continue;
        const size_t at = processName.find(LowerAscii(entry));
        if (at != std::string_view::npos) hits += static_cast<int>(at) + 1;
    }
    return hits;
}
