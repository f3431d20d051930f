#include "framework/Label.h"

#include "framework/PageLoader.h"
#include "framework/WinStrings.h"

Label::Label(Page& parent) : GraphicControl(parent), font_(CreateFontFrom(style_)) {}

void Label::SetCaption(std::string_view caption)
{
    if (caption_ == caption) return;
    caption_ = caption;
    Invalidate();
}

void Label::SetFont(const FontSpec& style)
{
    style_ = style;
    font_ = CreateFontFrom(style_);
    Invalidate();
}

void Label::SetOpaque(COLORREF color)
{
    transparent_ = false;
    color_ = color;
    Invalidate();
}

void Label::SetTransparent()
{
    transparent_ = true;
    Invalidate();
}

void Label::SetAlignment(UINT alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void Label::Paint(HDC dc)
{
    RECT r{0, 0, Width(), Height()};
    if (!transparent_) {
        GdiObject brush(CreateSolidBrush(color_));
        FillRect(dc, &r, static_cast<HBRUSH>(brush.Get()));
    }
    HGDIOBJ old = SelectObject(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style_.Color);
    const std::wstring text = ToWide(caption_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, alignment_ | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(dc, old);
}

bool Label::SetProperty(const PageProperty& property, PageLoader& loader)
{
    const std::string& name = property.Name;
    FontSpec font = style_;
    if (name == "Caption") {
        SetCaption(loader.String(property));
        return true;
    }
    if (name == "FontName") font.Name = loader.String(property);
    else if (name == "FontHeight") font.Height = loader.Integer(property);
    else if (name == "FontColor") font.Color = static_cast<COLORREF>(loader.Integer(property));
    else if (name == "FontBold") font.Bold = loader.Boolean(property);
    else if (name == "Color") SetOpaque(static_cast<COLORREF>(loader.Integer(property)));
    else if (name == "Transparent") loader.Boolean(property) ? SetTransparent() : SetOpaque(color_);
    else if (name == "Alignment") {
        const std::string a = loader.Identifier(property);
        if (a != "left" && a != "center" && a != "right") loader.Fail(property, "Alignment is left, center or right");
        SetAlignment(a == "left" ? DT_LEFT : a == "center" ? DT_CENTER : DT_RIGHT);
    } else return GraphicControl::SetProperty(property, loader);
    if (name.starts_with("Font")) SetFont(font);
    return true;
}
