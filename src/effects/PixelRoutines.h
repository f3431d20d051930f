#pragma once
#include <cstddef>
#include <cstdint>

// A pixel as stored: bytes blue, green, red, alpha (alpha in the top byte).
using TbsColor = uint32_t;

// A framework colour (red in the low byte) as a pixel's colour (blue low), alpha 0.
constexpr TbsColor SwapRedBlue(uint32_t color)
{
    return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

// The colour the colour-keyed modes leave out (red 127, green 0, blue 127; low 24 bits).
constexpr TbsColor TransparentKey = 0x7F007F;

// The innermost per-pixel loops, chosen once for the processor.
struct PixelRoutines {
    // n pixels; overlap allowed; nothing when source and destination are the same.
    void (*CopyLine)(const TbsColor* source, TbsColor* destination, size_t n);
    // Pixels other than TransparentKey, alpha forced to 255; key pixels leave the destination.
    void (*KeyCopyLine)(const TbsColor* source, TbsColor* destination, size_t n);
    // Alpha 0 keeps the destination, 255 takes the source, anything between blends.
    void (*BlendLine)(const TbsColor* source, TbsColor* destination, size_t n);
    void (*FillAlpha)(TbsColor* pixels, size_t n, uint8_t value);
};

// The two blends, one pixel at a time, as the formulas give them:
// plain: each colour (s·α + d·(255 − α)) >> 8, alpha 255;
// MMX kind: every channel, alpha too, (s·α + d·(256 − α)) >> 8.
void BlendLinePlain(const TbsColor* source, TbsColor* destination, size_t n);
void BlendLineMmx(const TbsColor* source, TbsColor* destination, size_t n);
// The MMX kind four pixels at a time with SSE2; the same results bit for bit.
void BlendLineMmxSse2(const TbsColor* source, TbsColor* destination, size_t n);
bool HasSse2();

// The table for a processor with or without MMX (the blend formula follows it).
PixelRoutines MakePixelRoutines(bool mmx);
// The table chosen at start for this processor.
const PixelRoutines& Routines();
