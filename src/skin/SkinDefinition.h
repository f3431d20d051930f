#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "skin/SkinValues.h"

class TMemIniFile;

// What a definition class lists: each of its keys, in reading order, with the field
// that holds it and the value an absent key gives. Loading, saving and tests walk
// the same list, so a class's keys are written down once.
class SkinKeys {
public:
    virtual ~SkinKeys() = default;
    // Integers and colours.
    virtual void Integer(std::string_view key, int32_t& field, int32_t fallback = 0) = 0;
    virtual void Boolean(std::string_view key, bool& field) = 0;
    virtual void String(std::string_view key, std::string& field, std::string_view fallback = {}) = 0;
    virtual void Rect(std::string_view key, TRect& field) = 0;
    virtual void Point(std::string_view key, TPoint& field) = 0;
    virtual void FontStyle(std::string_view key, TFontStyles& field) = 0;
    virtual void Keyword(std::string_view key, uint8_t& field, const KeywordTable& table) = 0;

    template <typename E>
    void Keyword(std::string_view key, E& field)
    {
        static_assert(sizeof(E) == 1);
        Keyword(key, reinterpret_cast<uint8_t&>(field), KeywordsOf<E>());
    }
};

// The font group: "<prefix>fontname", "fontheight", "fontstyle", "fontcolor".
struct TbsFontGroup {
    std::string Name = "Arial";
    int32_t Height = 12; // until a load, which gives 14 when the key is absent
    TFontStyles Style = 0;
    TColor Color = 0;
};
void FontKeys(SkinKeys& keys, TbsFontGroup& font, std::string_view prefix = {});

// One named section of a skin definition, read into plain values.
class TbsSkinDefinition {
public:
    explicit TbsSkinDefinition(std::string sectionName) : SectionName(std::move(sectionName)) {}
    virtual ~TbsSkinDefinition() = default;

    std::string SectionName;

    // Reads the section: every listed key, its default when absent. A rectangle or
    // point without digits raises EConvertError.
    virtual void LoadFromIni(const TMemIniFile& ini);
    // Erases the section in ini and writes every listed key in its written form.
    virtual void SaveToIni(TMemIniFile& ini);

    // The class's keys, its bases' first.
    virtual void Keys(SkinKeys& keys) = 0;
};

// A type keyword and the class it creates.
template <typename Base>
struct DefinitionClass {
    std::string_view Keyword;
    std::unique_ptr<Base> (*Create)(std::string sectionName);
};
template <typename Base, typename T>
std::unique_ptr<Base> Make(std::string sectionName)
{
    return std::make_unique<T>(std::move(sectionName));
}
// Keywords compare exactly; an unknown one creates nothing.
template <typename Base>
std::unique_ptr<Base> CreateDefinition(std::span<const DefinitionClass<Base>> classes, std::string_view keyword,
                                       std::string sectionName)
{
    for (const auto& c : classes)
        if (c.Keyword == keyword) return c.Create(std::move(sectionName));
    return nullptr;
}
