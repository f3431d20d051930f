#pragma once
#include "skin/SkinDefinition.h"

// The fixed sections of a skin: how a skinned window, its popups and hints are cut
// from the pictures, and the skin's eight colours.

// [FORMINFO]
class TbsSkinFormInfo : public TbsSkinDefinition {
public:
    TbsSkinFormInfo() : TbsSkinDefinition("FORMINFO") {}
    void Keys(SkinKeys& keys) override;
    // Fits the mask and hit-test geometry to the client rectangle once read; maskName
    // is the skin's mask picture name.
    void Adjust(const std::string& maskName);

    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    TRect ClientRect;
    int32_t BGPictureIndex = -1, MDIBGPictureIndex = -1;
    bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TStretchType StretchType = TStretchType::Full;
    bool MDIBGStretchEffect = false;
    TStretchType MDIBGStretchType = TStretchType::Full;
    TRect MaskRectArea;
    TPoint HitTestLeftTopPoint, HitTestRightTopPoint, HitTestLeftBottomPoint, HitTestRightBottomPoint;
    TRect ButtonsRect, CaptionRect;
    int32_t ButtonsOffset = 0;
    bool ButtonsInLeft = false, MainMenuPopupUp = false;
    int32_t BorderWidth = 0, FormMinWidth = 0;
    bool MDITabsTransparent = false, MainMenuBarTransparent = false, AutoRenderingInActiveImage = false;
    TInactiveEffect InActiveEffect = TInactiveEffect::Brightness;
};

// Shared by the popup and hint window definitions.
class TbsSkinWindowDefinition : public TbsSkinDefinition {
public:
    using TbsSkinDefinition::TbsSkinDefinition;
    void Keys(SkinKeys& keys) override;

    int32_t WindowPictureIndex = -1, MaskPictureIndex = -1;
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TStretchType StretchType = TStretchType::Full;

protected:
    void PictureKeys(SkinKeys& keys);
    void StretchKeys(SkinKeys& keys);
};

// [POPUPWINDOW]
class TbsDataSkinPopupWindow : public TbsSkinWindowDefinition {
public:
    TbsDataSkinPopupWindow() : TbsSkinWindowDefinition("POPUPWINDOW") {}
    void Keys(SkinKeys& keys) override;
    TRect ItemsRect;
    TColor ScrollMarkerColor = 0, ScrollMarkerActiveColor = 0;
};

// [HINTWINDOW]
class TbsDataSkinHintWindow : public TbsSkinWindowDefinition {
public:
    TbsDataSkinHintWindow() : TbsSkinWindowDefinition("HINTWINDOW") {}
    void Keys(SkinKeys& keys) override;
    TRect ClientRect;
    TbsFontGroup Font;
};

// [SKINCOLORS]: by default the system colours (FF0000nn, nn the system colour number).
class TbsSkinColors : public TbsSkinDefinition {
public:
    TbsSkinColors() : TbsSkinDefinition("SKINCOLORS") { SetDefault(); }
    void Keys(SkinKeys& keys) override;
    void SetDefault();

    TColor BtnFace = 0, BtnText = 0, Window = 0, WindowText = 0, Highlight = 0, HighlightText = 0, BtnHighlight = 0, BtnShadow = 0;
};
