#include "skin/SkinValues.h"

#include <algorithm>
#include <climits>

#include "base/IniFile.h"

namespace {

constexpr std::string_view StretchWords[] = {"stfull", "sthorz", "stvert"};
constexpr std::string_view MorphWords[] = {"mkdefault",     "mkgradient",  "mkleftgradient", "mkrightgradient",
                                           "mkleftslide",   "mkrightslide", "mkpush"};
constexpr std::string_view InactiveEffectWords[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                                    "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::string_view AlignmentWords[] = {"taleftjustify", "tarightjustify", "tacenter"};
constexpr std::string_view CommandWords[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                             "cmdefault", "cmrollup",   "cmminimizetotray"};

constexpr std::string_view StyleWords[] = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};

// The digit walk shared by rectangles and points: each field keeps only its digits.
template <size_t N>
std::array<int32_t, N> ReadFields(const TMemIniFile& ini, std::string_view section, std::string_view key,
                                  std::string_view fallback)
{
    const std::string_view value = ini.Value(section, key).value_or(fallback);
    std::array<int64_t, N> numbers{};
    std::array<int, N> digits{};
    size_t field = 0;
    for (char c : value) {
        if (c == ',') {
            ++field;
        } else if (c >= '0' && c <= '9' && field < N && ++digits[field] <= 10) {
            numbers[field] = numbers[field] * 10 + (c - '0');
        }
    }
    std::array<int32_t, N> result{};
    for (size_t i = 0; i < N; ++i) {
        if (digits[i] == 0 || numbers[i] > INT32_MAX || digits[i] > 10) {
            // The conversion error names the field's digits as they stand.
            std::string text;
            size_t at = 0;
            for (char c : value) {
                if (c == ',') ++at;
                else if (c >= '0' && c <= '9' && at == i) text += c;
            }
            result[i] = StrToInt(text);
        } else {
            result[i] = static_cast<int32_t>(numbers[i]);
        }
    }
    return result;
}

} // namespace

#define KEYWORDS(Type, words, fallback, other)                                                    \
    template <> const KeywordTable& KeywordsOf<Type>()                                           \
    {                                                                                             \
        static const KeywordTable table{words, static_cast<uint8_t>(fallback), static_cast<uint8_t>(other)}; \
        return table;                                                                             \
    }
KEYWORDS(TStretchType, StretchWords, TStretchType::Full, TStretchType::Horz)
KEYWORDS(TMorphKind, MorphWords, TMorphKind::Default, TMorphKind::Default)
KEYWORDS(TInactiveEffect, InactiveEffectWords, TInactiveEffect::Brightness, TInactiveEffect::Grayscale)
KEYWORDS(TAlignment, AlignmentWords, TAlignment::Center, TAlignment::RightJustify)
KEYWORDS(TSkinCommand, CommandWords, TSkinCommand::Default, TSkinCommand::MinimizeToTray)
#undef KEYWORDS

uint8_t ReadKeyword(const TMemIniFile& ini, std::string_view section, std::string_view key, const KeywordTable& table)
{
    const std::string word = ini.ReadString(section, key, table.Words[table.Default]);
    const auto found = std::ranges::find(table.Words, std::string_view(word));
    return found == table.Words.end() ? table.Other : static_cast<uint8_t>(found - table.Words.begin());
}

void WriteKeyword(TMemIniFile& ini, std::string_view section, std::string_view key, uint8_t value,
                  const KeywordTable& table)
{
    ini.WriteString(section, key, table.Words[value < table.Words.size() ? value : table.Other]);
}

TRect ReadRect(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    const auto f = ReadFields<4>(ini, section, key, "0,0,0,0");
    return {f[0], f[1], f[2], f[3]};
}

TPoint ReadPoint(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    const auto f = ReadFields<2>(ini, section, key, "0,0");
    return {f[0], f[1]};
}

void WriteRect(TMemIniFile& ini, std::string_view section, std::string_view key, const TRect& value)
{
    ini.WriteString(section, key,
                    std::to_string(value.Left) + "," + std::to_string(value.Top) + "," + std::to_string(value.Right) +
                        "," + std::to_string(value.Bottom));
}

void WritePoint(TMemIniFile& ini, std::string_view section, std::string_view key, const TPoint& value)
{
    ini.WriteString(section, key, std::to_string(value.X) + "," + std::to_string(value.Y));
}

bool ReadBoolean(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ini.ReadInteger(section, key, 0) == 1;
}

void WriteBoolean(TMemIniFile& ini, std::string_view section, std::string_view key, bool value)
{
    ini.WriteString(section, key, value ? "1" : "0");
}

TFontStyles ReadFontStyle(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    const std::string value = ini.ReadString(section, key, "");
    TFontStyles styles = 0;
    for (size_t i = 0; i < std::size(StyleWords); ++i)
        if (value.find(StyleWords[i]) != std::string::npos) styles |= static_cast<TFontStyles>(1u << i);
    return styles;
}

void WriteFontStyle(TMemIniFile& ini, std::string_view section, std::string_view key, TFontStyles value)
{
    std::string text;
    for (size_t i = 0; i < std::size(StyleWords); ++i)
        if (value & (1u << i)) {
            if (!text.empty()) text += ',';
            text += StyleWords[i];
        }
    ini.WriteString(section, key, text);
}

std::vector<std::string> ReadStringList(const TMemIniFile& ini, std::string_view section, std::string_view name)
{
    const int32_t count = std::min(ini.ReadInteger(section, std::string(name) + "count", 0), MaxListCount);
    std::vector<std::string> values;
    for (int32_t i = 0; i < count; ++i) values.push_back(ini.ReadString(section, std::to_string(i), ""));
    return values;
}

void WriteStringList(TMemIniFile& ini, std::string_view section, std::string_view name,
                     const std::vector<std::string>& values)
{
    ini.WriteInteger(section, std::string(name) + "count", static_cast<int32_t>(values.size()));
    for (size_t i = 0; i < values.size(); ++i) ini.WriteString(section, std::to_string(i), values[i]);
}
