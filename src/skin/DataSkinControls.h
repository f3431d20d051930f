#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "skin/SkinDefinition.h"

// Definitions of skinned controls: the entries of [SKINCONTROLS]. Each field holds the
// key it is named after; each class's Keys lists its own keys after its base's.

class TbsDataSkinControl : public TbsSkinDefinition {
public:
    using TbsSkinDefinition::TbsSkinDefinition;
    void Keys(SkinKeys& keys) override;

    int32_t PictureIndex = -1, MaskPictureIndex = -1;
    TRect SkinRect;
};

// Adds the geometry a control is cut and stretched by when resized.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void Keys(SkinKeys& keys) override;

    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    TRect ClientRect;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    TStretchType StretchType = TStretchType::Full;
};

// Check boxes and radio boxes.
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;

    TbsFontGroup Font;
    TColor ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
    TRect ActiveSkinRect, CheckImageArea, TextArea;
    TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect, GrayedCheckImageRect, ActiveGrayedCheckImageRect;
    bool Morphing = false;
    TMorphKind MorphKind = TMorphKind::Default;
};

// The plain label look the link label takes.
class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void Keys(SkinKeys& keys) override;

    TbsFontGroup Font;
    TColor ActiveFontColor = 0xFF0000;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void Keys(SkinKeys& keys) override;
    TColor LightColor = 0, DarkColor = 0;
};

// Tree view, list view and rich edit read the same keys.
class TbsDataSkinFontBgControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    TColor BGColor = 0;
};
class TbsDataSkinTreeView : public TbsDataSkinFontBgControl {
    using TbsDataSkinFontBgControl::TbsDataSkinFontBgControl;
};
class TbsDataSkinListView : public TbsDataSkinFontBgControl {
    using TbsDataSkinFontBgControl::TbsDataSkinFontBgControl;
};
class TbsDataSkinRichEdit : public TbsDataSkinFontBgControl {
    using TbsDataSkinFontBgControl::TbsDataSkinFontBgControl;
};

class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void Keys(SkinKeys& keys) override;
    TColor BGColor = 0, PointsColor = 0;
    int32_t EdgeSize = 0;
    TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
};

class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void Keys(SkinKeys& keys) override;
    TRect ItemsRect;
    std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton; // section names
    TColor TrackMarkColor = 0, TrackMarkActiveColor = 0;
    bool StretchEffect = false, ItemTransparent = false;
};

class TbsDataSkinTabControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, ClientRect, TabsBGRect;
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
    int32_t BGPictureIndex = -1, TabLeftOffset = 0, TabRightOffset = 0;
    TColor ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
    int32_t FocusOffsetX = 0, FocusOffsetY = 0;
    TColor ButtonTransparentColor = 0;
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    bool TabStretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false,
         BottomStretch = false, StretchEffect = false, ShowFocus = false, ButtonTransparent = false;
    TStretchType StretchType = TStretchType::Full;
    std::string UpDown; // section name
};

class TbsDataSkinGridControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font, FixedFont;
    TRect FixedCellRect, SelectCellRect, FocusCellRect, FixedCellTextRect, CellTextRect;
    int32_t FixedCellLeftOffset = 0, FixedCellRightOffset = 0, CellLeftOffset = 0, CellRightOffset = 0;
    int32_t BGPictureIndex = -1;
    TColor LinesColor = 0, BGColor = 0, SelectFontColor = 0, FocusFontColor = 0;
    bool CellStretchEffect = false, FixedCellStretchEffect = false, ShowFocus = false;
};

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TRect ItemRect, HGripRect, VGripRect;
    int32_t BGPictureIndex = -1, GripOffset1 = 0, GripOffset2 = 0, ItemOffset1 = 3, ItemOffset2 = 3;
    TColor ItemTransparentColor = 0, GripTransparentColor = 0;
    bool ItemStretchEffect = false, ItemTransparent = false, GripTransparent = false;
};

class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    TRect ActiveSkinRect, ItemRect, ActiveItemRect, FocusItemRect, ItemTextRect;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TColor FocusFontColor = 0, ActiveFontColor = 0;
    std::string ListBoxName; // section name
    bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;
};

class TbsDataSkinListBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font, CaptionFont;
    TRect ItemRect, ActiveItemRect, FocusItemRect, ItemTextRect, CaptionRect;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
        DownDownButtonRect, CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
    TRect DisabledButtonsRect, ButtonsArea;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TColor ActiveFontColor = 0, FocusFontColor = 0;
    std::string VScrollBarName = "vscrollbar", HScrollBarName = "hscrollbar",
                BothScrollBarName = "bothhscrollbar"; // section names
    bool ShowFocus = false;
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
    using TbsDataSkinListBox::TbsDataSkinListBox;
    void Keys(SkinKeys& keys) override;
    TRect ItemCheckRect, CheckImageRect, UnCheckImageRect;
};

class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TRect TrackArea, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    TRect ThumbRect, ActiveThumbRect, DownThumbRect, GlyphRect, ActiveGlyphRect, DownGlyphRect;
    int32_t ThumbOffset1 = 0, ThumbOffset2 = 0;
    TColor ThumbTransparentColor = 0;
    int32_t ThumbMinSize = 0, ThumbMinPageSize = 0;
    TColor GlyphTransparentColor = 0;
    bool ThumbTransparent = false, ThumbStretchEffect = false, GlyphTransparent = false;
};

class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    TRect ActiveSkinRect, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    TColor ActiveFontColor = 0, DisabledFontColor = 0;
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    TRect ActiveSkinRect, ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    TColor DisabledFontColor = 0, ActiveFontColor = 0;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;
    void Keys(SkinKeys& keys) override;
    TColor BGColor = 0, ActiveBGColor = 0;
};

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TRect GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
};

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    TRect ProgressArea, ProgressRect, AnimationSkinRect, ProgressAnimationSkinRect;
    int32_t BeginOffset = 0, EndOffset = 0;
    TColor ProgressTransparentColor = 0;
    int32_t AnimationCountFrames = 0, AnimationTimerInterval = 0;
    int32_t ProgressAnimationCountFrames = 0, ProgressAnimationTimerInterval = 0;
    int32_t AnimationBeginOffset = 0, AnimationEndOffset = 0;
    bool Vertical = false, ProgressTransparent = false, ProgressStretch = false;
};

class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TRect ActiveSkinRect, TrackArea, ButtonRect, ActiveButtonRect;
    bool Vertical = false, ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
};

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    TColor ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
    int32_t FrameCount = 0, AnimateInterval = 25;
    TColor MenuMarkerTransparentColor = 0;
    int32_t GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int32_t GlowLayerOffsetLeft = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetBottom = 0;
    int32_t GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0, GlowLayerAlphaBlendValue = 255;
    TRect ActiveSkinRect, DownSkinRect, FocusedSkinRect, DisabledSkinRect, AnimateSkinRect;
    TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
    bool Morphing = false, ShowFocus = false;
    TMorphKind MorphKind = TMorphKind::Default;
};

class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;
    void Keys(SkinKeys& keys) override;
    TRect TrackButtonRect;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    int32_t BGPictureIndex = -1;
};

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    int32_t BGPictureIndex = -1, FrameLeftOffset = 0, FrameRightOffset = 0;
    TColor GripperTransparentColor = 0;
    TRect CaptionRect, CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect, FrameTextRect, GripperRect;
    TAlignment Alignment = TAlignment::Center;
    bool GripperTransparent = false;
};

class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    TbsFontGroup Font;
    TRect RollHSkinRect, RollVSkinRect, RollVCaptionRect, RollHCaptionRect;
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
    TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
    TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
    TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
    TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
    TRect CaptionRect;
    int32_t RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
    TColor ButtonsTransparentColor = 0;
    bool ButtonsTransparent = false;
};

// The class a [SKINCONTROLS] type keyword names (compared exactly), or none.
std::unique_ptr<TbsDataSkinControl> CreateSkinControl(std::string_view keyword, std::string sectionName);
