#include "framework/IniFile.h"

#include <algorithm>
#include <limits>

#include "framework/StringList.h"

namespace {

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
               return lower(x) == lower(y);
           });
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
    TStringList lines;
    lines.SetText(text);
    Section* current = nullptr;
    for (const std::string& raw : lines.Lines) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &FindOrAdd(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        if (!current) continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            current->Lines.push_back({{}, std::string(line), false});
        else
            current->Lines.push_back({std::string(Trim(line.substr(0, equals))),
                                      std::string(Trim(line.substr(equals + 1))), true});
    }
}

std::string TMemIniFile::Text() const
{
    TStringList out;
    for (const Section& section : sections_) {
        out.Add("[" + section.Name + "]");
        for (const Line& line : section.Lines) out.Add(line.IsKey ? line.Key + "=" + line.Value : line.Value);
        out.Add("");
    }
    return out.Text();
}

const TMemIniFile::Section* TMemIniFile::Find(std::string_view name) const
{
    for (const Section& section : sections_)
        if (SameText(section.Name, name)) return &section;
    return nullptr;
}

TMemIniFile::Section& TMemIniFile::FindOrAdd(std::string_view name)
{
    if (const Section* found = Find(name)) return const_cast<Section&>(*found);
    sections_.push_back({std::string(name), {}});
    return sections_.back();
}

const TMemIniFile::Line* TMemIniFile::FindKey(std::string_view section, std::string_view key) const
{
    const Section* found = Find(section);
    if (!found) return nullptr;
    for (const Line& line : found->Lines)
        if (line.IsKey && SameText(line.Key, key)) return &line;
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
    for (const Section& section : sections_) names.push_back(section.Name);
    return names;
}

std::vector<std::string> TMemIniFile::SectionKeys(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* found = Find(section))
        for (const Line& line : found->Lines)
            if (line.IsKey) keys.push_back(line.Key);
    return keys;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const Line* line = FindKey(section, key);
    return line ? line->Value : std::string(fallback);
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
            line.Value = value;
            return;
        }
    target.Lines.push_back({std::string(key), std::string(value), true});
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
}
