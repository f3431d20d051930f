#pragma once
#include "framework/Handles.h"
#include "framework/Win32.h"
#include "skinctrls/Composition.h"

// A bitmap's pixels as 24-bit top-down rows, read against the screen.
MaskImage ReadMask(HBITMAP bitmap);
// A region from region data; none for no data.
GdiObject RegionFromData(const std::vector<std::byte>& data);
// The region of a mask's black pixels; none for an empty mask.
GdiObject RegionFromMask(HBITMAP mask);
// The window region of a skinned control of width w and height h: the mask's frame
// strips at that size plus the client rectangle; none when the control is too small
// for its corners or nothing is left.
GdiObject FrameRegionFromMask(HBITMAP mask, const SkinGeometry& g, const ScaledGeometry& scaled, int32_t w, int32_t h);
