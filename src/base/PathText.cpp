#include "base/PathText.h"

#include <algorithm>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

} // namespace

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

size_t PathRootLength(std::string_view path)
{
    if (path.size() >= 3 && Lower(path[0]) >= 'a' && Lower(path[0]) <= 'z' && path[1] == ':' && IsSeparator(path[2]))
        return 3;
    if (path.size() < 3 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return 0;
    const size_t serverEnd = std::min(path.find_first_of("\\/", 2), path.size());
    const std::string_view server = path.substr(2, serverEnd - 2);
    if (server.empty() || server == "." || server == ".." || server.find('?') != std::string_view::npos ||
        serverEnd + 1 >= path.size())
        return 0;
    const size_t shareEnd = std::min(path.find_first_of("\\/", serverEnd + 1), path.size());
    const std::string_view share = path.substr(serverEnd + 1, shareEnd - serverEnd - 1);
    if (share.empty() || share == "." || share == "..") return 0;
    return std::min(shareEnd + 1, path.size());
}

std::optional<std::string> CanonicalPath(std::string_view path)
{
    const size_t rootLength = PathRootLength(path);
    if (rootLength == 0) return std::nullopt;
    std::string result(path.substr(0, rootLength));
    std::replace(result.begin(), result.end(), '/', '\\');
    if (result.back() != '\\') result += '\\';
    const size_t root = result.size();
    for (size_t start = rootLength; start < path.size();) {
        const size_t end = std::min(path.find_first_of("\\/", start), path.size());
        const std::string_view part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (result.size() == root) return std::nullopt;
            result.erase(result.find_last_of('\\', result.size() - 2) + 1);
            continue;
        }
        if (part.back() == '.' || part.back() == ' ') return std::nullopt;
        result.append(part) += '\\';
    }
    if (result.size() > root) result.pop_back();
    return result;
}

bool SamePath(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsPathInside(std::string_view path, std::string_view folder)
{
    const auto inner = CanonicalPath(path), outer = CanonicalPath(folder);
    if (!inner || !outer) return false;
    const std::string prefix = IncludeTrailingBackslash(*outer);
    return inner->size() > prefix.size() && SamePath(std::string_view(*inner).substr(0, prefix.size()), prefix);
}
