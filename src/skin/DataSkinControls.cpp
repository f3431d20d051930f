#include "skin/DataSkinControls.h"


namespace {

void CornerPoints(SkinKeys& k, TPoint& leftTop, TPoint& rightTop, TPoint& leftBottom, TPoint& rightBottom)
{
    k.Point("lefttoppoint", leftTop);
    k.Point("righttoppoint", rightTop);
    k.Point("leftbottompoint", leftBottom);
    k.Point("rightbottompoint", rightBottom);
}

void UpDownButtons(SkinKeys& k, TRect& up, TRect& activeUp, TRect& downUp, TRect& down, TRect& activeDown,
                   TRect& downDown)
{
    k.Rect("upbuttonrect", up);
    k.Rect("activeupbuttonrect", activeUp);
    k.Rect("downupbuttonrect", downUp);
    k.Rect("downbuttonrect", down);
    k.Rect("activedownbuttonrect", activeDown);
    k.Rect("downdownbuttonrect", downDown);
}

} // namespace

void TbsDataSkinControl::Keys(SkinKeys& k)
{
    k.Integer("pictureindex", PictureIndex, -1);
    k.Integer("maskpictureindex", MaskPictureIndex, -1);
    k.Rect("skinrect", SkinRect);
}

void TbsDataSkinCustomControl::Keys(SkinKeys& k)
{
    TbsDataSkinControl::Keys(k);
    CornerPoints(k, LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
    k.Rect("clientrect", ClientRect);
    k.Boolean("leftstretch", LeftStretch);
    k.Boolean("topstretch", TopStretch);
    k.Boolean("rightstretch", RightStretch);
    k.Boolean("bottomstretch", BottomStretch);
    k.Boolean("stretcheffect", StretchEffect);
    k.Keyword("stretchtype", StretchType);
}

void TbsDataSkinCheckRadioControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    k.Integer("activefontcolor", ActiveFontColor);
    k.Integer("unenabledfontcolor", UnEnabledFontColor);
    k.Integer("framefontcolor", FrameFontColor);
    k.Rect("activeskinrect", ActiveSkinRect);
    k.Rect("checkimagearea", CheckImageArea);
    k.Rect("textarea", TextArea);
    k.Rect("checkimagerect", CheckImageRect);
    k.Rect("uncheckimagerect", UnCheckImageRect);
    k.Rect("activecheckimagerect", ActiveCheckImageRect);
    k.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
    k.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
    k.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
    k.Rect("grayedcheckimagerect", GrayedCheckImageRect);
    k.Rect("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
    k.Boolean("morphing", Morphing);
    k.Keyword("morphkind", MorphKind);
}

void TbsDataSkinStdLabelControl::Keys(SkinKeys& k)
{
    TbsDataSkinControl::Keys(k);
    FontKeys(k, Font);
    k.Integer("activefontcolor", ActiveFontColor, 0xFF0000);
}

void TbsDataSkinBevel::Keys(SkinKeys& k)
{
    TbsDataSkinControl::Keys(k);
    k.Integer("lightcolor", LightColor);
    k.Integer("darkcolor", DarkColor);
}

void TbsDataSkinFontBgControl::Keys(SkinKeys& k)
{
    TbsDataSkinControl::Keys(k);
    FontKeys(k, Font);
    k.Integer("bgcolor", BGColor);
}

void TbsDataSkinSlider::Keys(SkinKeys& k)
{
    TbsDataSkinControl::Keys(k);
    k.Integer("bgcolor", BGColor);
    k.Integer("edgesize", EdgeSize);
    k.Integer("pointscolor", PointsColor);
    k.Rect("hrulerrect", HRulerRect);
    k.Rect("hthumbrect", HThumbRect);
    k.Rect("vrulerrect", VRulerRect);
    k.Rect("vthumbrect", VThumbRect);
}

void TbsDataSkinMainMenuBar::Keys(SkinKeys& k)
{
    TbsDataSkinControl::Keys(k);
    k.Rect("itemsrect", ItemsRect);
    k.String("menubaritem", MenuBarItem);
    k.String("closebutton", CloseButton);
    k.String("minbutton", MinButton);
    k.String("maxbutton", MaxButton);
    k.String("sysmenubutton", SysMenuButton);
    k.Integer("trackmarkcolor", TrackMarkColor);
    k.Integer("trackmarkactivecolor", TrackMarkActiveColor);
    k.Boolean("stretcheffect", StretchEffect);
    k.Boolean("itemtransparent", ItemTransparent);
}

void TbsDataSkinTabControl::Keys(SkinKeys& k)
{
    TbsDataSkinControl::Keys(k);
    FontKeys(k, Font);
    k.Rect("tabrect", TabRect);
    k.Rect("activetabrect", ActiveTabRect);
    k.Rect("focustabrect", FocusTabRect);
    k.Rect("mouseintabrect", MouseInTabRect);
    k.Rect("clientrect", ClientRect);
    k.Rect("tabsbgrect", TabsBGRect);
    k.Rect("closebuttonrect", CloseButtonRect);
    k.Rect("closebuttonactiverect", CloseButtonActiveRect);
    k.Rect("closebuttondownrect", CloseButtonDownRect);
    k.Integer("bgpictureindex", BGPictureIndex, -1);
    k.Integer("tableftoffset", TabLeftOffset);
    k.Integer("tabrightoffset", TabRightOffset);
    k.Integer("activefontcolor", ActiveFontColor);
    k.Integer("focusfontcolor", FocusFontColor);
    k.Integer("mouseinfontcolor", MouseInFontColor);
    k.Integer("focusoffsetx", FocusOffsetX);
    k.Integer("focusoffsety", FocusOffsetY);
    k.Integer("buttontransparentcolor", ButtonTransparentColor);
    CornerPoints(k, LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint);
    k.Boolean("tabstretcheffect", TabStretchEffect);
    k.Boolean("leftstretch", LeftStretch);
    k.Boolean("topstretch", TopStretch);
    k.Boolean("rightstretch", RightStretch);
    k.Boolean("bottomstretch", BottomStretch);
    k.Boolean("stretcheffect", StretchEffect);
    k.Boolean("showfocus", ShowFocus);
    k.Boolean("buttontransparent", ButtonTransparent);
    k.Keyword("stretchtype", StretchType);
    k.String("updown", UpDown);
}

void TbsDataSkinGridControl::Keys(SkinKeys& k)
{
    TbsDataSkinControl::Keys(k);
    FontKeys(k, Font);
    FontKeys(k, FixedFont, "fixed");
    k.Rect("fixedcellrect", FixedCellRect);
    k.Rect("selectcellrect", SelectCellRect);
    k.Rect("focuscellrect", FocusCellRect);
    k.Rect("fixedcelltextrect", FixedCellTextRect);
    k.Rect("celltextrect", CellTextRect);
    k.Integer("fixedcellleftoffset", FixedCellLeftOffset);
    k.Integer("fixedcellrightoffset", FixedCellRightOffset);
    k.Integer("cellleftoffset", CellLeftOffset);
    k.Integer("cellrightoffset", CellRightOffset);
    k.Integer("bgpictureindex", BGPictureIndex, -1);
    k.Integer("linescolor", LinesColor);
    k.Integer("bgcolor", BGColor);
    k.Integer("selectfontcolor", SelectFontColor);
    k.Integer("focusfontcolor", FocusFontColor);
    k.Boolean("cellstretcheffect", CellStretchEffect);
    k.Boolean("fixedcellstretcheffect", FixedCellStretchEffect);
    k.Boolean("showfocus", ShowFocus);
}

void TbsDataSkinControlBar::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    k.Rect("itemrect", ItemRect);
    k.Rect("hgriprect", HGripRect);
    k.Rect("vgriprect", VGripRect);
    k.Integer("bgpictureindex", BGPictureIndex, -1);
    k.Integer("gripoffset1", GripOffset1);
    k.Integer("gripoffset2", GripOffset2);
    k.Integer("itemoffset1", ItemOffset1, 3);
    k.Integer("itemoffset2", ItemOffset2, 3);
    k.Integer("itemtransparentcolor", ItemTransparentColor);
    k.Integer("griptransparentcolor", GripTransparentColor);
    k.Boolean("itemstretcheffect", ItemStretchEffect);
    k.Boolean("itemtransparent", ItemTransparent);
    k.Boolean("griptransparent", GripTransparent);
}

void TbsDataSkinUpDownControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    UpDownButtons(k, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
                  DownDownButtonRect);
}

void TbsDataSkinComboBox::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    k.Rect("activeskinrect", ActiveSkinRect);
    k.Rect("itemrect", ItemRect);
    k.Rect("activeitemrect", ActiveItemRect);
    k.Rect("focusitemrect", FocusItemRect);
    k.Rect("itemtextrect", ItemTextRect);
    k.Rect("buttonrect", ButtonRect);
    k.Rect("activebuttonrect", ActiveButtonRect);
    k.Rect("downbuttonrect", DownButtonRect);
    k.Rect("unenabledbuttonrect", UnEnabledButtonRect);
    k.Integer("itemleftoffset", ItemLeftOffset);
    k.Integer("itemrightoffset", ItemRightOffset);
    k.Integer("focusfontcolor", FocusFontColor);
    k.Integer("activefontcolor", ActiveFontColor);
    k.String("listboxname", ListBoxName);
    k.Boolean("itemstretcheffect", ItemStretchEffect);
    k.Boolean("focusitemstretcheffect", FocusItemStretchEffect);
    k.Boolean("showfocus", ShowFocus);
}

void TbsDataSkinListBox::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    FontKeys(k, CaptionFont, "caption");
    k.Rect("itemrect", ItemRect);
    k.Rect("activeitemrect", ActiveItemRect);
    k.Rect("focusitemrect", FocusItemRect);
    k.Rect("itemtextrect", ItemTextRect);
    k.Rect("captionrect", CaptionRect);
    UpDownButtons(k, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
                  DownDownButtonRect);
    k.Rect("checkbuttonrect", CheckButtonRect);
    k.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    k.Rect("downcheckbuttonrect", DownCheckButtonRect);
    k.Rect("disabledbuttonsrect", DisabledButtonsRect);
    k.Rect("buttonsarea", ButtonsArea);
    k.Integer("itemleftoffset", ItemLeftOffset);
    k.Integer("itemrightoffset", ItemRightOffset);
    k.Integer("activefontcolor", ActiveFontColor);
    k.Integer("focusfontcolor", FocusFontColor);
    k.String("vscrollbarname", VScrollBarName, "vscrollbar");
    k.String("hscrollbarname", HScrollBarName, "hscrollbar");
    k.String("bothhscrollbarname", BothScrollBarName, "bothhscrollbar");
    k.Boolean("showfocus", ShowFocus);
}

void TbsDataSkinCheckListBox::Keys(SkinKeys& k)
{
    TbsDataSkinListBox::Keys(k);
    k.Rect("itemcheckrect", ItemCheckRect);
    k.Rect("checkimagerect", CheckImageRect);
    k.Rect("uncheckimagerect", UnCheckImageRect);
}

void TbsDataSkinScrollBarControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    k.Rect("trackarea", TrackArea);
    UpDownButtons(k, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
                  DownDownButtonRect);
    k.Rect("thumbrect", ThumbRect);
    k.Rect("activethumbrect", ActiveThumbRect);
    k.Rect("downthumbrect", DownThumbRect);
    k.Rect("glyphrect", GlyphRect);
    k.Rect("activeglyphrect", ActiveGlyphRect);
    k.Rect("downglyphrect", DownGlyphRect);
    k.Integer("thumboffset1", ThumbOffset1);
    k.Integer("thumboffset2", ThumbOffset2);
    k.Integer("thumbtransparentcolor", ThumbTransparentColor);
    k.Integer("thumbminsize", ThumbMinSize);
    k.Integer("thumbminpagesize", ThumbMinPageSize);
    k.Integer("glyphtransparentcolor", GlyphTransparentColor);
    k.Boolean("thumbtransparent", ThumbTransparent);
    k.Boolean("thumbstretcheffect", ThumbStretchEffect);
    k.Boolean("glyphtransparent", GlyphTransparent);
}

void TbsDataSkinSpinEditControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    k.Rect("activeskinrect", ActiveSkinRect);
    UpDownButtons(k, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
                  DownDownButtonRect);
    k.Integer("activefontcolor", ActiveFontColor);
    k.Integer("disabledfontcolor", DisabledFontColor);
}

void TbsDataSkinEditControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    k.Rect("activeskinrect", ActiveSkinRect);
    k.Rect("buttonrect", ButtonRect);
    k.Rect("activebuttonrect", ActiveButtonRect);
    k.Rect("downbuttonrect", DownButtonRect);
    k.Rect("unenabledbuttonrect", UnEnabledButtonRect);
    k.Integer("disabledfontcolor", DisabledFontColor);
    k.Integer("activefontcolor", ActiveFontColor);
}

void TbsDataSkinMemoControl::Keys(SkinKeys& k)
{
    TbsDataSkinEditControl::Keys(k);
    k.Integer("bgcolor", BGColor);
    k.Integer("activebgcolor", ActiveBGColor);
}

void TbsDataSkinLabelControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
}

void TbsDataSkinSplitterControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    k.Rect("gripperrect", GripperRect);
    k.Boolean("grippertransparent", GripperTransparent);
    k.Integer("grippertransparentcolor", GripperTransparentColor);
}

void TbsDataSkinGaugeControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    k.Rect("progressarea", ProgressArea);
    k.Rect("progressrect", ProgressRect);
    k.Rect("animationskinrect", AnimationSkinRect);
    k.Rect("progressanimationskinrect", ProgressAnimationSkinRect);
    k.Integer("beginoffset", BeginOffset);
    k.Integer("endoffset", EndOffset);
    k.Integer("progresstransparentcolor", ProgressTransparentColor);
    k.Integer("animationcountframes", AnimationCountFrames);
    k.Integer("animationtimerinterval", AnimationTimerInterval);
    k.Integer("progressanimationcountframes", ProgressAnimationCountFrames);
    k.Integer("progressanimationtimerinterval", ProgressAnimationTimerInterval);
    k.Integer("animationbeginoffset", AnimationBeginOffset);
    k.Integer("animationendoffset", AnimationEndOffset);
    k.Boolean("vertical", Vertical);
    k.Boolean("progresstransparent", ProgressTransparent);
    k.Boolean("progressstretch", ProgressStretch);
}

void TbsDataSkinTrackBarControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    k.Rect("activeskinrect", ActiveSkinRect);
    k.Rect("trackarea", TrackArea);
    k.Rect("buttonrect", ButtonRect);
    k.Rect("activebuttonrect", ActiveButtonRect);
    k.Boolean("vertical", Vertical);
    k.Boolean("buttontransparent", ButtonTransparent);
    k.Integer("buttontransparentcolor", ButtonTransparentColor);
}

void TbsDataSkinButtonControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    k.Integer("activefontcolor", ActiveFontColor);
    k.Integer("downfontcolor", DownFontColor);
    k.Integer("disabledfontcolor", DisabledFontColor);
    k.Integer("framecount", FrameCount);
    k.Integer("animateinterval", AnimateInterval, 25);
    k.Integer("menumarkertransparentcolor", MenuMarkerTransparentColor);
    k.Integer("glowlayerpictureindex", GlowLayerPictureIndex, -1);
    k.Integer("glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    k.Integer("glowlayeroffsetleft", GlowLayerOffsetLeft);
    k.Integer("glowlayeroffsettop", GlowLayerOffsetTop);
    k.Integer("glowlayeroffsetright", GlowLayerOffsetRight);
    k.Integer("glowlayeroffsetbottom", GlowLayerOffsetBottom);
    k.Integer("glowlayershowoffsetx", GlowLayerShowOffsetX);
    k.Integer("glowlayershowoffsety", GlowLayerShowOffsetY);
    k.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
    k.Rect("activeskinrect", ActiveSkinRect);
    k.Rect("downskinrect", DownSkinRect);
    k.Rect("focusedskinrect", FocusedSkinRect);
    k.Rect("disabledskinrect", DisabledSkinRect);
    k.Rect("animateskinrect", AnimateSkinRect);
    k.Rect("menumarkerflatrect", MenuMarkerFlatRect);
    k.Rect("menumarkerrect", MenuMarkerRect);
    k.Rect("menumarkeractiverect", MenuMarkerActiveRect);
    k.Rect("menumarkerdownrect", MenuMarkerDownRect);
    k.Boolean("morphing", Morphing);
    k.Boolean("showfocus", ShowFocus);
    k.Keyword("morphkind", MorphKind);
}

void TbsDataSkinMenuButtonControl::Keys(SkinKeys& k)
{
    TbsDataSkinButtonControl::Keys(k);
    k.Rect("trackbuttonrect", TrackButtonRect);
}

void TbsDataSkinScrollBoxControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    k.Integer("bgpictureindex", BGPictureIndex, -1);
}

void TbsDataSkinPanelControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    k.Integer("bgpictureindex", BGPictureIndex, -1);
    k.Integer("frameleftoffset", FrameLeftOffset);
    k.Integer("framerightoffset", FrameRightOffset);
    k.Integer("grippertransparentcolor", GripperTransparentColor);
    k.Rect("captionrect", CaptionRect);
    k.Rect("checkimagerect", CheckImageRect);
    k.Rect("uncheckimagerect", UnCheckImageRect);
    k.Rect("markframerect", MarkFrameRect);
    k.Rect("framerect", FrameRect);
    k.Rect("frametextrect", FrameTextRect);
    k.Rect("gripperrect", GripperRect);
    k.Keyword("alignment", Alignment);
    k.Boolean("grippertransparent", GripperTransparent);
}

void TbsDataSkinExPanelControl::Keys(SkinKeys& k)
{
    TbsDataSkinCustomControl::Keys(k);
    FontKeys(k, Font);
    k.Rect("rollhskinrect", RollHSkinRect);
    k.Rect("rollvskinrect", RollVSkinRect);
    k.Rect("rollvcaptionrect", RollVCaptionRect);
    k.Rect("rollhcaptionrect", RollHCaptionRect);
    k.Rect("closebuttonrect", CloseButtonRect);
    k.Rect("closebuttonactiverect", CloseButtonActiveRect);
    k.Rect("closebuttondownrect", CloseButtonDownRect);
    k.Rect("hrollbuttonrect", HRollButtonRect);
    k.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
    k.Rect("hrollbuttondownrect", HRollButtonDownRect);
    k.Rect("hrestorebuttonrect", HRestoreButtonRect);
    k.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    k.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
    k.Rect("vrollbuttonrect", VRollButtonRect);
    k.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
    k.Rect("vrollbuttondownrect", VRollButtonDownRect);
    k.Rect("vrestorebuttonrect", VRestoreButtonRect);
    k.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    k.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
    k.Rect("captionrect", CaptionRect);
    k.Integer("rollleftoffset", RollLeftOffset);
    k.Integer("rollrightoffset", RollRightOffset);
    k.Integer("rolltopoffset", RollTopOffset);
    k.Integer("rollbottomoffset", RollBottomOffset);
    k.Integer("buttonstransparentcolor", ButtonsTransparentColor);
    k.Boolean("buttonstransparent", ButtonsTransparent);
}

std::unique_ptr<TbsDataSkinControl> CreateSkinControl(std::string_view keyword, std::string sectionName)
{
    static constexpr DefinitionClass<TbsDataSkinControl> classes[] = {
        {"bevel", Make<TbsDataSkinControl, TbsDataSkinBevel>},
        {"treeview", Make<TbsDataSkinControl, TbsDataSkinTreeView>},
        {"slider", Make<TbsDataSkinControl, TbsDataSkinSlider>},
        {"listview", Make<TbsDataSkinControl, TbsDataSkinListView>},
        {"richedit", Make<TbsDataSkinControl, TbsDataSkinRichEdit>},
        {"mainmenubar", Make<TbsDataSkinControl, TbsDataSkinMainMenuBar>},
        {"tab", Make<TbsDataSkinControl, TbsDataSkinTabControl>},
        {"grid", Make<TbsDataSkinControl, TbsDataSkinGridControl>},
        {"controlbar", Make<TbsDataSkinControl, TbsDataSkinControlBar>},
        {"updown", Make<TbsDataSkinControl, TbsDataSkinUpDownControl>},
        {"combobox", Make<TbsDataSkinControl, TbsDataSkinComboBox>},
        {"listbox", Make<TbsDataSkinControl, TbsDataSkinListBox>},
        {"checklistbox", Make<TbsDataSkinControl, TbsDataSkinCheckListBox>},
        {"scrollbar", Make<TbsDataSkinControl, TbsDataSkinScrollBarControl>},
        {"spinedit", Make<TbsDataSkinControl, TbsDataSkinSpinEditControl>},
        {"edit", Make<TbsDataSkinControl, TbsDataSkinEditControl>},
        {"memo", Make<TbsDataSkinControl, TbsDataSkinMemoControl>},
        {"label", Make<TbsDataSkinControl, TbsDataSkinLabelControl>},
        {"splitter", Make<TbsDataSkinControl, TbsDataSkinSplitterControl>},
        {"gauge", Make<TbsDataSkinControl, TbsDataSkinGaugeControl>},
        {"trackbar", Make<TbsDataSkinControl, TbsDataSkinTrackBarControl>},
        {"button", Make<TbsDataSkinControl, TbsDataSkinButtonControl>},
        {"menubutton", Make<TbsDataSkinControl, TbsDataSkinMenuButtonControl>},
        {"scrollbox", Make<TbsDataSkinControl, TbsDataSkinScrollBoxControl>},
        {"panel", Make<TbsDataSkinControl, TbsDataSkinPanelControl>},
        {"expanel", Make<TbsDataSkinControl, TbsDataSkinExPanelControl>},
        {"checkradio", Make<TbsDataSkinControl, TbsDataSkinCheckRadioControl>},
        {"stdlabel", Make<TbsDataSkinControl, TbsDataSkinStdLabelControl>},
    };
    return CreateDefinition<TbsDataSkinControl>(classes, keyword, std::move(sectionName));
}
