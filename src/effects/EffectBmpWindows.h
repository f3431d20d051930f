#pragma once
#include "base/Win32.h"
#include "effects/EffectBmp.h"

// A bitmap of any kind as a 24-bit working copy (the bitmap is not kept), and drawing
// one unscaled at (x, y).
TbsEffectBmp EffectBmpFromBitmap(HBITMAP bitmap);
void DrawEffectBmp(const TbsEffectBmp& picture, HDC dc, int x, int y);
