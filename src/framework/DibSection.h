#pragma once
#include "framework/Handles.h"
#include "framework/Win32.h"

// The header of a top-down, uncompressed device-independent bitmap.
BITMAPINFO TopDownBitmapInfo(int width, int height, WORD bitsPerPixel);
// A top-down DIB section (empty on failure) and, in *bits, its pixel memory.
GdiObject CreateTopDownDibSection(int width, int height, WORD bitsPerPixel, void** bits, HDC dc = nullptr);
