#include "skinctrls/CheckRadioLook.h"

#include <algorithm>

#include "base/Dib.h"
#include "skin/DataSkinControls.h"

void CheckRadioLook::CopyFrom(const TbsDataSkinCheckRadioControl& d, const TRect& skinRect, bool flat)
{
    Font = d.Font;
    ActiveFontColor = d.ActiveFontColor;
    FrameFontColor = d.FrameFontColor;
    UnEnabledFontColor = d.UnEnabledFontColor;
    ActiveSkinRect = d.ActiveSkinRect.IsEmpty() ? skinRect : d.ActiveSkinRect;
    CheckImageArea = d.CheckImageArea;
    TextArea = d.TextArea;
    CheckImageRect = d.CheckImageRect;
    UnCheckImageRect = d.UnCheckImageRect;
    auto orElse = [](const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; };
    ActiveCheckImageRect = orElse(d.ActiveCheckImageRect, CheckImageRect);
    ActiveUnCheckImageRect = orElse(d.ActiveUnCheckImageRect, UnCheckImageRect);
    UnEnabledCheckImageRect = orElse(d.UnEnabledCheckImageRect, CheckImageRect);
    UnEnabledUnCheckImageRect = orElse(d.UnEnabledUnCheckImageRect, UnCheckImageRect);
    Morphing = d.Morphing && !flat;
    MorphKind = static_cast<int32_t>(d.MorphKind);
    GrayedCheckImageRect = d.GrayedCheckImageRect;
    ActiveGrayedCheckImageRect = d.ActiveGrayedCheckImageRect;
}

GlyphChoice ChooseGlyph(const CheckRadioLook& look, bool enabled, bool hot, TCheckBoxState state, bool checked)
{
    if (state == cbGrayed) {
        if (look.GrayedCheckImageRect.IsEmpty()) {
            const TRect& check = !enabled ? look.UnEnabledCheckImageRect
                                 : hot    ? look.ActiveCheckImageRect
                                          : look.CheckImageRect;
            return {check, true};
        }
        const bool active = enabled && hot && !look.ActiveGrayedCheckImageRect.IsEmpty();
        return {active ? look.ActiveGrayedCheckImageRect : look.GrayedCheckImageRect, false};
    }
    if (!enabled) return {checked ? look.UnEnabledCheckImageRect : look.UnEnabledUnCheckImageRect};
    if (hot) return {checked ? look.ActiveCheckImageRect : look.ActiveUnCheckImageRect};
    return {checked ? look.CheckImageRect : look.UnCheckImageRect};
}

TbsEffectBmp CutGlyph(const TDib& picture, const GlyphChoice& choice)
{
    const TRect s = Intersect(choice.Source, {0, 0, picture.Width(), picture.Height()});
    TbsEffectBmp glyph(s.Width(), s.Height());
    for (int32_t y = 0; y < s.Height(); ++y) {
        uint8_t* out = glyph.Row(y).data();
        for (int32_t x = 0; x < s.Width(); ++x, out += 3) {
            const uint32_t c = picture.Color(s.Left + x, s.Top + y); // 00BBGGRR
            out[0] = static_cast<uint8_t>(c >> 16);
            out[1] = static_cast<uint8_t>(c >> 8);
            out[2] = static_cast<uint8_t>(c);
        }
    }
    if (choice.Lighten) glyph.Lighten(0.5);
    return glyph;
}

void DrawKeyedGlyph(const TbsEffectBmp& glyph, const PixelImage& target, int32_t x, int32_t y)
{
    if (glyph.Width() <= 0 || glyph.Height() <= 0 || target.Empty()) return;
    auto pixel = [](const uint8_t* p) { return 0xFF000000u | static_cast<TbsColor>(p[2]) << 16 | p[1] << 8 | p[0]; };
    const TbsColor key = pixel(glyph.Row(glyph.Height() - 1).data());
    const TRect area = Intersect({x, y, x + glyph.Width(), y + glyph.Height()}, {0, 0, target.Width, target.Height});
    for (int32_t ty = area.Top; ty < area.Bottom; ++ty) {
        const uint8_t* in = glyph.Row(ty - y).data();
        TbsColor* out = target.Row(ty);
        for (int32_t tx = area.Left; tx < area.Right; ++tx) {
            const TbsColor c = pixel(in + (tx - x) * 3);
            if (c != key) out[tx] = c;
        }
    }
}

TRect CheckImagePlaceOf(const CheckRadioLook& look, int32_t d)
{
    TRect area = look.CheckImageArea;
    if (look.TextArea.Right < area.Right) area = Offset(area, d, 0);
    const int32_t w = look.CheckImageRect.Width(), h = look.CheckImageRect.Height();
    const int32_t left = area.Left + area.Width() / 2 - w / 2, top = area.Top + area.Height() / 2 - h / 2;
    return {left, top, left + w, top + h};
}

MorphTick StepMorph(double position, bool hot, bool active)
{
    if (!active) return {hot ? 1.0 : 0.0, true, false};
    if (hot && position < 1) return {position + 0.2, false, true};
    if (hot || position <= 0) return {hot ? 1.0 : 0.0, true, true};
    return {position - 0.2, false, true};
}

std::vector<TPoint> DottedFocusFramePoints(const TRect& r)
{
    const int32_t left = r.Left, top = r.Top, right = r.Right - 1, bottom = r.Bottom - 1;
    std::vector<TPoint> points;
    if (right < left || bottom < top) return points;
    bool on = !((right - left) % 2 == 0 && (bottom - top) % 2 == 0);
    auto visit = [&](int32_t x, int32_t y) {
        if (on) points.push_back({x, y});
        on = !on;
    };
    for (int32_t x = left; x <= right; ++x) visit(x, top);
    for (int32_t y = top; y <= bottom; ++y) visit(right, y);
    for (int32_t x = right; x >= left; --x) visit(x, bottom);
    for (int32_t y = bottom; y >= top; --y) visit(left, y);
    return points;
}

TbsEffectBmp EffectBmpFromPixels(const PixelImage& pixels)
{
    TbsEffectBmp picture(pixels.Width, pixels.Height);
    for (int32_t y = 0; y < pixels.Height; ++y) {
        const TbsColor* in = pixels.Row(y);
        uint8_t* out = picture.Row(y).data();
        for (int32_t x = 0; x < pixels.Width; ++x, out += 3) {
            out[0] = static_cast<uint8_t>(in[x]);
            out[1] = static_cast<uint8_t>(in[x] >> 8);
            out[2] = static_cast<uint8_t>(in[x] >> 16);
        }
    }
    return picture;
}

void CopyToPixels(const TbsEffectBmp& picture, const PixelImage& pixels)
{
    const int32_t w = std::min(picture.Width(), pixels.Width), h = std::min(picture.Height(), pixels.Height);
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* in = picture.Row(y).data();
        TbsColor* out = pixels.Row(y);
        for (int32_t x = 0; x < w; ++x, in += 3)
            out[x] = 0xFF000000u | static_cast<TbsColor>(in[2]) << 16 | static_cast<TbsColor>(in[1]) << 8 | in[0];
    }
}

bool IsAccelerator(std::string_view caption, unsigned key)
{
    auto upper = [](unsigned c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return upper(static_cast<unsigned char>(caption[i + 1])) == upper(key);
    }
    return false;
}
