#pragma once
#include <string>

#include "ui/GdiObjects.h"

// A GDI font described by face name and pixel height.
struct FontSpec {
    std::string Name = "Microsoft YaHei";
    int Height = 12; // pixels
    bool Bold = false;
    bool Underline = false;
    bool Italic = false;
    bool StrikeOut = false;
    COLORREF Color = RGB(0, 0, 0);
    BYTE Charset = DEFAULT_CHARSET;
    bool operator==(const FontSpec&) const = default;
};

// One GDI font kept for as long as the wanted description stays the same, so a control
// that paints often does not make a font every time.
class FontCache {
public:
    HFONT Get(const FontSpec& style);

private:
    FontSpec style_;
    FontHandle font_;
};

FontHandle CreateFontFrom(const FontSpec& style);

// A colour as skins and page definitions write it (00BBGGRR, or FF0000nn for system
// colour nn) as a GDI colour.
COLORREF ColorOf(int32_t color);
