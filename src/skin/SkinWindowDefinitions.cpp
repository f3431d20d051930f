#include "skin/SkinWindowDefinitions.h"

#include <algorithm>

#include "base/IniFile.h"

namespace {

void CornerPoints(SkinKeys& k, std::string_view prefix, TPoint& leftTop, TPoint& rightTop, TPoint& leftBottom,
                  TPoint& rightBottom)
{
    const std::string p(prefix);
    k.Point(p + "lefttoppoint", leftTop);
    k.Point(p + "righttoppoint", rightTop);
    k.Point(p + "leftbottompoint", leftBottom);
    k.Point(p + "rightbottompoint", rightBottom);
}

void EdgeStretch(SkinKeys& k, bool& left, bool& right, bool& top, bool& bottom, bool& effect)
{
    k.Boolean("leftstretch", left);
    k.Boolean("rightstretch", right);
    k.Boolean("topstretch", top);
    k.Boolean("bottomstretch", bottom);
    k.Boolean("stretcheffect", effect);
}

// System colour number n as a skin colour value.
constexpr TColor SystemColor(int n) { return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(n)); }

} // namespace

void TbsSkinFormInfo::Keys(SkinKeys& k)
{
    CornerPoints(k, "", LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
    k.Rect("clientrect", ClientRect);
    k.Integer("bgpictureindex", BGPictureIndex, -1);
    k.Integer("mdibgpictureindex", MDIBGPictureIndex, -1);
    EdgeStretch(k, LeftStretch, RightStretch, TopStretch, BottomStretch, StretchEffect);
    k.Keyword("stretchtype", StretchType);
    k.Boolean("mdibgstretcheffect", MDIBGStretchEffect);
    k.Keyword("mdibgstretchtype", MDIBGStretchType);
    k.Rect("maskrectarea", MaskRectArea);
    CornerPoints(k, "hittest", HitTestLeftTopPoint, HitTestRightTopPoint, HitTestLeftBottomPoint,
                 HitTestRightBottomPoint);
    k.Rect("buttonsrect", ButtonsRect);
    k.Rect("captionrect", CaptionRect);
    k.Integer("buttonsoffset", ButtonsOffset);
    k.Boolean("buttonsinleft", ButtonsInLeft);
    k.Boolean("mainmenupopupup", MainMenuPopupUp);
    k.Integer("borderwidth", BorderWidth);
    k.Integer("formminwidth", FormMinWidth);
    k.Boolean("mditabstransparent", MDITabsTransparent);
    k.Boolean("mainmenubartransparent", MainMenuBarTransparent);
    k.Boolean("autorenderinginactiveimage", AutoRenderingInActiveImage);
    k.Keyword("inactiveeffect", InActiveEffect);
}

void TbsSkinFormInfo::Adjust(const std::string& maskName)
{
    const TRect& client = ClientRect;
    if (!maskName.empty()) {
        if (MaskRectArea.IsEmpty()) {
            MaskRectArea = client;
        } else {
            MaskRectArea.Left = std::min(MaskRectArea.Left, client.Left);
            MaskRectArea.Top = std::min(MaskRectArea.Top, client.Top);
            MaskRectArea.Right = std::max(MaskRectArea.Right, client.Right);
            MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, client.Bottom);
        }
        auto fill = [](TPoint& hitTest, const TPoint& corner) {
            if (hitTest.X == 0 || hitTest.Y == 0) hitTest = corner;
        };
        fill(HitTestLeftTopPoint, LeftTopPoint);
        fill(HitTestRightTopPoint, RightTopPoint);
        fill(HitTestLeftBottomPoint, LeftBottomPoint);
        fill(HitTestRightBottomPoint, RightBottomPoint);
    }
    if (RightBottomPoint.X == LeftTopPoint.X || RightBottomPoint.Y == LeftTopPoint.Y) return;
    LeftTopPoint.X = std::max(LeftTopPoint.X, client.Left);
    LeftTopPoint.Y = std::max(LeftTopPoint.Y, client.Top);
    RightTopPoint.X = std::min(RightTopPoint.X, client.Right);
    RightTopPoint.Y = std::max(RightTopPoint.Y, client.Top);
    LeftBottomPoint.X = std::max(LeftBottomPoint.X, client.Left);
    LeftBottomPoint.Y = std::min(LeftBottomPoint.Y, client.Bottom);
    RightBottomPoint.X = std::min(RightBottomPoint.X, client.Right);
    RightBottomPoint.Y = std::min(RightBottomPoint.Y, client.Bottom);
}

void TbsSkinWindowDefinition::PictureKeys(SkinKeys& k)
{
    k.Integer("windowpictureindex", WindowPictureIndex, -1);
    k.Integer("maskpictureindex", MaskPictureIndex, -1);
    CornerPoints(k, "", LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
}

void TbsSkinWindowDefinition::StretchKeys(SkinKeys& k)
{
    EdgeStretch(k, LeftStretch, RightStretch, TopStretch, BottomStretch, StretchEffect);
    k.Keyword("stretchtype", StretchType);
}

void TbsSkinWindowDefinition::Keys(SkinKeys& k)
{
    PictureKeys(k);
    StretchKeys(k);
}

void TbsDataSkinPopupWindow::Keys(SkinKeys& k)
{
    PictureKeys(k);
    k.Rect("itemsrect", ItemsRect);
    k.Integer("scrollmarkercolor", ScrollMarkerColor);
    k.Integer("scrollmarkeractivecolor", ScrollMarkerActiveColor);
    StretchKeys(k);
}

void TbsDataSkinHintWindow::Keys(SkinKeys& k)
{
    PictureKeys(k);
    k.Rect("clientrect", ClientRect);
    FontKeys(k, Font);
    StretchKeys(k);
}

// An absent key gives the default, so an empty definition is the default state.
void TbsSkinColors::SetDefault() { LoadFromIni(TMemIniFile()); }

void TbsSkinColors::Keys(SkinKeys& k)
{
    k.Integer("cbtnface", BtnFace, SystemColor(0x0F));
    k.Integer("cbtntext", BtnText, SystemColor(0x12));
    k.Integer("cwindow", Window, SystemColor(0x05));
    k.Integer("cwindowtext", WindowText, SystemColor(0x08));
    k.Integer("chighlight", Highlight, SystemColor(0x0D));
    k.Integer("chighlighttext", HighlightText, SystemColor(0x0E));
    k.Integer("cbtnhighlight", BtnHighlight, SystemColor(0x14));
    k.Integer("cbtnshadow", BtnShadow, SystemColor(0x10));
}
