#pragma once
#include <optional>

#include "base/Handles.h"
#include "base/Win32.h"
#include "skinctrls/Composition.h"
#include "ui/DcScopes.h"

// A fast 24-bit view of a bitmap: a top-down DIB section holding a copy of its pixels
// (read against the screen), with a row table and a memory device context.
class TbsFBitmap {
public:
    explicit TbsFBitmap(HBITMAP source);
    TbsFBitmap(const TbsFBitmap&) = delete;
    TbsFBitmap& operator=(const TbsFBitmap&) = delete;
    ~TbsFBitmap();

    int Width = 0, Height = 0;
    int Gap = 0;    // padding bytes a row: Width mod 4
    int RowInc = 0; // bytes a row: Width × 3 + Gap
    int Size = 0;   // RowInc × Height
    uint8_t* Bits = nullptr;
    std::vector<uint8_t*> Rows; // row i at Bits + i × RowInc; pixels blue, green, red
    HBITMAP Handle() const { return section_.Get(); }
    HDC DC() const { return dc_.Get(); }

private:
    BitmapHandle section_;
    MemoryDC dc_;
    std::optional<SelectedObject> selection_; // goes first: the section leaves the context

};

// A bitmap's pixels as 24-bit top-down rows, read through a TbsFBitmap.
MaskImage ReadMask(HBITMAP bitmap);
// A region from region data; none for no data.
RegionHandle RegionFromData(const std::vector<std::byte>& data);
// The region of a mask's black pixels; none for an empty mask.
RegionHandle RegionFromMask(HBITMAP mask);
RegionHandle RegionFromMask(const MaskImage& mask);
// The window region of a skinned control of width w and height h: the mask's frame
// strips at that size plus the client rectangle; none when the control is too small
// for its corners or nothing is left.
RegionHandle FrameRegionFromMask(HBITMAP mask, const SkinGeometry& g, const ScaledGeometry& scaled, int32_t w, int32_t h);
RegionHandle FrameRegionFromMask(const MaskImage& mask, const SkinGeometry& g, const ScaledGeometry& scaled, int32_t w,
                              int32_t h);
