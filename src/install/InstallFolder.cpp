#include "install/InstallFolder.h"

#include <algorithm>

#include "base/PathText.h"
#include "install/ProcessNames.h"

namespace {

bool IsReserved(std::string_view part)
{
    // Windows hears a device in the name before its first dot, whatever follows.
    std::string_view name = part.substr(0, part.find('.'));
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    const std::string lower = LowerAscii(name);
    if (lower.size() == 4 && (lower.starts_with("com") || lower.starts_with("lpt")) && lower[3] >= '1' &&
        lower[3] <= '9')
        return true;
    return std::string_view("|con|prn|aux|nul|conin$|conout$|").find("|" + lower + "|") != std::string_view::npos;
}

// Why, after "安装目录“<folder>”", by refusal; a root's adds the folder to make in it.
constexpr const char* Reasons[] = {
    "",
    "无效：请填写完整的路径，例如 C:\\Program Files\\Tavio\\。",
    "无效：不能安装到设备路径，请选择磁盘或网络共享上的文件夹。",
    "无效：文件夹名中不能包含 < > : \" | ? * 等字符。",
    "无效：文件夹名不能是 CON、NUL 等系统保留的名称，也不能以点或空格结尾。",
    "是磁盘或共享的根目录，请在其中另建一个文件夹，例如 ",
    "是系统文件夹或包含系统文件夹，请另选一个目录，例如 C:\\Program Files\\Tavio\\。",
};

} // namespace

FolderChoice CheckInstallFolder(std::string_view given, const SystemFolders& system)
{
    const auto refuse = [&](FolderRefusal refusal, std::string_view root = {}) {
        FolderChoice choice{{}, refusal, "安装目录“"};
        choice.Error.append(given).append("”").append(Reasons[static_cast<int>(refusal)]);
        if (!root.empty()) choice.Error.append(root).append("Tavio\\。");
        return choice;
    };
    const size_t rootLength = PathRootLength(given);
    if (rootLength == 0) {
        const bool device = given.size() >= 4 && given.find_first_not_of("\\/") == 2 &&
                            (given[2] == '.' || given[2] == '?') && (given[3] == '\\' || given[3] == '/');
        return refuse(device ? FolderRefusal::Device : FolderRefusal::NotAbsolute);
    }
    const std::string_view parts = given.substr(rootLength);
    const std::string_view named = given.substr(given[1] == ':' ? 3 : 2); // a share's names too
    if (std::any_of(named.begin(), named.end(), [](char c) {
            return (c >= 0 && c < ' ') || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
        }))
        return refuse(FolderRefusal::ForbiddenCharacter);
    for (size_t start = 0; start < parts.size();) {
        const size_t end = std::min(parts.find_first_of("\\/", start), parts.size());
        const std::string_view part = parts.substr(start, end - start);
        start = end + 1;
        if (!part.empty() && (part.back() == '.' || part.back() == ' ' || IsReserved(part)))
            return refuse(FolderRefusal::ReservedName);
    }
    const auto canonical = CanonicalPath(given);
    if (!canonical) return refuse(FolderRefusal::ReservedName);
    const std::string& folder = *canonical;
    if (folder.size() == PathRootLength(folder)) return refuse(FolderRefusal::Root, folder);
    // A folder holding a system folder is refused too: an uninstall that removes its
    // folder when empty must never be near one.
    const auto holds = [&](const std::string& known) {
        return !known.empty() && (SamePath(folder, known) || IsPathInside(known, folder));
    };
    if (std::any_of(system.Others.begin(), system.Others.end(), holds) || holds(system.Windows) ||
        IsPathInside(folder, system.Windows))
        return refuse(FolderRefusal::SystemFolder);
    return {IncludeTrailingBackslash(folder), FolderRefusal::None, {}};
}
