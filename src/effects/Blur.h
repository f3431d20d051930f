#pragma once
#include "effects/PixelImage.h"

// The stack blur: a separable blur with triangular weights r + 1 − |k| over 2r + 1
// pixels (edges repeat the border pixel), rows first, then columns, on blue, green and
// red; sums are divided by (r + 1)² rounding down. Every output pixel costs the same
// whatever r is. Alphas become 255. Nothing happens when r ≤ 0.
void BlurBitmap(const PixelImage& image, int radius);
