#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/Geometry.h"

// Building a control's image of any size from its look stored once in a skin picture:
// corners copied 1:1, edges and the client piece tiled or stretched.

// What composition draws with; the Windows build draws with GDI, tests with pixels.
class SkinPainter {
public:
    virtual ~SkinPainter() = default;
    virtual void Copy(const TRect& target, const TRect& source) = 0; // equal sizes
    virtual void Stretch(const TRect& target, const TRect& source) = 0;
    virtual void SetClip(const TRect* clip) = 0; // none when null
};

// The skin points (relative to the source rectangle's top-left), client rectangle and
// flags; stretch type 0 stretches, 1 repeats a vertical strip, 2 a horizontal one.
struct SkinGeometry {
    TPoint LeftTop, RightTop, LeftBottom, RightBottom;
    TRect Client;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false;
    int StretchType = 0;
};
// The same points and client rectangle at the target size.
struct ScaledGeometry {
    TPoint LeftTop, RightTop, LeftBottom, RightBottom;
    TRect Client;
};

// A piece of length p into the band [a, b): copies at a, a + p, …, the last cut where
// it passes b. Each entry is (start, length).
struct Span {
    int32_t Start, Length;
    bool operator==(const Span&) const = default;
};
std::vector<Span> TileSpans(int32_t piece, int32_t a, int32_t b);

void TileHorizontally(SkinPainter& painter, const TRect& band, const TRect& source);
void TileVertically(SkinPainter& painter, const TRect& band, const TRect& source);

// The W × H image of source rectangle s of a picture (the painter's source).
void ComposeNineSlice(SkinPainter& painter, const TRect& s, const SkinGeometry& g, const ScaledGeometry& scaled,
                      int32_t width, int32_t height, bool drawClient);
// W × (s height): left l and right r columns kept, the middle tiled or stretched.
void ComposeHorizontalSlices(SkinPainter& painter, const TRect& s, int32_t left, int32_t right, int32_t width,
                             bool stretch);
// (s width) × H: top t and bottom b rows kept, the middle tiled or stretched.
void ComposeVerticalSlices(SkinPainter& painter, const TRect& s, int32_t top, int32_t bottom, int32_t height,
                           bool stretch);

// A 24-bit top-down picture as masks are read: 3 bytes blue, green, red a pixel, rows
// padded by Width mod 4 bytes.
struct MaskImage {
    int32_t Width = 0, Height = 0;
    std::vector<uint8_t> Bits;
    MaskImage() = default;
    MaskImage(int32_t width, int32_t height, uint8_t fill = 0xFF);
    size_t Stride() const { return static_cast<size_t>(Width) * 3 + static_cast<size_t>(Width % 4); }
    uint8_t* Row(int32_t y) { return Bits.data() + Stride() * static_cast<size_t>(y); }
    const uint8_t* Row(int32_t y) const { return Bits.data() + Stride() * static_cast<size_t>(y); }
    bool Empty() const { return Width <= 0 || Height <= 0; }
    bool Black(int32_t x, int32_t y) const
    {
        const uint8_t* p = Row(y) + x * 3;
        return p[0] == 0 && p[1] == 0 && p[2] == 0;
    }
    // Copies the part source of from, 1:1, with its top-left at (x, y), clipped.
    void CopyFrom(const MaskImage& from, const TRect& source, int32_t x, int32_t y);
};

// A skin mask picture of any depth in the form masks are read in.
class TDib;
MaskImage MaskFromDib(const TDib& picture);

// The platform's region data: a 32-byte header (size 32, type 1, count, 0, bounds)
// and one 16-byte rectangle per run of black pixels in a row, offset by (dx, dy).
// The rectangle store grows as needed. An empty mask gives no data.
std::vector<std::byte> BuildRegionData(const MaskImage& mask, int32_t dx, int32_t dy);
// The rectangles of region data (for checking it).
std::vector<TRect> RegionRectangles(std::span<const std::byte> data);

// The frame of a mask at the target size, as four strips (empty when they have no size).
struct MaskStrips {
    MaskImage Left, Right, Top, Bottom;
};
MaskStrips ComposeMaskStrips(const MaskImage& mask, const SkinGeometry& g, const ScaledGeometry& scaled,
                             int32_t width);
