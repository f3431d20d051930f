#pragma once
#include <string_view>

#include "ui/Canvas.h"

// Draws text in rectangle r of the canvas with a soft halo of colour glowColor (an
// explicit RGB value) g pixels wide, offset by o: the text is drawn five times
// (thickened one pixel each way) in red into an alpha bitmap, blurred by g, its red
// made the alpha of a one-colour layer, blended onto the canvas, then the text is
// drawn on top in the canvas's own font and colour. Returns the text height.
int DrawGlowText(TCanvas& canvas, RECT r, std::string_view text, int g, COLORREF glowColor, int o, UINT format);
