#include "ui/Label.h"

#include "base/WinStrings.h"
#include "ui/DcScopes.h"
#include "ui/PropertyReader.h"

Label::Label(ControlHost& parent) : GraphicControl(parent) {}

void Label::SetCaption(std::string_view caption)
{
    if (caption_ == caption) return;
    caption_ = caption;
    AdjustBounds();
    Invalidate();
}

void Label::SetFont(const FontSpec& style)
{
    style_ = style;
    AdjustBounds();
    Invalidate();
}

void Label::SetShowAccelChar(bool on)
{
    showAccelChar_ = on;
    AdjustBounds();
    Invalidate();
}

void Label::SetWordWrap(bool on)
{
    wordWrap_ = on;
    AdjustBounds();
    Invalidate();
}

void Label::SetAutoSize(bool on)
{
    autoSize_ = on;
    AdjustBounds();
}

UINT Label::TextFlags() const
{
    return alignment_ | DT_TOP | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE) | (showAccelChar_ ? 0 : DT_NOPREFIX);
}

void Label::AdjustBounds()
{
    if (!autoSize_ || IsLoading()) return;
    const WindowDC screen(nullptr);
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    DrawCaption(screen.Get(), r, TextFlags() | DT_CALCRECT);
    SetSize(r.right - r.left, r.bottom - r.top);
}

int Label::DrawCaption(HDC dc, RECT& r, UINT flags)
{
    SelectedObject font(dc, CaptionFont(style_));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, style_.Color);
    const std::wstring text = ToWide(caption_);
    return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
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
        BrushHandle brush(CreateSolidBrush(color_));
        FillRect(dc, &r, brush.Get());
    }
    DrawCaption(dc, r, TextFlags());
}

void Label::PaintFocusMark(HDC dc) const
{
    RECT r = Bounds();
    InflateRect(&r, 2, 1);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &r);
}

bool Label::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    const std::string& name = property.Name;
    FontSpec font = style_;
    if (name == "Caption") SetCaption(loader.String(property));
    else if (SetFontProperty(font, "Font", property, loader)) SetFont(font);
    else if (name == "ShowAccelChar") SetShowAccelChar(loader.Boolean(property));
    else if (name == "WordWrap") SetWordWrap(loader.Boolean(property));
    else if (name == "AutoSize") SetAutoSize(loader.Boolean(property));
    else if (name == "Color") SetOpaque(ColorOf(loader.Integer(property)));
    else if (name == "Transparent") loader.Boolean(property) ? SetTransparent() : SetOpaque(color_);
    else if (name == "Alignment") {
        const std::string a = loader.Identifier(property);
        if (a != "left" && a != "center" && a != "right") loader.Fail(property, "Alignment is left, center or right");
        SetAlignment(a == "left" ? DT_LEFT : a == "center" ? DT_CENTER : DT_RIGHT);
    } else return GraphicControl::SetProperty(property, loader);
    return true;
}
