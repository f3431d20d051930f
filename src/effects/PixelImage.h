#pragma once
#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "effects/PixelRoutines.h"

// A view of 32-bit pixels, top-down, rows exactly Width pixels apart, with the two
// drawing flags of the alpha bitmap. The pixel algorithms of the alpha bitmap work on
// views so they run anywhere; the Windows bitmap supplies its DIB section's memory.
struct PixelImage {
    TbsColor* Bits = nullptr;
    int32_t Width = 0, Height = 0;
    bool AlphaBlend = false;
    bool Transparent = false;

    bool Empty() const { return Bits == nullptr || Width <= 0 || Height <= 0; }
    TbsColor* Row(int32_t y) const { return Bits + static_cast<size_t>(y) * Width; }
    TbsColor& At(int32_t x, int32_t y) const { return Row(y)[x]; }
};

// Pixels owned by a vector, for work areas and tests.
struct OwnedPixels {
    std::vector<TbsColor> Pixels;
    PixelImage Image;
    OwnedPixels(int32_t width, int32_t height)
        : Pixels(static_cast<size_t>(width) * height), Image{Pixels.data(), width, height}
    {
    }
};

// Nearest source position for each target position of [from, to) in a stretch of
// source span [sourceStart, sourceEnd) onto destination span [destStart, destEnd):
// a destination narrower than 2 samples the middle; otherwise
// round((x − destStart) × (source length − 1) / (destination length − 1) + sourceStart),
// ties to even.
std::vector<int32_t> StretchMap(int32_t from, int32_t to, int32_t destStart, int32_t destEnd, int32_t sourceStart,
                                int32_t sourceEnd);

// Draws S of source into D of target (clipped to the target) in the source's mode:
// alpha blend, colour key, or copy; nearest-neighbour when the sizes differ. A source
// rectangle outside the source draws nothing.
// A clip, when given, narrows the drawn part of the target further.
void DrawImage(const PixelImage& source, const PixelImage& target, const TRect& destination, const TRect& sourceRect,
               const PixelRoutines& routines = Routines(), const TRect* clip = nullptr);

void FlipVertical(const PixelImage& image);
// Flips, then fades alpha from the top: a := max(0, round(f × a) div k), f from 1 down
// by 2 / height per row; k is 3, or 4 for the dim kind. The lower half turns clear.
void MakeReflection(const PixelImage& image, bool dim = false);
// Whether some pixel has an alpha other than 0 and 255.
bool HasPartialAlpha(const PixelImage& image);
