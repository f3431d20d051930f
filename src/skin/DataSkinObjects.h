#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "skin/SkinDefinition.h"

// Definitions of the parts of a skinned window: the entries of [SKINOBJECTS].

class TbsDataSkinObject : public TbsSkinDefinition {
public:
    using TbsSkinDefinition::TbsSkinDefinition;
    void Keys(SkinKeys& keys) override;

    std::string Hint;
    int32_t ActivePictureIndex = -1, ActiveMaskPictureIndex = -1;
    bool SkinRectInAPicture = false;
    TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
    bool Morphing = false;
    TMorphKind MorphKind = TMorphKind::Default;
    int32_t GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int32_t GlowLayerOffsetX = 0, GlowLayerOffsetY = 0, GlowLayerAlphaBlendValue = 255;
};

// Reads "skinrect" only, none of the keys of its base.
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void Keys(SkinKeys& keys) override;
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void Keys(SkinKeys& keys) override;
    TRect DownRect, DisableSkinRect; // the latter's key is "disableskinrsect"
};

// A caption button: its command, and the hint and pictures of its restore state.
class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;
    void Keys(SkinKeys& keys) override;
    void LoadFromIni(const TMemIniFile& ini) override;

    TSkinCommand Command = TSkinCommand::Default;
    std::string RestoreHint;
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void Keys(SkinKeys& keys) override;
    void LoadFromIni(const TMemIniFile& ini) override;

    int32_t CountFrames = 1, TimerInterval = 50;
    bool Cycle = false, ButtonStyle = false;
    TSkinCommand Command = TSkinCommand::Default;
    std::string RestoreHint;
    TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

class TbsDataSkinMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void Keys(SkinKeys& keys) override;
    void LoadFromIni(const TMemIniFile& ini) override;

    TbsFontGroup Font;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0, DividerLeftOffset = 0, DividerRightOffset = 0;
    TColor ActiveFontColor = 0, UnEnabledFontColor = 0;
    int32_t FrameCount = 0, AnimateInterval = 25;
    TColor ImageColor = 0, ActiveImageColor = 0;
    TRect DividerRect, TextRect, ImageRect, AnimateSkinRect;
    TRect CheckImageRect, ActiveCheckImageRect, RadioImageRect, ActiveRadioImageRect;
    TRect ArrowImageRect, ActiveArrowImageRect;
    bool StretchEffect = false, InActiveStretchEffect = false, DividerStretchEffect = false;
    bool InActiveAnimation = false, UseImageColor = false, InActiveTransparent = false;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void Keys(SkinKeys& keys) override;

    TbsFontGroup Font;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TColor ActiveFontColor = 0, DownFontColor = 0, UnEnabledFontColor = 0; // "unenabledfontColor"
    int32_t FrameCount = 0, AnimateInterval = 25;
    TRect DownRect, TextRect, AnimateSkinRect;
    bool StretchEffect = false, InActiveAnimation = false;
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

class TbsDataSkinCaption : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void Keys(SkinKeys& keys) override;

    TbsFontGroup Font;
    TRect TextRect, FrameRect, ActiveFrameRect, FrameTextRect, AnimateSkinRect;
    TColor ActiveFontColor = 0, LightColor = 0, ActiveLightColor = 0, ShadowColor = 0, ActiveShadowColor = 0;
    int32_t FrameLeftOffset = 0, FrameRightOffset = 0, FrameCount = 0, AnimateInterval = 25;
    int32_t GlowSize = 3;
    TColor GlowColor = 0, GlowActiveColor = 0;
    int32_t GlowOffset = 0;
    TColor ReflactionColor = 0, ReflactionActiveColor = 0; // keys spelt so
    int32_t ReflectionOffset = 0;
    TAlignment Alignment = TAlignment::Center;
    bool Light = false, Shadow = false, StretchEffect = false, InActiveAnimation = false, FullFrame = false;
    bool VistaGlowEffect = false, VistaGlowInActiveEffect = false, GlowEffect = false, GlowInActiveEffect = false;
    bool ReflectionEffect = false;
};

// The class a [SKINOBJECTS] type keyword names (compared exactly), or none.
std::unique_ptr<TbsDataSkinObject> CreateSkinObject(std::string_view keyword, std::string sectionName);
