#include "framework/Label.h"

#include "framework/WinStrings.h"

Label::Label(Page& parent) : GraphicControl(parent), font_(CreateFontFrom(spec_)) {}

void Label::SetCaption(std::string_view caption)
{
    if (caption_ == caption) return;
    caption_ = caption;
    Invalidate();
}

void Label::SetFont(const FontSpec& spec)
{
    spec_ = spec;
    font_ = CreateFontFrom(spec_);
    Invalidate();
}

void Label::Paint(HDC dc)
{
    HGDIOBJ old = SelectObject(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, spec_.Color);
    RECT r{0, 0, Width(), Height()};
    const std::wstring text = ToWide(caption_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(dc, old);
}
