#pragma once
#include <string>

#include "framework/Font.h"
#include "framework/GraphicControl.h"

// A line of text of fixed size, drawn straight onto its page's background unless it
// is given a colour of its own.
class Label : public GraphicControl {
public:
    explicit Label(Page& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    const FontSpec& Font() const { return style_; }
    void SetFont(const FontSpec& style);
    // Transparent by default; an opaque label fills its bounds with the colour.
    void SetOpaque(COLORREF color);
    void SetTransparent();
    void SetAlignment(UINT alignment); // DT_LEFT, DT_CENTER or DT_RIGHT

    void Paint(HDC dc) override;
    // Caption, FontName, FontHeight, FontColor, FontBold, Color, Transparent,
    // Alignment (left, center, right), and the graphic control's own.
    bool SetProperty(const PageProperty& property, PageLoader& loader) override;

private:
    std::string caption_;
    FontSpec style_;
    GdiObject font_;
    bool transparent_ = true;
    COLORREF color_ = 0;
    UINT alignment_ = DT_LEFT;
};
