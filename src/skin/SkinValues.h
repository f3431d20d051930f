#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"

class TMemIniFile;

// The value forms of skin definitions: rectangles, points, colours, font styles,
// keywords, and their readers and writers over an INI held in memory.

// 00BBGGRR for a plain colour, FF0000nn for system colour nn.
using TColor = int32_t;

using TFontStyles = uint8_t;
namespace FontStyle {
constexpr TFontStyles Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8;
}

enum class TStretchType : uint8_t { Full, Horz, Vert };
enum class TMorphKind : uint8_t { Default, Gradient, LeftGradient, RightGradient, LeftSlide, RightSlide, Push };
enum class TInactiveEffect : uint8_t { Brightness, Darkness, Grayscale, Noise, SplitBlur, Invert };
enum class TAlignment : uint8_t { LeftJustify, RightJustify, Center };
enum class TSkinCommand : uint8_t { Close, Maximize, Minimize, SysMenu, Default, RollUp, MinimizeToTray };

// A keyword form: its words by value, the word an absent key stands for, and the
// value every other word reads as. Words compare exactly.
struct KeywordTable {
    std::span<const std::string_view> Words;
    uint8_t Default;
    uint8_t Other;
};
template <typename Keyword> const KeywordTable& KeywordsOf();
template <> const KeywordTable& KeywordsOf<TStretchType>();
template <> const KeywordTable& KeywordsOf<TMorphKind>();
template <> const KeywordTable& KeywordsOf<TInactiveEffect>();
template <> const KeywordTable& KeywordsOf<TAlignment>();
template <> const KeywordTable& KeywordsOf<TSkinCommand>();

uint8_t ReadKeyword(const TMemIniFile& ini, std::string_view section, std::string_view key, const KeywordTable& table);
void WriteKeyword(TMemIniFile& ini, std::string_view section, std::string_view key, uint8_t value,
                  const KeywordTable& table);

template <typename Keyword>
Keyword ReadKeyword(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return static_cast<Keyword>(ReadKeyword(ini, section, key, KeywordsOf<Keyword>()));
}
inline TStretchType ReadStretchType(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ReadKeyword<TStretchType>(ini, section, key);
}
inline TMorphKind ReadMorphKind(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ReadKeyword<TMorphKind>(ini, section, key);
}
inline TInactiveEffect ReadInactiveEffect(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ReadKeyword<TInactiveEffect>(ini, section, key);
}
inline TAlignment ReadAlignment(const TMemIniFile& ini, std::string_view section, std::string_view key)
{
    return ReadKeyword<TAlignment>(ini, section, key);
}

// Fields are the digits between commas; every other character, a minus sign too, is
// dropped. A field without digits (or a missing one) raises EConvertError; fields
// beyond the form's count are ignored.
TRect ReadRect(const TMemIniFile& ini, std::string_view section, std::string_view key);
TPoint ReadPoint(const TMemIniFile& ini, std::string_view section, std::string_view key);
void WriteRect(TMemIniFile& ini, std::string_view section, std::string_view key, const TRect& value);
void WritePoint(TMemIniFile& ini, std::string_view section, std::string_view key, const TPoint& value);

// True only for the integer 1; written "1" or "0".
bool ReadBoolean(const TMemIniFile& ini, std::string_view section, std::string_view key);
void WriteBoolean(TMemIniFile& ini, std::string_view section, std::string_view key, bool value);

// The words "fsbold", "fsitalic", "fsunderline", "fsstrikeout" anywhere in the value.
TFontStyles ReadFontStyle(const TMemIniFile& ini, std::string_view section, std::string_view key);
void WriteFontStyle(TMemIniFile& ini, std::string_view section, std::string_view key, TFontStyles value);

// Counts above this are taken as this: a damaged count must not keep a load busy for
// billions of lookups. Real skins have a few dozen entries.
constexpr int32_t MaxListCount = 65536;

// "<name>count", then the keys "0" … count − 1.
std::vector<std::string> ReadStringList(const TMemIniFile& ini, std::string_view section, std::string_view name);
void WriteStringList(TMemIniFile& ini, std::string_view section, std::string_view name,
                     const std::vector<std::string>& values);
