#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "effects/EffectBmp.h"
#include "effects/PixelImage.h"
#include "skin/SkinDefinition.h"

class TDib;
class TbsDataSkinCheckRadioControl;

enum TCheckBoxState : uint8_t { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };

// What a check/radio box copies from its skin definition, with the fallbacks for
// the rectangles a skin may leave empty.
struct CheckRadioLook {
    TbsFontGroup Font;
    TColor ActiveFontColor = 0, FrameFontColor = 0, UnEnabledFontColor = 0;
    TRect ActiveSkinRect, CheckImageArea, TextArea;
    TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect, GrayedCheckImageRect, ActiveGrayedCheckImageRect;
    bool Morphing = false;
    int32_t MorphKind = 0;

    // A Flat box never morphs (it has no frame to morph).
    void CopyFrom(const TbsDataSkinCheckRadioControl& definition, const TRect& skinRect, bool flat);
};

// Which part of the skin picture a glyph comes from; Lighten asks for the grayed look
// made from a check glyph (the skin has no grayed picture of its own).
struct GlyphChoice {
    TRect Source;
    bool Lighten = false;
};
GlyphChoice ChooseGlyph(const CheckRadioLook& look, bool enabled, bool hot, TCheckBoxState state, bool checked);

// The glyph cut 1:1 out of the picture, lightened halfway to white when asked.
TbsEffectBmp CutGlyph(const TDib& picture, const GlyphChoice& choice);
// Draws the glyph with its bottom-left pixel's colour left out, clipped to the target.
void DrawKeyedGlyph(const TbsEffectBmp& glyph, const PixelImage& target, int32_t x, int32_t y);

// Where the framed look puts its glyph at a width d pixels wider than the skin: the
// glyph area (moved right with the width when the glyph sits right of the text),
// the glyph centred in it.
TRect CheckImagePlaceOf(const CheckRadioLook& look, int32_t d);

// One tick of the hover morph, from normal (0) to hot (1) in steps of 0.2.
struct MorphTick {
    double Position;
    bool Stop;    // the timer stops (and goes)
    bool Repaint;
};
MorphTick StepMorph(double position, bool hotOrFocused, bool active);

// The pixels of a dotted focus frame around r: every second pixel of the rectangle
// shrunk by one at the right and bottom, clockwise from the top-left corner, the
// pattern running on across corners (a corner drawn from both its edges comes twice);
// it starts with a gap when both sides of the shrunk rectangle are even.
std::vector<TPoint> DottedFocusFramePoints(const TRect& r);

// A 24-bit working copy of 32-bit pixels, and back (alpha 255).
TbsEffectBmp EffectBmpFromPixels(const PixelImage& pixels);
void CopyToPixels(const TbsEffectBmp& picture, const PixelImage& pixels);

// Whether key (a character code) is the caption's accelerator: the character after a
// single "&", letters compared without case.
bool IsAccelerator(std::string_view caption, unsigned key);
