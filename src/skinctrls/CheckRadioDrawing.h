#pragma once
#include <string_view>

#include "base/Win32.h"

// Drawing pieces the check/radio box shares between its looks. Text is drawn in the
// context's current font and text colour, transparently.

// A non-empty text on one line, vertically centred in r.
void DrawTextVCentered(HDC dc, std::wstring_view text, const RECT& r);
// The hand-drawn tick: three strokes, each one pixel higher than the last.
void DrawCheckMark(HDC dc, int x, int y, COLORREF color);
// The radio dot: a 6 × 6 square, pen and brush in the colour.
void DrawRadioDot(HDC dc, int x, int y, COLORREF color);
// Every second pixel around r, in the colour.
void DrawDottedFocusFrame(HDC dc, const RECT& r, COLORREF color);
