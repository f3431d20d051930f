#include "skinctrls/SkinLinkLabel.h"

#include <shellapi.h>

#include "base/Com.h"
#include "base/WinStrings.h"
#include "effects/GlowText.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinControl.h"
#include "ui/Canvas.h"
#include "ui/PropertyReader.h"

TbsSkinLinkLabel::TbsSkinLinkLabel(ControlHost& parent) : Label(parent)
{
    defaultFont_.Name = "Arial";
    defaultFont_.Height = 14;
    defaultFont_.Underline = true;
    SetTransparent();
    SetFont(defaultFont_);
    HandCursor = true;
    Role = AccessibleRole::Link;
    OpenUrl = [](const std::string& url) {
        EnterComApartment(); // the shell may hand the address to an extension
        ShellExecuteW(nullptr, L"open", ToWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
}

void TbsSkinLinkLabel::SetDefaultFont(const FontSpec& font)
{
    defaultFont_ = font;
    AdjustBounds();
    Invalidate();
}

void TbsSkinLinkLabel::SetUseUnderLine(bool on)
{
    if (on == useUnderLine_) return;
    useUnderLine_ = on;
    Invalidate();
}

void TbsSkinLinkLabel::SetSkinData(TbsSkinData* data)
{
    Relink(skinData_, data);
    if (!data) return;
    ReadSkinDefinition();
    Invalidate();
}

void TbsSkinLinkLabel::Notification(TComponent& removed)
{
    if (&removed == skinData_) skinData_ = nullptr;
}

void TbsSkinLinkLabel::ReadSkinDefinition()
{
    SkinControlIndex = !skinData_ || skinData_->Empty() ? -1 : skinData_->GetControlIndex(SkinDataName);
    if (SkinControlIndex == -1) return;
    const auto* d = dynamic_cast<const TbsDataSkinStdLabelControl*>(skinData_->SkinControls[SkinControlIndex].get());
    if (!d) return; // another kind keeps the values it had
    skinFontName_ = d->Font.Name;
    skinFontStyle_ = d->Font.Style;
    skinFontHeight_ = d->Font.Height;
    skinFontColor_ = d->Font.Color;
    skinActiveFontColor_ = d->ActiveFontColor;
}

void TbsSkinLinkLabel::MouseEntered()
{
    Label::MouseEntered();
    hover_ = true;
    Invalidate();
}

void TbsSkinLinkLabel::MouseLeft()
{
    Label::MouseLeft();
    hover_ = false;
    Invalidate();
}

void TbsSkinLinkLabel::Click()
{
    Label::Click();
    if (!URL.empty() && OpenUrl) OpenUrl(URL);
}

int TbsSkinLinkLabel::DrawCaption(HDC dc, RECT& r, UINT flags)
{
    ReadSkinDefinition();
    const bool measuring = (flags & DT_CALCRECT) != 0;
    std::string text = Caption();
    if (measuring && (text.empty() || (ShowAccelChar() && text == "&"))) text += ' ';

    const bool skinned = SkinControlIndex != -1;
    FontSpec font;
    COLORREF glowColor;
    if (!skinned) {
        font = UseSkinFont ? defaultFont_ : Font();
        if (hover_) font.Color = DefaultActiveFontColor;
        font.Underline = true;
        glowColor = DefaultActiveFontColor;
    } else {
        font = UseSkinFont ? SkinFont(Font(), skinFontName_, skinFontHeight_, skinFontStyle_) : Font();
        font.Underline = useUnderLine_;
        font.Color = ColorOf(hover_ && !GlowEffect ? skinActiveFontColor_ : skinFontColor_);
        glowColor = ColorOf(skinActiveFontColor_);
    }
    font.Charset = CaptionCharset(skinData_, defaultFont_.Charset);

    TCanvas canvas(dc);
    if (measuring) {
        canvas.SetFont(font);
        return canvas.DrawText(text, r, flags);
    }
    RECT drawRect = r;
    if (GlowEffect) OffsetRect(&drawRect, 0, GlowSize);
    if (Enabled()) {
        font.Underline = useUnderLine_;
        canvas.SetFont(font);
        if (hover_ && GlowEffect) return DrawGlowText(canvas, drawRect, text, GlowSize, glowColor, 0, flags);
        return canvas.DrawText(text, drawRect, flags);
    }
    const TbsSkinColors* colors = skinned ? &skinData_->SkinColors : nullptr;
    RECT raised = drawRect;
    OffsetRect(&raised, 1, 1);
    font.Color = colors ? ColorOf(colors->BtnHighlight) : GetSysColor(COLOR_BTNHIGHLIGHT);
    canvas.SetFont(font);
    canvas.DrawText(text, raised, flags);
    font.Color = colors ? ColorOf(colors->BtnShadow) : GetSysColor(COLOR_BTNSHADOW);
    canvas.SetFont(font);
    return canvas.DrawText(text, drawRect, flags);
}

bool TbsSkinLinkLabel::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    const std::string& name = property.Name;
    FontSpec font = defaultFont_;
    if (name == "GlowEffect") GlowEffect = loader.Boolean(property);
    else if (name == "GlowSize") GlowSize = loader.Integer(property);
    else if (name == "UseUnderLine") SetUseUnderLine(loader.Boolean(property));
    else if (name == "UseSkinFont") UseSkinFont = loader.Boolean(property);
    else if (name == "DefaultActiveFontColor") DefaultActiveFontColor = ColorOf(loader.Integer(property));
    else if (name == "URL") URL = loader.String(property);
    else if (name == "SkinDataName") SkinDataName = loader.String(property);
    else if (SetFontProperty(font, "DefaultFont", property, loader))
        SetDefaultFont(font);
    else if (name == "SkinData") loader.Reference<TbsSkinData>(property, [this](TbsSkinData* data) { SetSkinData(data); });
    else return Label::SetProperty(property, loader);
    return true;
}
