#include "skinctrls/SkinControl.h"

#include "base/ScopeExit.h"
#include "skin/ResourceStrData.h"
#include "skin/SkinData.h"
#include "skinctrls/Regions.h"
#include "ui/ControlHost.h"
#include "ui/DibSection.h"
#include "ui/PropertyReader.h"

void PaintParentBackground(const CustomControl& control, HDC dc) { control.Parent().PaintArea(dc, control.Bounds()); }

void PaintParentBackground(const GraphicControl& control, HDC dc)
{
    control.Parent().PaintArea(dc, control.Bounds(), &control);
}

PixelImage PixelsOf(const OffscreenBitmap& surface)
{
    return {surface.Bits(), surface.Width(), surface.Height()};
}

FontSpec SkinFont(const FontSpec& base, const std::string& name, int height, uint8_t styles)
{
    FontSpec font = base;
    font.Name = name;
    font.Height = height;
    font.Bold = (styles & FontStyle::Bold) != 0;
    font.Italic = (styles & FontStyle::Italic) != 0;
    font.Underline = (styles & FontStyle::Underline) != 0;
    font.StrikeOut = (styles & FontStyle::StrikeOut) != 0;
    return font;
}

BYTE CaptionCharset(const TbsSkinData* data, BYTE fallback)
{
    return data && data->ResourceStrData() ? static_cast<BYTE>(data->ResourceStrData()->CharSet) : fallback;
}

// ---------------------------------------------------------------------------------

TbsSkinControl::TbsSkinControl(ControlHost& parent) : CustomControl(parent) {}

TbsSkinControl::~TbsSkinControl()
{
    if (skinData_) skinData_->RemoveClient(*this);
}

void TbsSkinControl::SetSkinData(TbsSkinData* data)
{
    if (skinData_) skinData_->RemoveClient(*this);
    Relink(skinData_, data);
    if (data) data->AddClient(*this);
    if (data && !data->Empty() && !IsDesigning()) SkinChanged();
}

void TbsSkinControl::Notification(TComponent& removed)
{
    if (&removed == skinData_) skinData_ = nullptr;
}

void TbsSkinControl::ReadSkinDefinition()
{
    SkinControlIndex = !skinData_ || skinData_->Empty() ? -1 : skinData_->GetControlIndex(skinDataName_);
}

void TbsSkinControl::SkinChanged()
{
    ReadSkinDefinition();
    Invalidate();
}

void TbsSkinControl::PaintOffscreen(const OffscreenBitmap& surface)
{
    if (Width() <= 0 || Height() <= 0) return;
    ReadSkinDefinition();
    DrawImage(surface);
}

void TbsSkinControl::DrawImage(const OffscreenBitmap& surface)
{
    if (SkinControlIndex == -1) DrawDefaultImage(surface);
    else DrawSkinImage(surface);
}

LRESULT TbsSkinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT) return CustomControl::HandleMessage(message, wParam, lParam);
    // Cleared on every path: a paint that raises must not leave it set.
    fromPaintMessage_ = true;
    const ScopeExit clear{[this] { fromPaintMessage_ = false; }};
    return CustomControl::HandleMessage(message, wParam, lParam);
}

bool TbsSkinControl::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    const std::string& name = property.Name;
    if (name == "SkinData") {
        loader.Reference<TbsSkinData>(property, [this](TbsSkinData* data) { SetSkinData(data); });
    } else if (name == "SkinDataName") {
        SetSkinDataName(loader.String(property));
    } else if (name == "HintTitle") {
        HintTitle = loader.String(property);
    } else if (name == "HintImageIndex") {
        HintImageIndex = loader.Integer(property);
    } else {
        return CustomControl::SetProperty(property, loader);
    }
    return true;
}

// ---------------------------------------------------------------------------------

TbsSkinCustomControl::TbsSkinCustomControl(ControlHost& parent) : TbsSkinControl(parent)
{
    defaultFont_.Name = "Arial";
    defaultFont_.Height = 14;
}

void TbsSkinCustomControl::SetDefaultWidth(int width)
{
    defaultWidth_ = width;
    if (!Skinned() && width > 0) CustomControl::SetBounds(Left(), Top(), width, Height());
}

void TbsSkinCustomControl::SetDefaultHeight(int height)
{
    defaultHeight_ = height;
    if (!Skinned() && height > 0) CustomControl::SetBounds(Left(), Top(), Width(), height);
}

void TbsSkinCustomControl::SetDefaultFont(const FontSpec& font)
{
    defaultFont_ = font;
    DefaultFontChanged();
    if (!Skinned()) Invalidate();
}

void TbsSkinCustomControl::ReadSkinDefinition()
{
    TbsSkinControl::ReadSkinDefinition();
    if (!Skinned()) return;
    const auto* definition = dynamic_cast<const TbsDataSkinCustomControl*>(SkinData()->SkinControls[SkinControlIndex].get());
    Picture = Mask = nullptr;
    if (!definition) {
        Shape.ResizeMode = 0;
        return;
    }
    Shape.CopyFrom(*definition);
    const auto& pictures = SkinData()->ActivePictures;
    auto entry = [&](int32_t index) -> const TDib* {
        return index >= 0 && static_cast<size_t>(index) < pictures.size() ? &pictures[index] : nullptr;
    };
    Picture = entry(definition->PictureIndex);
    Mask = entry(definition->MaskPictureIndex);
}

void TbsSkinCustomControl::ComputeSkinSize(int& width, int& height)
{
    if (Skinned()) Shape.ComputeSkinSize(width, height);
}

void TbsSkinCustomControl::SkinChanged()
{
    ReadSkinDefinition();
    bool resized = false;
    if (!Skinned()) {
        if (defaultWidth_ > 0) CustomControl::SetBounds(Left(), Top(), defaultWidth_, Height());
        if (defaultHeight_ > 0) CustomControl::SetBounds(Left(), Top(), Width(), defaultHeight_);
    } else {
        int width = Width(), height = Height();
        ComputeSkinSize(width, height);
        if (width != Width() || height != Height()) {
            resized = true;
            SetBounds(Left(), Top(), width, height);
        }
    }
    if (!resized || !Skinned()) {
        UpdateWindowRegion();
        Invalidate();
    }
}

void TbsSkinCustomControl::SetBounds(int left, int top, int width, int height)
{
    ReadSkinDefinition();
    const bool adjust = Skinned() && (width != Width() || height != Height());
    if (adjust) {
        ComputeSkinSize(width, height);
        if (Shape.ResizeMode == 0) Shape.ScaledClientRect = Shape.ClientRect;
    }
    CustomControl::SetBounds(left, top, width, height);
    if (adjust) {
        UpdateWindowRegion();
        Invalidate();
    }
    if (Skinned() && Shape.StretchEffect) SendToControlWindows(Handle(), WM_PARENTBACKGROUNDCHANGED, 0);
}

namespace {

// Modes 2 and 3 stretch the frame along one axis only (2 the width, 3 the height): the
// corners across the other axis fold onto their partners, and the one corner that
// moves follows the control's size.
RegionHandle OneAxisFrameRegion(const MaskImage& mask, const SkinShape& s, int width, int height)
{
    const bool alongWidth = s.ResizeMode == 2;
    SkinGeometry g = s.Geometry();
    ScaledGeometry sc = s.Scaled();
    if (alongWidth) sc.RightTop = {width + s.RightTopPoint.X - s.SkinRect.Width(), s.RightTopPoint.Y};
    else sc.LeftBottom = {s.LeftBottomPoint.X, height + s.LeftBottomPoint.Y - s.SkinRect.Height()};
    const auto fold = [alongWidth](auto& corners) {
        if (alongWidth) {
            corners.RightBottom = corners.RightTop;
            corners.LeftBottom = corners.LeftTop;
        } else {
            corners.RightTop = corners.LeftTop;
            corners.RightBottom = corners.LeftBottom;
        }
    };
    fold(g);
    fold(sc);
    return FrameRegionFromMask(mask, g, sc, width, height);
}

} // namespace

void TbsSkinCustomControl::UpdateWindowRegion()
{
    if (!GetParent(Handle())) return;
    if (!Mask || !Skinned()) {
        if (region_) SetWindowRgn(Handle(), nullptr, TRUE); // the system deletes it
        region_ = nullptr;
        return;
    }
    int width = Width(), height = Height();
    ComputeSkinSize(width, height);
    const MaskImage mask = MaskFromDib(*Mask);
    const SkinShape& s = Shape;
    RegionHandle region;
    switch (s.ResizeMode) {
    case 0:
        region = RegionFromMask(mask);
        break;
    case 1:
        region = FrameRegionFromMask(mask, s.Geometry(), s.Scaled(), Width(), Height());
        break;
    case 2:
    case 3:
        region = OneAxisFrameRegion(mask, s, Width(), Height());
        break;
    default:
        break;
    }
    // The system deletes the previous region once the new one is in place, so the
    // window is never without a shape in between.
    if (region) region_ = region.Release();
    else if (!region_) return;
    else region_ = nullptr;
    SetWindowRgn(Handle(), region_, TRUE);
}

void TbsSkinCustomControl::PaintOffscreen(const OffscreenBitmap& surface)
{
    if (Width() < 1 || Height() < 1) return;
    ReadSkinDefinition();
    int width = Width(), height = Height();
    ComputeSkinSize(width, height); // refreshes the scaled geometry
    DrawImage(surface); // the definition is read once a paint
}

void TbsSkinCustomControl::DrawDefaultImage(const OffscreenBitmap& surface)
{
    const RECT r{0, 0, surface.Width(), surface.Height()};
    FillRect(surface.DC(), &r, GetSysColorBrush(COLOR_BTNFACE));
}

void TbsSkinCustomControl::ComposeInto(const OffscreenBitmap& surface, const TRect& source) const
{
    if (!Picture) return;
    GdiFlush();
    ComposeSkinImage(*Picture, source, Shape, surface.Width(), surface.Height(), PixelsOf(surface));
}

void TbsSkinCustomControl::DrawSkinImage(const OffscreenBitmap& surface)
{
    if (!Picture) {
        DrawDefaultImage(surface); // a definition without a picture: the default look
        return;
    }
    ComposeInto(surface, Shape.SkinRect);
}

bool TbsSkinCustomControl::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    const std::string& name = property.Name;
    FontSpec font = defaultFont_;
    if (SetFontProperty(font, "DefaultFont", property, loader)) {
        SetDefaultFont(font);
    } else if (name == "DefaultWidth") {
        SetDefaultWidth(loader.Integer(property));
    } else if (name == "DefaultHeight") {
        SetDefaultHeight(loader.Integer(property));
    } else if (name == "UseSkinFont") {
        UseSkinFont = loader.Boolean(property);
    } else if (name == "Bounds") {
        const RECT r = loader.Rectangle(property);
        SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else {
        return TbsSkinControl::SetProperty(property, loader);
    }
    return true;
}
