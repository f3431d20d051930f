#pragma once
#include <functional>
#include <string>

#include "skin/SkinValues.h"
#include "ui/Label.h"

class TbsSkinData;

// A hyperlink-style label: underlined text and a hand cursor, another colour (or a
// glow) under the mouse, and, when it has a URL, the shell opens it on a click. It
// binds by name to a plain-label skin definition the way skinned controls do.
class TbsSkinLinkLabel : public Label {
public:
    explicit TbsSkinLinkLabel(ControlHost& parent);

    bool GlowEffect = false;
    int GlowSize = 7; // halo radius, and how far the text moves down with the glow
    bool UseUnderLine() const { return useUnderLine_; }
    void SetUseUnderLine(bool on);
    bool UseSkinFont = true;
    COLORREF DefaultActiveFontColor = RGB(0, 0, 255);
    std::string URL;
    const FontSpec& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const FontSpec& font);

    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data);
    std::string SkinDataName = "stdlabel";
    int SkinControlIndex = -1;
    bool Hovered() const { return hover_; }

    // How a URL is opened; the shell by default, a stand-in in tests.
    std::function<void(const std::string& url)> OpenUrl;

    void MouseEntered() override;
    void MouseLeft() override;

    // GlowEffect, GlowSize, UseUnderLine, UseSkinFont, DefaultActiveFontColor, URL,
    // DefaultFont* (Name, Height, Color, Bold, Underline), SkinData, SkinDataName,
    // and the label's own.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    int DrawCaption(HDC dc, RECT& r, UINT flags) override;
    void Click() override;
    void Notification(TComponent& removed) override;

private:
    void ReadSkinDefinition();

    bool useUnderLine_ = true, hover_ = false;
    FontSpec defaultFont_;
    TbsSkinData* skinData_ = nullptr;
    // The bound definition's values.
    std::string skinFontName_;
    TFontStyles skinFontStyle_ = 0;
    int skinFontHeight_ = 0;
    TColor skinFontColor_ = 0, skinActiveFontColor_ = 0;
};
