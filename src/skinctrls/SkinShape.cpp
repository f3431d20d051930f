#include "skinctrls/SkinShape.h"

#include "base/Dib.h"
#include "skin/DataSkinControls.h"

namespace {

TPoint Moved(const TPoint& p, int32_t dx, int32_t dy) { return {p.X + dx, p.Y + dy}; }

// The picture's pixel as an opaque 32-bit pixel.
TbsColor PixelOf(const TDib& picture, int32_t x, int32_t y)
{
    if (picture.BitsPerPixel() == 24) {
        const uint8_t* p = picture.Row(y).data() + x * 3;
        return 0xFF000000u | static_cast<TbsColor>(p[2]) << 16 | static_cast<TbsColor>(p[1]) << 8 | p[0];
    }
    return 0xFF000000u | SwapRedBlue(picture.Color(x, y));
}

} // namespace

int32_t ResizeModeOf(const TRect& skinRect, const TPoint& rightTop, const TPoint& leftBottom, const TPoint& rightBottom)
{
    if (skinRect.IsEmpty()) return -1;
    if (rightBottom.X != 0 && rightBottom.Y != 0) return 1;
    if (rightTop.X != 0 || rightTop.Y != 0) return 2;
    if (leftBottom.X != 0 || leftBottom.Y != 0) return 3;
    return 0;
}

void SkinShape::CopyFrom(const TbsDataSkinCustomControl& d)
{
    LeftTopPoint = d.LeftTopPoint;
    RightTopPoint = d.RightTopPoint;
    LeftBottomPoint = d.LeftBottomPoint;
    RightBottomPoint = d.RightBottomPoint;
    SkinRect = d.SkinRect;
    ClientRect = d.ClientRect;
    LeftStretch = d.LeftStretch;
    TopStretch = d.TopStretch;
    RightStretch = d.RightStretch;
    BottomStretch = d.BottomStretch;
    StretchEffect = d.StretchEffect;
    StretchType = static_cast<int32_t>(d.StretchType);
    ResizeMode = ResizeModeOf(SkinRect, RightTopPoint, LeftBottomPoint, RightBottomPoint);
}

void SkinShape::ComputeSkinSize(int32_t& width, int32_t& height)
{
    const int32_t dw = width - SkinRect.Width(), dh = height - SkinRect.Height();
    switch (ResizeMode) {
    case 0:
        width = SkinRect.Width();
        height = SkinRect.Height();
        ScaledClientRect = ClientRect;
        break;
    case 1:
        ScaledLeftTop = LeftTopPoint;
        ScaledRightTop = Moved(RightTopPoint, dw, 0);
        ScaledLeftBottom = Moved(LeftBottomPoint, 0, dh);
        ScaledRightBottom = Moved(RightBottomPoint, dw, dh);
        ScaledClientRect = {ClientRect.Left, ClientRect.Top, ClientRect.Right + dw, ClientRect.Bottom + dh};
        break;
    case 2:
        height = SkinRect.Height();
        ScaledLeftTop = LeftTopPoint;
        ScaledRightTop = Moved(RightTopPoint, dw, 0);
        ScaledClientRect = {ClientRect.Left, ClientRect.Top, ClientRect.Right + dw, ClientRect.Bottom};
        break;
    case 3:
        width = SkinRect.Width();
        ScaledLeftTop = LeftTopPoint;
        ScaledLeftBottom = Moved(LeftBottomPoint, 0, dh);
        ScaledClientRect = {ClientRect.Left, ClientRect.Top, ClientRect.Right, ClientRect.Bottom + dh};
        break;
    default:
        break;
    }
}

SkinGeometry SkinShape::Geometry() const
{
    return {LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint, ClientRect,
            LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect, StretchType};
}

ScaledGeometry SkinShape::Scaled() const
{
    return {ScaledLeftTop, ScaledRightTop, ScaledLeftBottom, ScaledRightBottom, ScaledClientRect};
}

void DibPainter::Copy(const TRect& t, const TRect& s) { Stretch(t, s); }

void DibPainter::Stretch(const TRect& t, const TRect& s)
{
    TRect area = Intersect(t, {0, 0, target_.Width, target_.Height});
    if (!clip_.IsEmpty()) area = Intersect(area, clip_);
    const TRect picture{0, 0, picture_.Width(), picture_.Height()};
    if (area.IsEmpty() || s.IsEmpty() || Intersect(s, picture) != s) return;
    const bool same = t.Width() == s.Width() && t.Height() == s.Height();
    const std::vector<int32_t> columns =
        same ? std::vector<int32_t>{} : StretchMap(area.Left, area.Right, t.Left, t.Right, s.Left, s.Right);
    const std::vector<int32_t> rows =
        same ? std::vector<int32_t>{} : StretchMap(area.Top, area.Bottom, t.Top, t.Bottom, s.Top, s.Bottom);
    for (int32_t y = area.Top; y < area.Bottom; ++y) {
        const int32_t sy = same ? s.Top + y - t.Top : rows[y - area.Top];
        TbsColor* out = target_.Row(y);
        for (int32_t x = area.Left; x < area.Right; ++x)
            out[x] = PixelOf(picture_, same ? s.Left + x - t.Left : columns[x - area.Left], sy);
    }
}

void DibPainter::SetClip(const TRect* clip) { clip_ = clip ? *clip : TRect{}; }

void ComposeSkinImage(const TDib& picture, const TRect& s, const SkinShape& shape, int32_t width, int32_t height,
                      const PixelImage& target)
{
    DibPainter painter(picture, target);
    switch (shape.ResizeMode) {
    case 0:
        painter.Copy({0, 0, s.Width(), s.Height()}, s);
        break;
    case 1:
        ComposeNineSlice(painter, s, shape.Geometry(), shape.Scaled(), width, height, true);
        break;
    case 2:
        ComposeHorizontalSlices(painter, s, shape.LeftTopPoint.X, shape.SkinRect.Width() - shape.RightTopPoint.X, width,
                                shape.StretchEffect);
        break;
    case 3:
        ComposeVerticalSlices(painter, s, shape.LeftTopPoint.Y, shape.SkinRect.Height() - shape.LeftBottomPoint.Y,
                              height, shape.StretchEffect);
        break;
    default:
        break;
    }
}
