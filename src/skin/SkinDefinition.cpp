#include "skin/SkinDefinition.h"

#include "base/IniFile.h"

namespace {

class Reader final : public SkinKeys {
public:
    Reader(const TMemIniFile& ini, std::string_view section) : ini_(ini), section_(section) {}
    void Integer(std::string_view key, int32_t& field, int32_t fallback) override
    {
        field = ini_.ReadInteger(section_, key, fallback);
    }
    void Boolean(std::string_view key, bool& field) override { field = ReadBoolean(ini_, section_, key); }
    void String(std::string_view key, std::string& field, std::string_view fallback) override
    {
        field = ini_.ReadString(section_, key, fallback);
    }
    void Rect(std::string_view key, TRect& field) override { field = ReadRect(ini_, section_, key); }
    void Point(std::string_view key, TPoint& field) override { field = ReadPoint(ini_, section_, key); }
    void FontStyle(std::string_view key, TFontStyles& field) override { field = ReadFontStyle(ini_, section_, key); }
    void Keyword(std::string_view key, uint8_t& field, const KeywordTable& table) override
    {
        field = ReadKeyword(ini_, section_, key, table);
    }
    using SkinKeys::Keyword;

private:
    const TMemIniFile& ini_;
    std::string_view section_;
};

class Writer final : public SkinKeys {
public:
    Writer(TMemIniFile& ini, std::string_view section) : ini_(ini), section_(section) {}
    void Integer(std::string_view key, int32_t& field, int32_t) override { ini_.WriteInteger(section_, key, field); }
    void Boolean(std::string_view key, bool& field) override { WriteBoolean(ini_, section_, key, field); }
    void String(std::string_view key, std::string& field, std::string_view) override
    {
        ini_.WriteString(section_, key, field);
    }
    void Rect(std::string_view key, TRect& field) override { WriteRect(ini_, section_, key, field); }
    void Point(std::string_view key, TPoint& field) override { WritePoint(ini_, section_, key, field); }
    void FontStyle(std::string_view key, TFontStyles& field) override { WriteFontStyle(ini_, section_, key, field); }
    void Keyword(std::string_view key, uint8_t& field, const KeywordTable& table) override
    {
        WriteKeyword(ini_, section_, key, field, table);
    }
    using SkinKeys::Keyword;

private:
    TMemIniFile& ini_;
    std::string_view section_;
};

} // namespace

void FontKeys(SkinKeys& keys, TbsFontGroup& font, std::string_view prefix)
{
    // Plain keys go as they are (no string building on the common path); prefixed
    // ones are put together once each.
    std::string names[4];
    auto key = [&](int i, std::string_view name) -> std::string_view {
        if (prefix.empty()) return name;
        return names[i].assign(prefix).append(name);
    };
    keys.String(key(0, "fontname"), font.Name, "Arial");
    keys.Integer(key(1, "fontheight"), font.Height, 14);
    keys.FontStyle(key(2, "fontstyle"), font.Style);
    keys.Integer(key(3, "fontcolor"), font.Color, 0);
}

void TbsSkinDefinition::LoadFromIni(const TMemIniFile& ini)
{
    Reader reader(ini, SectionName);
    Keys(reader);
}

void TbsSkinDefinition::SaveToIni(TMemIniFile& ini)
{
    ini.EraseSection(SectionName);
    Writer writer(ini, SectionName);
    Keys(writer);
}
