#include "skin/DataSkinObjects.h"

namespace {

// A caption button with an empty restore hint shows "Restore" once it has done what
// its hint announces.
std::string RestoreHintFor(const std::string& hint, TSkinCommand command)
{
    if ((hint == "Maximize" && command == TSkinCommand::Maximize) ||
        (hint == "Minimize" && command == TSkinCommand::Minimize) ||
        ((hint == "RollUp" || hint == "Roll Up") && command == TSkinCommand::RollUp))
        return "Restore";
    return {};
}

void RestoreRects(SkinKeys& k, TRect& normal, TRect& active, TRect& down, TRect& inactive)
{
    k.Rect("restorerect", normal);
    k.Rect("restoreactiverect", active);
    k.Rect("restoredownrect", down);
    k.Rect("restoreinactiverect", inactive);
}

} // namespace

void TbsDataSkinObject::Keys(SkinKeys& k)
{
    k.String("hint", Hint);
    k.Integer("activepictureindex", ActivePictureIndex, -1);
    k.Integer("activemaskpictureindex", ActiveMaskPictureIndex, -1);
    k.Boolean("skinrectinapicture", SkinRectInAPicture);
    k.Rect("skinrect", SkinRect);
    k.Rect("activeskinrect", ActiveSkinRect);
    k.Rect("inactiveskinrect", InActiveSkinRect);
    k.Boolean("morphing", Morphing);
    k.Keyword("morphkind", MorphKind);
    k.Integer("glowlayerpictureindex", GlowLayerPictureIndex, -1);
    k.Integer("glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    k.Integer("glowlayeroffsetx", GlowLayerOffsetX);
    k.Integer("glowlayeroffsety", GlowLayerOffsetY);
    k.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TbsDataUserObject::Keys(SkinKeys& k) { k.Rect("skinrect", SkinRect); }

void TbsDataSkinButton::Keys(SkinKeys& k)
{
    TbsDataSkinObject::Keys(k);
    k.Rect("downrect", DownRect);
    k.Rect("disableskinrsect", DisableSkinRect);
}

void TbsDataSkinStdButton::Keys(SkinKeys& k)
{
    TbsDataSkinButton::Keys(k);
    k.Keyword("command", Command);
    k.String("restorehint", RestoreHint);
    RestoreRects(k, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect);
}

void TbsDataSkinStdButton::LoadFromIni(const TMemIniFile& ini)
{
    TbsDataSkinButton::LoadFromIni(ini);
    if (RestoreHint.empty()) RestoreHint = RestoreHintFor(Hint, Command);
}

void TbsDataSkinAnimate::Keys(SkinKeys& k)
{
    TbsDataSkinObject::Keys(k);
    k.Integer("countframes", CountFrames, 1);
    k.Integer("timerinterval", TimerInterval, 50);
    k.Boolean("cycle", Cycle);
    k.Boolean("buttonstyle", ButtonStyle);
    k.Keyword("command", Command);
    k.String("restorehint", RestoreHint);
    k.Rect("downskinrect", DownSkinRect);
    RestoreRects(k, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect);
}

void TbsDataSkinAnimate::LoadFromIni(const TMemIniFile& ini)
{
    TbsDataSkinObject::LoadFromIni(ini);
    Morphing = false; // animations never morph, whatever the section says
    if (RestoreHint.empty()) RestoreHint = RestoreHintFor(Hint, Command);
}

void TbsDataSkinMenuItem::Keys(SkinKeys& k)
{
    TbsDataSkinObject::Keys(k);
    FontKeys(k, Font);
    k.Integer("itemleftoffset", ItemLeftOffset);
    k.Integer("itemrightoffset", ItemRightOffset);
    k.Integer("dividerleftoffset", DividerLeftOffset);
    k.Integer("dividerrightoffset", DividerRightOffset);
    k.Integer("activefontcolor", ActiveFontColor);
    k.Integer("unenabledfontcolor", UnEnabledFontColor);
    k.Integer("framecount", FrameCount);
    k.Integer("animateinterval", AnimateInterval, 25);
    k.Integer("imagecolor", ImageColor);
    k.Integer("activeimagecolor", ActiveImageColor);
    k.Rect("dividerrect", DividerRect);
    k.Rect("textrect", TextRect);
    k.Rect("imagerect", ImageRect);
    k.Rect("animateskinrect", AnimateSkinRect);
    k.Rect("checkimagerect", CheckImageRect);
    k.Rect("activecheckimagerect", ActiveCheckImageRect);
    k.Rect("radioimagerect", RadioImageRect);
    k.Rect("activeradioimagerect", ActiveRadioImageRect);
    k.Rect("arrowimagerect", ArrowImageRect);
    k.Rect("activearrowimagerect", ActiveArrowImageRect);
    k.Boolean("stretcheffect", StretchEffect);
    k.Boolean("inactivestretcheffect", InActiveStretchEffect);
    k.Boolean("dividerstretcheffect", DividerStretchEffect);
    k.Boolean("inactiveanimation", InActiveAnimation);
    k.Boolean("useimagecolor", UseImageColor);
    k.Boolean("inactivetransparent", InActiveTransparent);
}

void TbsDataSkinMenuItem::LoadFromIni(const TMemIniFile& ini)
{
    TbsDataSkinObject::LoadFromIni(ini);
    if (ActiveCheckImageRect.IsEmpty()) ActiveCheckImageRect = CheckImageRect;
    if (ActiveRadioImageRect.IsEmpty()) ActiveRadioImageRect = RadioImageRect;
    if (ActiveArrowImageRect.IsEmpty()) ActiveArrowImageRect = ArrowImageRect;
}

void TbsDataSkinMainMenuItem::Keys(SkinKeys& k)
{
    TbsDataSkinObject::Keys(k);
    FontKeys(k, Font);
    k.Integer("itemleftoffset", ItemLeftOffset);
    k.Integer("itemrightoffset", ItemRightOffset);
    k.Integer("activefontcolor", ActiveFontColor);
    k.Integer("downfontcolor", DownFontColor);
    k.Integer("unenabledfontColor", UnEnabledFontColor);
    k.Integer("framecount", FrameCount);
    k.Integer("animateinterval", AnimateInterval, 25);
    k.Rect("downrect", DownRect);
    k.Rect("textrect", TextRect);
    k.Rect("animateskinrect", AnimateSkinRect);
    k.Boolean("stretcheffect", StretchEffect);
    k.Boolean("inactiveanimation", InActiveAnimation);
}

void TbsDataSkinCaption::Keys(SkinKeys& k)
{
    TbsDataSkinObject::Keys(k);
    FontKeys(k, Font);
    k.Rect("textrect", TextRect);
    k.Rect("framerect", FrameRect);
    k.Rect("activeframerect", ActiveFrameRect);
    k.Rect("frametextrect", FrameTextRect);
    k.Rect("animateskinrect", AnimateSkinRect);
    k.Integer("activefontcolor", ActiveFontColor);
    k.Integer("lightcolor", LightColor);
    k.Integer("activelightcolor", ActiveLightColor);
    k.Integer("shadowcolor", ShadowColor);
    k.Integer("activeshadowcolor", ActiveShadowColor);
    k.Integer("frameleftoffset", FrameLeftOffset);
    k.Integer("framerightoffset", FrameRightOffset);
    k.Integer("framecount", FrameCount);
    k.Integer("animateinterval", AnimateInterval, 25);
    k.Integer("glowsize", GlowSize, 3);
    k.Integer("glowcolor", GlowColor);
    k.Integer("glowactivecolor", GlowActiveColor);
    k.Integer("glowoffset", GlowOffset);
    k.Integer("reflactioncolor", ReflactionColor);
    k.Integer("reflactionactivecolor", ReflactionActiveColor);
    k.Integer("reflectionoffset", ReflectionOffset);
    k.Keyword("alignment", Alignment);
    k.Boolean("light", Light);
    k.Boolean("shadow", Shadow);
    k.Boolean("stretcheffect", StretchEffect);
    k.Boolean("inactiveanimation", InActiveAnimation);
    k.Boolean("fullframe", FullFrame);
    k.Boolean("vistagloweffect", VistaGlowEffect);
    k.Boolean("vistaglowinactiveeffect", VistaGlowInActiveEffect);
    k.Boolean("gloweffect", GlowEffect);
    k.Boolean("glowinactiveeffect", GlowInActiveEffect);
    k.Boolean("reflectioneffect", ReflectionEffect);
}

std::unique_ptr<TbsDataSkinObject> CreateSkinObject(std::string_view keyword, std::string sectionName)
{
    static constexpr DefinitionClass<TbsDataSkinObject> classes[] = {
        {"userobject", Make<TbsDataSkinObject, TbsDataUserObject>},
        {"button", Make<TbsDataSkinObject, TbsDataSkinButton>},
        {"stdbutton", Make<TbsDataSkinObject, TbsDataSkinStdButton>},
        {"animate", Make<TbsDataSkinObject, TbsDataSkinAnimate>},
        {"mainmenubarbutton", Make<TbsDataSkinObject, TbsDataSkinMainMenuBarButton>},
        {"menuitem", Make<TbsDataSkinObject, TbsDataSkinMenuItem>},
        {"mainmenubaritem", Make<TbsDataSkinObject, TbsDataSkinMainMenuBarItem>},
        {"caption", Make<TbsDataSkinObject, TbsDataSkinCaption>},
    };
    return CreateDefinition<TbsDataSkinObject>(classes, keyword, std::move(sectionName));
}
