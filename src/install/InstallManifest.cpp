#include "install/InstallManifest.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/PathText.h"
#include "install/Product.h"

namespace {

constexpr std::string_view Header = "# Tavio install manifest 1";

using Kind = InstallManifest::Kind;

constexpr std::array<std::pair<Kind, std::string_view>, 7> Words{{
    {Kind::File, "file"},
    {Kind::Folder, "folder"},
    {Kind::Shortcut, "shortcut"},
    {Kind::ShortcutFolder, "shortcut-folder"},
    {Kind::DataFile, "data-file"},
    {Kind::RegistryValue, "registry-value"},
    {Kind::RegistryKey, "registry-key"},
}};

std::string_view WordOf(Kind kind)
{
    return std::find_if(Words.begin(), Words.end(), [&](const auto& word) { return word.first == kind; })->second;
}

// `name` in the shell folder; nothing where the shell named no folder.
std::string In(const std::string& shellFolder, std::string_view name)
{
    return shellFolder.empty() ? std::string() : IncludeTrailingBackslash(shellFolder) + std::string(name);
}

// Where the installer puts its shortcuts, the programs-menu folder and the channel tag
// (in the order of their names below).
struct Place {
    Kind kind;
    std::string InstallPlaces::*shellFolder;
    const char* name;
};
enum { DesktopLink, QuickLaunchLink, PlayerLink, UninstallLink, MenuFolder, ChannelTag };
constexpr Place OurPlaces[] = {
    {Kind::Shortcut, &InstallPlaces::Desktop, "塔维欧.lnk"},
    {Kind::Shortcut, &InstallPlaces::AppData, "Microsoft\\Internet Explorer\\Quick Launch\\塔维欧.lnk"},
    {Kind::Shortcut, &InstallPlaces::Programs, "塔维欧\\塔维欧.lnk"},
    {Kind::Shortcut, &InstallPlaces::Programs, "塔维欧\\卸载塔维欧.lnk"},
    {Kind::ShortcutFolder, &InstallPlaces::Programs, "塔维欧"},
    {Kind::DataFile, &InstallPlaces::AppData, "Tavio\\mirelff.dat"},
};

std::string PathOf(const InstallPlaces& places, const Place& place) { return In(places.*place.shellFolder, place.name); }

// A path inside the install folder: relative, no part of it leads out, and every name
// one that Windows reads as written.
bool IsInside(std::string_view path)
{
    if (path.empty() || path.front() == '\\' || path.front() == '/') return false;
    if (std::any_of(path.begin(), path.end(), [](char c) {
            return (c >= 0 && c < ' ') || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
        }))
        return false;
    for (size_t start = 0; start <= path.size();) {
        const size_t end = std::min(path.find_first_of("\\/", start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part.back() == '.' || part.back() == ' ') return false; // ".", ".." among them
        start = end + 1;
    }
    return true;
}

// The path as an install of ours can have listed it, or nothing.
std::optional<std::string> Ours(Kind kind, std::string_view path, const InstallPlaces& places)
{
    if (kind == Kind::File || kind == Kind::Folder) {
        if (IsInside(path)) return std::string(path);
        return std::nullopt;
    }
    if (kind == Kind::RegistryValue || kind == Kind::RegistryKey) {
        std::string item = kind == Kind::RegistryValue ? RunValueItem() : UninstallEntryItem();
        if (SamePath(path, item)) return item;
        return std::nullopt;
    }
    const auto canonical = CanonicalPath(path);
    if (canonical)
        for (const Place& place : OurPlaces)
            if (place.kind == kind && SamePath(*canonical, CanonicalPath(PathOf(places, place)).value_or("")))
                return canonical;
    return std::nullopt;
}

} // namespace

std::string InstallPlaces::DesktopShortcut() const { return PathOf(*this, OurPlaces[DesktopLink]); }
std::string InstallPlaces::QuickLaunchShortcut() const { return PathOf(*this, OurPlaces[QuickLaunchLink]); }
std::string InstallPlaces::ProgramsFolder() const { return PathOf(*this, OurPlaces[MenuFolder]); }
std::string InstallPlaces::PlayerShortcut() const { return PathOf(*this, OurPlaces[PlayerLink]); }
std::string InstallPlaces::UninstallShortcut() const { return PathOf(*this, OurPlaces[UninstallLink]); }
std::string InstallPlaces::DataFile() const { return PathOf(*this, OurPlaces[ChannelTag]); }

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

std::vector<std::string> InstallManifest::AbsolutePaths(std::string_view folder) const
{
    std::vector<std::string> paths;
    for (const Item& item : Items) {
        const bool inside = item.kind == Kind::File || item.kind == Kind::Folder;
        paths.push_back(inside ? std::string(folder) + item.path : item.path);
    }
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

std::optional<InstallManifest> InstallManifest::Read(std::string_view text, const InstallPlaces& places)
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
        const size_t space = std::min(line.find(' '), line.size());
        const std::string_view word = line.substr(0, space), path = line.substr(std::min(space + 1, line.size()));
        const auto known = std::find_if(Words.begin(), Words.end(), [&](const auto& w) { return w.second == word; });
        const auto ours = known == Words.end() ? std::nullopt : Ours(known->first, path, places);
        if (ours) manifest.Add(known->first, *ours);
        else manifest.Refused.emplace_back(line);
    }
    if (!header) return std::nullopt;
    return manifest;
}

InstallManifest InstallManifest::Known(const InstallPlaces& places)
{
    InstallManifest known;
    for (const char* name : {product::PlayerFileName, product::UninstallerFileName, product::PluginFileName,
                             product::LibraryFileName, product::ArchiveFileName})
        known.Add(Kind::File, name);
    for (const Place& place : OurPlaces)
        if (const std::string path = PathOf(places, place); !path.empty()) known.Add(place.kind, path);
    known.Add(Kind::RegistryValue, RunValueItem());
    known.Add(Kind::RegistryKey, UninstallEntryItem());
    return known;
}

std::string RunValueItem() { return "HKCU\\" + std::string(product::RunKey) + "\\" + product::RunValueName; }
std::string UninstallEntryItem() { return "HKCU\\" + std::string(product::UninstallKey); }

bool StartsFromFolder(std::string_view command, std::string_view folder)
{
    // A quoted program runs to the closing quote; an unquoted one to the first blank.
    if (command.starts_with('"')) command = command.substr(1, command.find('"', 1) - 1);
    else command = command.substr(0, command.find(' '));
    return IsPathInside(command, folder);
}
