#include "base/IniFile.h"

#include <algorithm>
#include <limits>

#include "base/StringList.h"

namespace {

std::string_view Trim(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    if (a == b) return true; // names are mostly written as they are looked up
    return std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// A cheap fingerprint of a name, blind to letter case: its length and four of its
// letters. Equal names always match; different ones rarely do, and SameText decides.
uint32_t NameHash(std::string_view name)
{
    if (name.empty()) return 0;
    const auto at = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(Lower(name[i]))); };
    const size_t n = name.size();
    return (static_cast<uint32_t>(n) * 0x9E3779B1u) ^ at(0) ^ at(n / 2) << 8 ^ at(n - 1) << 16 ^ at(n * 3 / 4) << 24;
}

} // namespace

std::optional<int32_t> ParseInteger(std::string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL) return std::nullopt;
    }
    if (negative) value = -value;
    // Hexadecimal spells the 32 bits (so $FF000005 is a system colour); decimal must fit.
    if (base == 16 && value > std::numeric_limits<int32_t>::max()) return static_cast<int32_t>(static_cast<uint32_t>(value));
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t StrToInt(std::string_view text)
{
    if (const auto value = ParseInteger(text)) return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

void TMemIniFile::SetText(std::string_view text)
{
    sections_.clear();
    store_.clear();
    lastSection_ = nullptr;
    text = Keep(text);
    Section* current = nullptr;
    ForEachLine(text, [&](std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line[0] == ';') return;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &FindOrAdd(Trim(line.substr(1, line.size() - 2)));
            return;
        }
        if (!current) return;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            current->Lines.push_back({{}, line, false, 0});
        } else {
            const std::string_view key = Trim(line.substr(0, equals));
            current->Lines.push_back({key, Trim(line.substr(equals + 1)), true, NameHash(key)});
        }
    });
    for (Section& section : sections_) {
        // A key repeats only if its fingerprint does; a 256-bit filter keeps the full
        // comparison to the few keys whose filter bit is taken already.
        uint64_t seen[4] = {};
        const std::vector<Line>& lines = section.Lines;
        for (size_t i = 0; i < lines.size() && !section.MayRepeatKeys; ++i) {
            if (!lines[i].IsKey) continue;
            const uint32_t bit = (lines[i].Hash ^ lines[i].Hash >> 8 ^ lines[i].Hash >> 16 ^ lines[i].Hash >> 24) & 255;
            if (seen[bit / 64] >> (bit % 64) & 1)
                for (size_t j = 0; j < i; ++j)
                    if (lines[j].IsKey && lines[j].Hash == lines[i].Hash) section.MayRepeatKeys = true;
            seen[bit / 64] |= uint64_t{1} << (bit % 64);
        }
    }
}

std::string TMemIniFile::Text() const
{
    TStringList out;
    for (const Section& section : sections_) {
        out.Add("[" + std::string(section.Name) + "]");
        for (const Line& line : section.Lines)
            out.Add(line.IsKey ? std::string(line.Key) + "=" + std::string(line.Value) : std::string(line.Value));
        out.Add("");
    }
    return out.Text();
}

const TMemIniFile::Section* TMemIniFile::Find(std::string_view name) const
{
    // Readers take a section's keys one after another: remember the last one found.
    if (lastSection_ && SameText(lastSection_->Name, name)) return lastSection_;
    const uint32_t hash = NameHash(name);
    for (const Section& section : sections_)
        if (section.Hash == hash && SameText(section.Name, name)) return lastSection_ = &section;
    return nullptr;
}

TMemIniFile::Section& TMemIniFile::FindOrAdd(std::string_view name)
{
    if (const Section* found = Find(name)) return const_cast<Section&>(*found);
    sections_.push_back({Keep(name), {}, NameHash(name)});
    sections_.back().Lines.reserve(16); // skin sections hold a few dozen keys
    lastSection_ = nullptr; // the vector may have moved
    return sections_.back();
}

const TMemIniFile::Line* TMemIniFile::FindKey(std::string_view section, std::string_view key) const
{
    const Section* found = Find(section);
    if (!found) return nullptr;
    const uint32_t hash = NameHash(key);
    const std::vector<Line>& lines = found->Lines;
    const size_t start = found->MayRepeatKeys || found->NextLine >= lines.size() ? 0 : found->NextLine;
    for (size_t n = 0, i = start; n < lines.size(); ++n, i = i + 1 == lines.size() ? 0 : i + 1) {
        const Line& line = lines[i];
        if (line.IsKey && line.Hash == hash && SameText(line.Key, key)) {
            found->NextLine = i + 1;
            return &line;
        }
    }
    return nullptr;
}

bool TMemIniFile::SectionExists(std::string_view section) const { return Find(section) != nullptr; }

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return FindKey(section, key) != nullptr;
}

std::vector<std::string> TMemIniFile::SectionNames() const
{
    std::vector<std::string> names;
    for (const Section& section : sections_) names.emplace_back(section.Name);
    return names;
}

std::vector<std::string> TMemIniFile::SectionKeys(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* found = Find(section))
        for (const Line& line : found->Lines)
            if (line.IsKey) keys.emplace_back(line.Key);
    return keys;
}

std::optional<std::string_view> TMemIniFile::Value(std::string_view section, std::string_view key) const
{
    const Line* line = FindKey(section, key);
    if (!line) return std::nullopt;
    return line->Value;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const Line* line = FindKey(section, key);
    return std::string(line ? line->Value : fallback);
}

int32_t TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const
{
    const Line* line = FindKey(section, key);
    if (!line) return fallback;
    return ParseInteger(line->Value).value_or(fallback);
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    const Line* line = FindKey(section, key);
    if (!line) return fallback;
    return ParseInteger(line->Value) == 1;
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& target = FindOrAdd(section);
    for (Line& line : target.Lines)
        if (line.IsKey && SameText(line.Key, key)) {
            line.Value = Keep(value);
            return;
        }
    target.Lines.push_back({Keep(key), Keep(value), true, NameHash(key)});
}

void TMemIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void TMemIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TMemIniFile::EraseSection(std::string_view section)
{
    std::erase_if(sections_, [&](const Section& s) { return SameText(s.Name, section); });
    lastSection_ = nullptr;
}
