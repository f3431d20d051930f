#include "framework/Font.h"

#include "framework/WinStrings.h"

GdiObject CreateFontFrom(const FontSpec& spec)
{
    LOGFONTW lf{};
    lf.lfHeight = -spec.Height;
    lf.lfWeight = spec.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = spec.Underline;
    lf.lfItalic = spec.Italic;
    lf.lfStrikeOut = spec.StrikeOut;
    lf.lfCharSet = spec.Charset;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring name = ToWide(spec.Name);
    wcsncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    return GdiObject(CreateFontIndirectW(&lf));
}
