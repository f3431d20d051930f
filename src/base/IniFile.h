#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Exception.h"

// An INI text held in memory. Lines are trimmed; empty lines and ";" lines are
// skipped; "[name]" opens a section; other lines split at their first "=" into a
// trimmed key and value (a line without "=" is kept but is no key). Lines before the
// first section are ignored. Sections and keys match without regard to letter case.
class TMemIniFile {
public:
    TMemIniFile() = default;
    explicit TMemIniFile(std::string_view text) { SetText(text); }
    TMemIniFile(const TMemIniFile& other) { SetText(other.Text()); }
    TMemIniFile& operator=(const TMemIniFile& other)
    {
        if (this != &other) SetText(other.Text());
        return *this;
    }

    void SetText(std::string_view text);
    std::string Text() const; // sections and their lines, CR LF separated

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> SectionKeys(std::string_view section) const;

    // The value of a present key, valid until the next change; none when absent.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    // A present key gives its value, even an empty one; an absent key the default.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Decimal with optional sign, or hexadecimal after "$", "0x" or "0X"; anything
    // else (a word, an empty value, an overflow) gives the default.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    // True only for the integer 1.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void EraseSection(std::string_view section);

private:
    // Names carry a hash of their lower-case form, so a lookup compares numbers first.
    // Names and values are views into store_, which holds the text once and every
    // string written since: reading a definition allocates nothing per line.
    struct Line {
        std::string_view Key;   // empty for a line without "="
        std::string_view Value; // the value, or the whole line when it is no key
        bool IsKey;
        uint32_t Hash;
    };
    struct Section {
        std::string_view Name;
        std::vector<Line> Lines;
        uint32_t Hash;
        // Readers take keys roughly in file order: a search starts after the last
        // key found, unless a repeated key makes "the first one" matter.
        bool MayRepeatKeys = false;
        mutable size_t NextLine = 0;
    };
    const Section* Find(std::string_view name) const;
    Section& FindOrAdd(std::string_view name);
    const Line* FindKey(std::string_view section, std::string_view key) const;
    std::string_view Keep(std::string_view text) { return store_.emplace_back(text); }

    std::deque<std::string> store_;
    std::vector<Section> sections_;
    mutable const Section* lastSection_ = nullptr;
};

// The integer syntax of INI values and skin definitions.
std::optional<int32_t> ParseInteger(std::string_view text);

// A conversion that must succeed: "'<text>' is not a valid integer value" otherwise.
class EConvertError : public Exception {
    using Exception::Exception;
};
int32_t StrToInt(std::string_view text);
