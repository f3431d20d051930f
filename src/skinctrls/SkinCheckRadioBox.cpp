#include "skinctrls/SkinCheckRadioBox.h"

#include <algorithm>
#include <oleacc.h>

#include "base/WinStrings.h"
#include "skin/SkinData.h"
#include "skinctrls/CheckRadioDrawing.h"
#include "skinctrls/PngImageList.h"
#include "ui/ControlHost.h"
#include "ui/DcScopes.h"
#include "ui/DibSection.h"
#include "ui/PropertyReader.h"

namespace {

constexpr COLORREF HotBoxFrame = RGB(0, 0, 128); // $800000

// The caption measured on one line from (0, 0).
RECT MeasureLine(HDC dc, const std::wstring& text)
{
    RECT r{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return r;
}

} // namespace

TbsSkinCheckRadioBox::TbsSkinCheckRadioBox(ControlHost& parent) : TbsSkinCustomControl(parent)
{
    SetTabStop(false);
    CustomControl::SetBounds(0, 0, 150, 25);
    SetSkinDataName("checkbox");
    Role = AccessibleRole::CheckButton;
}

// --- state -----------------------------------------------------------------------

void TbsSkinCheckRadioBox::FireClick()
{
    if (OnClick) OnClick();
}

void TbsSkinCheckRadioBox::SetChecked(bool checked)
{
    checked_ = checked;
    if (checked) state_ = cbChecked;
    else if (state_ == cbChecked) state_ = cbUnchecked; // a grayed box stays grayed
    Repaint();
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
    if (checked_ && GroupIndex != 0) UncheckGroup();
    if (!radio_ || checked_) FireClick();
}

void TbsSkinCheckRadioBox::SetState(TCheckBoxState state)
{
    state_ = state;
    checked_ = state == cbChecked;
    Repaint();
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
    FireClick();
}

void TbsSkinCheckRadioBox::ToggleCheck()
{
    if (!radio_) SetChecked(!checked_);
    else if (!checked_) SetChecked(true); // the user never unchecks a radio button
}

DWORD TbsSkinCheckRadioBox::AccessibleState() const
{
    if (state_ == cbGrayed) return STATE_SYSTEM_MIXED;
    return checked_ ? STATE_SYSTEM_CHECKED : 0;
}

void TbsSkinCheckRadioBox::UncheckGroup()
{
    const HWND parent = Parent().Handle();
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        auto* box = dynamic_cast<TbsSkinCheckRadioBox*>(CustomControl::FromHandle(child));
        if (box && box != this && box->GroupIndex == GroupIndex && box->checked_) box->SetChecked(false);
    }
}

void TbsSkinCheckRadioBox::SetCaption(std::string_view caption)
{
    caption_ = caption;
    wideCaption_ = ToWide(caption);
    captionExtent_.reset();
    Repaint();
}

void TbsSkinCheckRadioBox::SetFlat(bool flat)
{
    flat_ = flat;
    Repaint();
}

void TbsSkinCheckRadioBox::SetRadio(bool radio)
{
    radio_ = radio;
    if (IsDesigning() && !IsLoading()) {
        SetSkinDataName(radio ? "radiobox" : "checkbox");
        GroupIndex = radio ? 1 : 0;
    }
    Repaint();
}

void TbsSkinCheckRadioBox::SetCanFocused(bool on)
{
    canFocused_ = on;
    SetTabStop(on);
}

void TbsSkinCheckRadioBox::SetWordWrap(bool on)
{
    if (on == wordWrap_) return;
    wordWrap_ = on;
    if (flat_) Repaint();
}

void TbsSkinCheckRadioBox::SetImages(TbsPngImageList* images)
{
    Relink(images_, images);
    Repaint();
}

void TbsSkinCheckRadioBox::SetImageIndex(int index)
{
    imageIndex_ = index;
    Repaint();
}

void TbsSkinCheckRadioBox::Notification(TComponent& removed)
{
    TbsSkinCustomControl::Notification(removed);
    if (&removed == images_) images_ = nullptr;
}

// --- skin --------------------------------------------------------------------------

void TbsSkinCheckRadioBox::ReadSkinDefinition()
{
    TbsSkinCustomControl::ReadSkinDefinition();
    if (SkinControlIndex == -1) return;
    const auto* d = dynamic_cast<const TbsDataSkinCheckRadioControl*>(SkinData()->SkinControls[SkinControlIndex].get());
    if (!d) return;
    Look.CopyFrom(*d, Shape.SkinRect, flat_);
    if (flat_) Mask = nullptr;
}

void TbsSkinCheckRadioBox::SkinChanged()
{
    if (!flat_) {
        TbsSkinCustomControl::SkinChanged();
        return;
    }
    ReadSkinDefinition();
    Repaint();
}

void TbsSkinCheckRadioBox::ComputeSkinSize(int& width, int& height)
{
    if (flat_) return;
    TbsSkinCustomControl::ComputeSkinSize(width, height);
    if (SkinControlIndex == -1) return;
    const int d = width - Shape.SkinRect.Width();
    ScaledTextArea = {Look.TextArea.Left, Look.TextArea.Top, Look.TextArea.Right + d, Look.TextArea.Bottom};
    CheckImagePlace = CheckImagePlaceOf(Look, d);
}

bool TbsSkinCheckRadioBox::MorphActive() const
{
    const TbsSkinData* data = SkinData();
    return Look.Morphing && data && !data->Empty() && data->EnableSkinEffects;
}

// --- mouse, keyboard, focus ----------------------------------------------------------

void TbsSkinCheckRadioBox::HoverUpdate()
{
    if (MorphActive() && SkinControlIndex != -1) {
        if (!MorphTimer) {
            MorphTimer = std::make_unique<Timer>(20, false);
            MorphTimer->OnTimer = [this] { MorphTimerTick(); };
        }
        MorphTimer->SetEnabled(true);
    } else {
        Repaint();
    }
}

void TbsSkinCheckRadioBox::MorphTimerTick()
{
    // The timer stops rather than goes: it is the one calling.
    const MorphTick tick = StepMorph(MorphPosition, hover_ || FocusedBox(), SkinControlIndex != -1 && MorphActive());
    MorphPosition = tick.Position;
    if (tick.Stop && MorphTimer) MorphTimer->SetEnabled(false);
    if (tick.Repaint) Repaint();
}

void TbsSkinCheckRadioBox::EnabledChanged()
{
    if (MorphActive()) {
        if (MorphTimer) MorphTimer->SetEnabled(false);
        MorphPosition = 0;
    }
    hover_ = false;
    Repaint();
}

void TbsSkinCheckRadioBox::MouseEntered()
{
    if (!IsDesigning()) {
        hover_ = true;
        HoverUpdate();
    }
    TbsSkinCustomControl::MouseEntered();
}

void TbsSkinCheckRadioBox::MouseLeft()
{
    if (!IsDesigning()) {
        hover_ = false;
        HoverUpdate();
    }
    TbsSkinCustomControl::MouseLeft();
}

void TbsSkinCheckRadioBox::MouseDown(MouseButton, unsigned, int, int)
{
    if (hover_) return;
    hover_ = true;
    HoverUpdate();
}

void TbsSkinCheckRadioBox::MouseUp(MouseButton button, unsigned, int, int)
{
    if (button != MouseButton::Left || !hover_) return;
    if (AllowGrayed && !radio_ && state_ == cbUnchecked) {
        state_ = cbGrayed;
        checked_ = false;
        Repaint();
        NotifyAccessible(EVENT_OBJECT_STATECHANGE);
        FireClick();
    } else {
        ToggleCheck();
    }
}

void TbsSkinCheckRadioBox::FocusChanged(bool)
{
    if (flat_) Invalidate();
    else HoverUpdate();
}

void TbsSkinCheckRadioBox::ParentBackgroundChanged()
{
    if (flat_) Repaint();
}

LRESULT TbsSkinCheckRadioBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (canFocused_ && !Focused() && !IsDesigning()) {
            clicksDisabled_ = true;
            SetFocus();
            clicksDisabled_ = false;
            if (!Focused()) return 0; // the focus went elsewhere: the press goes too
        }
        break;
    case WM_COMMAND:
        if (clicksDisabled_) return 0;
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE && FocusedBox()) ToggleCheck();
        return 0;
    case WM_DIALOGCHAR:
        if (canFocused_ && IsAccelerator(caption_, static_cast<unsigned>(wParam)) && Enabled() && Visible()) {
            SetFocus();
            ToggleCheck();
            return 1;
        }
        return 0;
    case WM_ENABLE:
        EnabledChanged();
        return 0;
    case WM_MOVE:
        if (flat_) Invalidate(); // what lies behind it changed
        break;
    case WM_ERASEBKGND:
        if (!flat_ && !PaintingFromPaintMessage()) PaintTo(reinterpret_cast<HDC>(wParam));
        return 1;
    }
    return TbsSkinCustomControl::HandleMessage(message, wParam, lParam);
}

// --- painting ----------------------------------------------------------------------------

RECT TbsSkinCheckRadioBox::CaptionExtent(HDC dc, const FontSpec& font)
{
    if (!captionExtent_ || !(captionExtentFont_ == font)) {
        captionExtent_ = MeasureLine(dc, wideCaption_);
        captionExtentFont_ = font;
    }
    return *captionExtent_;
}

FontSpec TbsSkinCheckRadioBox::CaptionFont() const
{
    FontSpec font = DefaultFont();
    if (SkinControlIndex != -1 && UseSkinFont) font = SkinFont(font, Look.Font.Name, Look.Font.Height, Look.Font.Style);
    font.Charset = CaptionCharset(SkinData(), DefaultFont().Charset);
    return font;
}

void TbsSkinCheckRadioBox::DrawGlyph(const OffscreenBitmap& surface, int x, int y) const
{
    if (!Picture) return;
    const GlyphChoice choice = ChooseGlyph(Look, Enabled(), hover_, state_, checked_);
    GdiFlush();
    DrawKeyedGlyph(CutGlyph(*Picture, choice), PixelsOf(surface), x, y);
}

void TbsSkinCheckRadioBox::DrawUnskinnedBox(HDC dc) const
{
    const RECT box{3, Height() / 2 - 7, 17, Height() / 2 + 7};
    BrushHandle frame(CreateSolidBrush(hover_ ? HotBoxFrame : GetSysColor(COLOR_BTNSHADOW)));
    FrameRect(dc, &box, frame.Get());
}

void TbsSkinCheckRadioBox::DrawUnskinnedMark(HDC dc)
{
    const int h = Height();
    if (state_ == cbGrayed && !radio_) {
        DrawCheckMark(dc, 7, h / 2 - 4, GetSysColor(COLOR_GRAYTEXT));
    } else if (checked_) {
        const COLORREF color = Enabled() ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW);
        if (radio_) DrawRadioDot(dc, 7, h / 2 - 3, color);
        else DrawCheckMark(dc, 7, h / 2 - 4, color);
    }
}

void TbsSkinCheckRadioBox::DrawFlat(const OffscreenBitmap& surface, bool skinned)
{
    const HDC dc = surface.DC();
    const int w = Width(), h = Height();
    ::PaintParentBackground(*this, dc);

    int textLeft, gap;
    COLORREF color;
    if (skinned) {
        DrawGlyph(surface, 3, h / 2 - Look.CheckImageRect.Height() / 2);
        textLeft = Look.CheckImageRect.Width() + 7;
        gap = 8;
        color = ColorOf(Enabled() ? Look.FrameFontColor : Look.UnEnabledFontColor);
        if (!UseSkinFontColor) color = DefaultFont().Color;
    } else {
        DrawUnskinnedBox(dc);
        textLeft = 22;
        gap = 5;
        color = Enabled() ? DefaultFont().Color : GetSysColor(COLOR_BTNSHADOW);
    }

    const FontSpec font = CaptionFont();
    surface.UseFont(font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    const std::wstring& text = wideCaption_;
    const bool picture = images_ && imageIndex_ >= 0 && static_cast<size_t>(imageIndex_) < images_->PictureCount();
    const int pictureWidth = picture ? images_->PngWidth() : 0, pictureHeight = picture ? images_->PngHeight() : 0;
    RECT pictureRect{};
    RECT caption;
    if (wordWrap_) {
        const int left = textLeft + (picture ? pictureWidth + gap : 0);
        caption = {left, 0, w, h};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_EXPANDTABS | DT_WORDBREAK | DT_CALCRECT);
        const int top = std::max(0, h / 2 - static_cast<int>(caption.bottom - caption.top) / 2);
        OffsetRect(&caption, 0, top - caption.top);
        if (picture) pictureRect = {textLeft, h / 2 - pictureHeight / 2, textLeft + pictureWidth, h / 2 - pictureHeight / 2 + pictureHeight};
    } else {
        caption = CaptionExtent(dc, font);
        OffsetRect(&caption, textLeft, h / 2 - static_cast<int>(caption.bottom) / 2);
        caption.right = std::min<LONG>(caption.right, w - 2);
        if (picture) {
            pictureRect = {caption.left, h / 2 - pictureHeight / 2, caption.left + pictureWidth,
                           h / 2 - pictureHeight / 2 + pictureHeight};
            OffsetRect(&caption, pictureWidth + gap, 0);
        }
    }
    if (picture) images_->Draw(dc, pictureRect.left, pictureRect.top, static_cast<size_t>(imageIndex_), Enabled());
    if (wordWrap_) DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption, DT_EXPANDTABS | DT_WORDBREAK);
    else DrawTextVCentered(dc, text, caption);
    if (!skinned) DrawUnskinnedMark(dc);

    if (!FocusedBox()) return;
    if (!caption_.empty()) {
        RECT frame = caption;
        InflateRect(&frame, 2, 1);
        frame.right += wordWrap_ ? 0 : 1;
        DrawDottedFocusFrame(dc, frame, color);
    } else if (picture) {
        InflateRect(&pictureRect, 1, 1);
        DrawDottedFocusFrame(dc, pictureRect, color);
    }
}

void TbsSkinCheckRadioBox::ComposeLook(const OffscreenBitmap& surface, const TRect& source, bool active)
{
    ComposeInto(surface, source);
    DrawGlyph(surface, CheckImagePlace.Left,
              CheckImagePlace.Top + CheckImagePlace.Height() / 2 -
                  ChooseGlyph(Look, Enabled(), hover_, state_, checked_).Source.Height() / 2);
    const HDC dc = surface.DC();
    surface.UseFont(CaptionFont());
    SetTextColor(dc, ColorOf(!Enabled() ? Look.UnEnabledFontColor : active ? Look.ActiveFontColor : Look.Font.Color));
    DrawTextVCentered(dc, wideCaption_, {ScaledTextArea.Left, ScaledTextArea.Top, ScaledTextArea.Right, ScaledTextArea.Bottom});
}

void TbsSkinCheckRadioBox::DrawFramedSkinned(const OffscreenBitmap& surface)
{
    if (MorphActive() && MorphPosition > 0 && MorphPosition < 1) {
        ComposeLook(surface, Shape.SkinRect, false);
        GdiFlush();
        TbsEffectBmp normal = EffectBmpFromPixels(PixelsOf(surface));
        ComposeLook(surface, Look.ActiveSkinRect, true);
        GdiFlush();
        normal.Morph(Look.MorphKind, EffectBmpFromPixels(PixelsOf(surface)), MorphPosition);
        CopyToPixels(normal, PixelsOf(surface));
        return;
    }
    const bool hot = hover_ || FocusedBox();
    ComposeLook(surface, hot ? Look.ActiveSkinRect : Shape.SkinRect, hot);
}

void TbsSkinCheckRadioBox::DrawDefaultImage(const OffscreenBitmap& surface)
{
    if (flat_) {
        DrawFlat(surface, false);
        return;
    }
    const HDC dc = surface.DC();
    const RECT all{0, 0, Width(), Height()};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    if (FocusedBox() || hover_) FrameRect(dc, &all, GetSysColorBrush(COLOR_BTNSHADOW));
    DrawUnskinnedBox(dc);
    surface.UseFont(CaptionFont());
    SetTextColor(dc, Enabled() ? DefaultFont().Color : GetSysColor(COLOR_BTNSHADOW));
    DrawUnskinnedMark(dc);
    DrawTextVCentered(dc, wideCaption_, {19, 0, Width(), Height()});
}

void TbsSkinCheckRadioBox::DrawSkinImage(const OffscreenBitmap& surface)
{
    if (flat_) DrawFlat(surface, true);
    else if (!Picture) DrawDefaultImage(surface);
    else DrawFramedSkinned(surface);
}

bool TbsSkinCheckRadioBox::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    const std::string& name = property.Name;
    if (name == "Checked") SetChecked(loader.Boolean(property));
    else if (name == "State") {
        const std::string state = loader.Identifier(property);
        if (state != "unchecked" && state != "checked" && state != "grayed")
            loader.Fail(property, "State is unchecked, checked or grayed");
        SetState(state == "checked" ? cbChecked : state == "grayed" ? cbGrayed : cbUnchecked);
    } else if (name == "Caption") SetCaption(loader.String(property));
    else if (name == "Flat") SetFlat(loader.Boolean(property));
    else if (name == "Radio") SetRadio(loader.Boolean(property));
    else if (name == "CanFocused") SetCanFocused(loader.Boolean(property));
    else if (name == "WordWrap") SetWordWrap(loader.Boolean(property));
    else if (name == "AllowGrayed") AllowGrayed = loader.Boolean(property);
    else if (name == "UseSkinFontColor") UseSkinFontColor = loader.Boolean(property);
    else if (name == "GroupIndex") GroupIndex = loader.Integer(property);
    else if (name == "ImageIndex") SetImageIndex(loader.Integer(property));
    else if (name == "Images") loader.Reference<TbsPngImageList>(property, [this](TbsPngImageList* l) { SetImages(l); });
    else if (name == "OnClick") OnClick = loader.Notify(property);
    else return TbsSkinCustomControl::SetProperty(property, loader);
    return true;
}
