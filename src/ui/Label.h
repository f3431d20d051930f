#pragma once
#include <string>

#include "ui/Font.h"
#include "ui/GraphicControl.h"

// A line of text of fixed size, drawn straight onto its page's background unless it
// is given a colour of its own.
class Label : public GraphicControl {
public:
    explicit Label(ControlHost& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    const FontSpec& Font() const { return style_; }
    void SetFont(const FontSpec& style);
    // Transparent by default; an opaque label fills its bounds with the colour.
    void SetOpaque(COLORREF color);
    void SetTransparent();
    void SetAlignment(UINT alignment); // DT_LEFT, DT_CENTER or DT_RIGHT
    // "&" marks the next character as the accelerator (and "&&" is a plain "&");
    // off, the caption is drawn as it stands.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // On, the label takes the size its caption measures.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);

    void Paint(HDC dc) override;
    std::string SpokenName() const override { return AccessibleName.empty() ? caption_ : AccessibleName; }
    // The system's dotted focus rectangle around the text, as links have it.
    void PaintFocusMark(HDC dc) const override;
    // Caption, FontName, FontHeight, FontColor, FontBold, FontUnderline, Color,
    // Transparent, Alignment (left, center, right), ShowAccelChar, WordWrap, AutoSize,
    // and the graphic control's own.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;
    void Loaded() override { AdjustBounds(); }

protected:
    // Draws the caption into r with the DrawText flags, or with DT_CALCRECT measures it
    // into r; the text height.
    virtual int DrawCaption(HDC dc, RECT& r, UINT flags);
    UINT TextFlags() const;
    // Makes the label the size its caption measures, when AutoSize is on. Not while
    // the page is read: every font and caption property would measure once more, each
    // a font lookup, and only the last measure stays.
    void AdjustBounds();
    HFONT CaptionFont(const FontSpec& style) { return fonts_.Get(style); }

private:
    std::string caption_;
    FontSpec style_;
    FontCache fonts_;
    bool showAccelChar_ = false, wordWrap_ = false, autoSize_ = false;
    bool transparent_ = true;
    COLORREF color_ = 0;
    UINT alignment_ = DT_LEFT;
};
