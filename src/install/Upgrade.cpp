#include "install/Upgrade.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

std::optional<std::vector<unsigned long>> VersionParts(std::string_view text)
{
    std::vector<unsigned long> parts;
    for (size_t start = 0;;) {
        const size_t end = std::min(text.find('.', start), text.size());
        unsigned long part = 0;
        const auto [stop, error] = std::from_chars(text.data() + start, text.data() + end, part);
        if (error != std::errc() || stop != text.data() + end || end == start) return std::nullopt;
        parts.push_back(part);
        if (end == text.size()) return parts;
        start = end + 1;
    }
}

} // namespace

std::optional<int> CompareVersions(std::string_view a, std::string_view b)
{
    auto left = VersionParts(a), right = VersionParts(b);
    if (!left || !right) return std::nullopt;
    const size_t count = std::max(left->size(), right->size());
    left->resize(count);
    right->resize(count);
    return *left < *right ? -1 : *left > *right ? 1 : 0;
}

UpgradeKind UpgradeKindOf(const std::optional<EarlierInstall>& earlier, std::string_view ours)
{
    if (!earlier) return UpgradeKind::Fresh;
    // An entry whose version cannot be read is no reason to refuse the install.
    const int order = CompareVersions(earlier->Version, ours).value_or(-1);
    return order < 0 ? UpgradeKind::Upgrade : order == 0 ? UpgradeKind::Repair : UpgradeKind::Downgrade;
}

std::string OfferedFolder(const std::optional<std::string>& given, const std::optional<EarlierInstall>& earlier,
                          const std::function<std::string()>& usual)
{
    if (given) return *given;
    return earlier ? earlier->Folder : usual();
}
