#include "ui/Font.h"

#include "base/WinStrings.h"

FontHandle CreateFontFrom(const FontSpec& style)
{
    LOGFONTW lf{};
    lf.lfHeight = -style.Height;
    lf.lfWeight = style.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = style.Underline;
    lf.lfItalic = style.Italic;
    lf.lfStrikeOut = style.StrikeOut;
    lf.lfCharSet = style.Charset;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring name = ToWide(style.Name);
    wcsncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&lf));
}

HFONT FontCache::Get(const FontSpec& style)
{
    if (!font_ || !(style == style_)) {
        font_ = CreateFontFrom(style);
        style_ = style;
    }
    return font_.Get();
}

COLORREF ColorOf(int32_t color)
{
    const auto value = static_cast<uint32_t>(color);
    return (value & 0xFF000000u) == 0xFF000000u ? GetSysColor(static_cast<int>(value & 0xFF)) : value & 0xFFFFFF;
}
