#pragma once
#include <cstdint>

#include "effects/PixelImage.h"
#include "skinctrls/Composition.h"

class TDib;
class TbsDataSkinCustomControl;

// How a skinned control's size follows its skin: the picture geometry it copies from
// its definition, the resize mode that geometry gives, and the same geometry at the
// control's current size. Coordinates are relative to the skin rectangle's top-left
// corner; the skin rectangle itself is in picture coordinates.
struct SkinShape {
    TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
    TRect SkinRect, ClientRect;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    int32_t StretchType = 0;

    // −1 empty skin rectangle, 0 fixed size, 1 both directions, 2 horizontal only,
    // 3 vertical only.
    int32_t ResizeMode = -1;
    TPoint ScaledLeftTop, ScaledRightTop, ScaledLeftBottom, ScaledRightBottom;
    TRect ScaledClientRect;

    // Copies the geometry and derives ResizeMode.
    void CopyFrom(const TbsDataSkinCustomControl& definition);
    // Turns a requested size into the size the skin allows, refreshing the scaled
    // geometry on the way (a skinned control's ComputeSkinSize).
    void ComputeSkinSize(int32_t& width, int32_t& height);

    SkinGeometry Geometry() const;
    ScaledGeometry Scaled() const;
};

int32_t ResizeModeOf(const TRect& skinRect, const TPoint& rightTop, const TPoint& leftBottom, const TPoint& rightBottom);

// Pieces of a skin picture of any depth, drawn opaque into 32-bit pixels.
class DibPainter final : public SkinPainter {
public:
    DibPainter(const TDib& picture, const PixelImage& target) : picture_(picture), target_(target) {}
    void Copy(const TRect& target, const TRect& source) override;
    void Stretch(const TRect& target, const TRect& source) override;
    void SetClip(const TRect* clip) override;

private:
    const TDib& picture_;
    PixelImage target_;
    TRect clip_;
};

// The control image of `source` (the skin rectangle or another rectangle of the same
// size, such as a hot look) at width × height, by the shape's resize mode: a 1:1 copy
// (fixed), nine slices (both directions), three columns or three rows. Nothing for an
// empty skin rectangle.
void ComposeSkinImage(const TDib& picture, const TRect& source, const SkinShape& shape, int32_t width, int32_t height,
                      const PixelImage& target);
