#include "install/InstallManifest.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::string_view Header = "# Tavio install manifest 1";

constexpr std::array<std::pair<InstallManifest::Kind, std::string_view>, 7> Words{{
    {InstallManifest::Kind::File, "file"},
    {InstallManifest::Kind::Folder, "folder"},
    {InstallManifest::Kind::Shortcut, "shortcut"},
    {InstallManifest::Kind::ShortcutFolder, "shortcut-folder"},
    {InstallManifest::Kind::DataFile, "data-file"},
    {InstallManifest::Kind::RegistryValue, "registry-value"},
    {InstallManifest::Kind::RegistryKey, "registry-key"},
}};

std::string_view WordOf(InstallManifest::Kind kind)
{
    return std::find_if(Words.begin(), Words.end(), [&](const auto& word) { return word.first == kind; })->second;
}

bool IsAbsolute(std::string_view path)
{
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.starts_with("\\\\\\\\");
}

// A path inside the install folder: relative, and no part of it leads out.
bool IsInside(std::string_view path)
{
    if (path.empty() || path.find(':') != std::string_view::npos || path.front() == '\\' || path.front() == '/')
        return false;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find_first_of("\\/", start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

bool Valid(InstallManifest::Kind kind, std::string_view path)
{
    if (path.find_first_of("\r\n") != std::string_view::npos) return false;
    switch (kind) {
    case InstallManifest::Kind::File:
    case InstallManifest::Kind::Folder: return IsInside(path);
    case InstallManifest::Kind::Shortcut: return IsAbsolute(path) && path.ends_with(".lnk");
    case InstallManifest::Kind::ShortcutFolder:
    case InstallManifest::Kind::DataFile: return IsAbsolute(path);
    case InstallManifest::Kind::RegistryValue:
    case InstallManifest::Kind::RegistryKey: return path.starts_with("HKCU\\") && path.size() > 5;
    }
    return false;
}

} // namespace

void InstallManifest::Add(Kind kind, std::string_view path)
{
    Item item{kind, std::string(path)};
    if (std::find(Items.begin(), Items.end(), item) == Items.end()) Items.push_back(std::move(item));
}

void InstallManifest::Merge(const InstallManifest& other)
{
    for (const Item& item : other.Items) Add(item.kind, item.path);
}

std::vector<std::string> InstallManifest::Paths(Kind kind) const
{
    std::vector<std::string> paths;
    for (const Item& item : Items)
        if (item.kind == kind) paths.push_back(item.path);
    return paths;
}

std::string InstallManifest::Text() const
{
    std::string text(Header);
    text += "\r\n";
    for (const Item& item : Items) {
        text += WordOf(item.kind);
        text += ' ';
        text += item.path;
        text += "\r\n";
    }
    return text;
}

std::optional<InstallManifest> InstallManifest::Parse(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    InstallManifest manifest;
    bool header = false;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!header) {
            if (line != Header) return std::nullopt;
            header = true;
            continue;
        }
        if (line.empty() || line.front() == '#') continue;
        const size_t space = line.find(' ');
        if (space == std::string_view::npos) return std::nullopt;
        const std::string_view word = line.substr(0, space), path = line.substr(space + 1);
        const auto known = std::find_if(Words.begin(), Words.end(), [&](const auto& w) { return w.second == word; });
        if (known == Words.end() || !Valid(known->first, path)) return std::nullopt;
        manifest.Add(known->first, path);
    }
    if (!header) return std::nullopt;
    return manifest;
}
