#pragma once
#include <string_view>

#include "framework/Win32.h"

// Drawn stand-ins for the page artwork: a branded backdrop, a button face and the
// close and minimise marks, in the product's colours.
void PaintPlainBackground(HDC dc, const RECT& client, std::string_view title, std::string_view subtitle);
void PaintPlainButton(HDC dc, const RECT& bounds, std::string_view caption);
void PaintCloseMark(HDC dc, const RECT& bounds);
void PaintMinimizeMark(HDC dc, const RECT& bounds);
