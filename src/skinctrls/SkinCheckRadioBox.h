#pragma once
#include <memory>
#include <optional>
#include <string>

#include "skinctrls/CheckRadioLook.h"
#include "skinctrls/SkinControl.h"
#include "ui/Font.h"
#include "ui/Timer.h"

class TbsPngImageList;

// A check box, or with Radio a radio button, painted from the skin's "checkbox" look.
// Flat, it is transparent over its parent and draws only its glyph and caption;
// framed, the whole control is the skin image, which morphs to its hot look under the
// mouse. Without a skin it draws its own 14 × 14 box.
class TbsSkinCheckRadioBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCheckRadioBox(ControlHost& parent);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    virtual void ToggleCheck();
    void Activate() override { ToggleCheck(); }
    std::string SpokenName() const override { return AccessibleName.empty() ? caption_ : AccessibleName; }
    DWORD AccessibleState() const override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool Radio() const { return radio_; }
    void SetRadio(bool radio);
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    bool AllowGrayed = false;
    bool UseSkinFontColor = true;
    int GroupIndex = 0;
    TbsPngImageList* Images() const { return images_; }
    void SetImages(TbsPngImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    // The box's own click: fired by the rules of checking, never by a plain click.
    NotifyEvent OnClick;

    // Hover morph: progress from normal (0) to hot (1), driven every 20 ms by
    // MorphTimer while the framed skinned look changes between the two.
    std::unique_ptr<Timer> MorphTimer;
    double MorphPosition = 0;
    bool MorphRunning() const { return MorphTimer && MorphTimer->Enabled(); }
    void MorphTimerTick();
    bool MorphActive() const;

    bool Hot() const { return hover_; }
    // Has the focus and may take it.
    bool FocusedBox() const { return canFocused_ && Focused(); }

    // What the skin gives, re-read at every paint.
    CheckRadioLook Look;
    TRect ScaledTextArea, CheckImagePlace;

    void ReadSkinDefinition() override;
    void SkinChanged() override;
    void ComputeSkinSize(int& width, int& height) override;

    // Checked, State (unchecked, checked, grayed), Caption, Flat, Radio, CanFocused,
    // WordWrap, AllowGrayed, UseSkinFontColor, GroupIndex, Images, ImageIndex, OnClick,
    // and the skinned control's own.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    void DrawDefaultImage(const OffscreenBitmap& surface) override;
    void DrawSkinImage(const OffscreenBitmap& surface) override;
    void ParentBackgroundChanged() override;
    void MouseEntered() override;
    void MouseLeft() override;
    void MouseDown(MouseButton button, unsigned keys, int x, int y) override;
    void MouseUp(MouseButton button, unsigned keys, int x, int y) override;
    void FocusChanged(bool focused) override;
    void Click() override {} // the toolkit's click is not the box's
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Notification(TComponent& removed) override;

private:
    void FireClick();
    void UncheckGroup();
    void HoverUpdate();
    void EnabledChanged();
    FontSpec CaptionFont() const;
    // The caption measured on one line from (0, 0) in font, selected into dc; measured
    // again only when the caption or the font changes.
    RECT CaptionExtent(HDC dc, const FontSpec& font);
    // The glyph of the table for the current state, drawn keyed at (x, y).
    void DrawGlyph(const OffscreenBitmap& surface, int x, int y) const;
    void DrawFlat(const OffscreenBitmap& surface, bool skinned);
    void DrawFramedSkinned(const OffscreenBitmap& surface);
    // The framed image of one look (normal or hot), caption and glyph included.
    void ComposeLook(const OffscreenBitmap& surface, const TRect& source, bool active);
    void DrawUnskinnedBox(HDC dc) const;
    void DrawUnskinnedMark(HDC dc);

    std::string caption_;
    std::wstring wideCaption_; // as GDI draws it
    std::optional<RECT> captionExtent_;
    FontSpec captionExtentFont_;
    bool checked_ = false, flat_ = true, radio_ = false, canFocused_ = true, wordWrap_ = false;
    TCheckBoxState state_ = cbUnchecked;
    bool hover_ = false, clicksDisabled_ = false;
    TbsPngImageList* images_ = nullptr;
    int imageIndex_ = 0;
};
