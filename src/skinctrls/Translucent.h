#pragma once
#include <cstdint>

class TbsPngImage;

// The disabled look of a picture: alpha scaled by (level + 1) / 256, rounded to
// nearest with ties to even (127 halves it), fully transparent pixels kept clear. A
// picture without an alpha channel gets one; grey and palette pictures become RGB.
void MakeTranslucent(TbsPngImage& picture, uint8_t level);
