#include "base/PathText.h"

std::string_view ExtractFileName(std::string_view path)
{
    const size_t cut = path.find_last_of("\\:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string IncludeTrailingBackslash(std::string_view path)
{
    std::string result(path);
    if (result.empty() || result.back() != '\\') result += '\\';
    return result;
}

std::string NameWithoutExtension(std::string_view path)
{
    const std::string_view name = ExtractFileName(path);
    const size_t dot = name.find('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(0, dot));
}

std::string TextBetween(std::string_view text, std::string_view opening, std::string_view closing)
{
    // A missing opening marker starts at the beginning, as the position rule gives.
    const size_t open = text.find(opening);
    const size_t from = open == std::string_view::npos ? 0 : open + opening.size();
    const std::string_view rest = text.substr(from);
    const size_t to = rest.find(closing);
    if (to == std::string_view::npos || to == 0) return {};
    return std::string(rest.substr(0, to));
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    size_t at = 0, hit;
    while ((hit = text.find(from, at)) != std::string_view::npos) {
        result.append(text.substr(at, hit - at)).append(to);
        at = hit + from.size();
    }
    return result.append(text.substr(at));
}
