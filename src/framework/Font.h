#pragma once
#include <string>

#include "framework/Handles.h"

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
};

GdiObject CreateFontFrom(const FontSpec& style);
