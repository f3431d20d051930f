#include "skinctrls/Composition.h"

#include <cstring>

#include "base/Dib.h"

namespace {

TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) { return {left, top, right, bottom}; }

// A band is tiled when its edge flag is off, stretched when on.
void Band(SkinPainter& painter, bool stretch, bool horizontal, const TRect& target, const TRect& source)
{
    if (target.IsEmpty() || source.IsEmpty()) return;
    if (stretch) painter.Stretch(target, source);
    else if (horizontal) TileHorizontally(painter, target, source);
    else TileVertically(painter, target, source);
}

// Copies between masks; strips only ever copy.
class MaskPainter final : public SkinPainter {
public:
    MaskPainter(const MaskImage& from, MaskImage& to) : from_(from), to_(to) {}
    void Copy(const TRect& target, const TRect& source) override { to_.CopyFrom(from_, source, target.Left, target.Top); }
    void Stretch(const TRect& target, const TRect& source) override { Copy(target, source); }
    void SetClip(const TRect*) override {}

private:
    const MaskImage& from_;
    MaskImage& to_;
};

void CopyPiece(SkinPainter& painter, const TRect& target, const TRect& source)
{
    if (!target.IsEmpty() && !source.IsEmpty()) painter.Copy(target, source);
}

} // namespace

std::vector<Span> TileSpans(int32_t piece, int32_t a, int32_t b)
{
    std::vector<Span> spans;
    if (piece <= 0 || b <= a) return spans;
    for (int32_t i = 0; i <= (b - a) / piece; ++i) {
        const int32_t cut = std::max(0, a + (i + 1) * piece - b);
        if (piece - cut > 0) spans.push_back({a + i * piece, piece - cut});
    }
    return spans;
}

void TileHorizontally(SkinPainter& painter, const TRect& band, const TRect& source)
{
    for (const Span& s : TileSpans(source.Width(), band.Left, band.Right))
        painter.Copy(Rect(s.Start, band.Top, s.Start + s.Length, band.Top + source.Height()),
                     Rect(source.Left, source.Top, source.Left + s.Length, source.Bottom));
}

void TileVertically(SkinPainter& painter, const TRect& band, const TRect& source)
{
    for (const Span& s : TileSpans(source.Height(), band.Top, band.Bottom))
        painter.Copy(Rect(band.Left, s.Start, band.Left + source.Width(), s.Start + s.Length),
                     Rect(source.Left, source.Top, source.Right, source.Top + s.Length));
}

void ComposeNineSlice(SkinPainter& painter, const TRect& s, const SkinGeometry& g, const ScaledGeometry& sc,
                      int32_t w, int32_t h, bool drawClient)
{
    if (g.RightBottom.X == g.LeftTop.X || g.RightBottom.Y == g.LeftTop.Y || s.IsEmpty()) return;
    const TRect& c = g.Client;
    const TRect& cs = sc.Client;
    const int32_t sl = s.Left, st = s.Top, sw = s.Width(), sh = s.Height();
    // Edge bands.
    Band(painter, g.TopStretch, true, Rect(sc.LeftTop.X, 0, sc.RightTop.X, cs.Top),
         Rect(sl + g.LeftTop.X, st, sl + g.RightTop.X, st + c.Top));
    Band(painter, g.BottomStretch, true, Rect(sc.LeftBottom.X, cs.Bottom, sc.RightBottom.X, h),
         Rect(sl + g.LeftBottom.X, st + c.Bottom, sl + g.RightBottom.X, s.Bottom));
    Band(painter, g.LeftStretch, false, Rect(0, sc.LeftTop.Y, cs.Left, sc.LeftBottom.Y),
         Rect(sl, st + g.LeftTop.Y, sl + c.Left, st + g.LeftBottom.Y));
    Band(painter, g.RightStretch, false, Rect(cs.Right, sc.RightTop.Y, w, sc.RightBottom.Y),
         Rect(sl + c.Right, st + g.RightTop.Y, s.Right, st + g.RightBottom.Y));
    // Eight corner pieces, 1:1.
    auto corner = [&](const TRect& target, const TRect& source) { CopyPiece(painter, target, Offset(source, sl, st)); };
    corner(Rect(0, 0, sc.LeftTop.X, cs.Top), Rect(0, 0, g.LeftTop.X, c.Top));
    corner(Rect(0, cs.Top, cs.Left, sc.LeftTop.Y), Rect(0, c.Top, c.Left, g.LeftTop.Y));
    corner(Rect(sc.RightTop.X, 0, w, cs.Top), Rect(g.RightTop.X, 0, sw, c.Top));
    corner(Rect(cs.Right, cs.Top, w, sc.RightTop.Y), Rect(c.Right, c.Top, sw, g.RightTop.Y));
    corner(Rect(0, sc.LeftBottom.Y, cs.Left, h), Rect(0, g.LeftBottom.Y, c.Left, sh));
    corner(Rect(cs.Left, cs.Bottom, sc.LeftBottom.X, h), Rect(c.Left, c.Bottom, g.LeftBottom.X, sh));
    corner(Rect(sc.RightBottom.X, cs.Bottom, w, h), Rect(g.RightBottom.X, c.Bottom, sw, sh));
    corner(Rect(cs.Right, sc.RightBottom.Y, w, cs.Bottom), Rect(c.Right, g.RightBottom.Y, sw, c.Bottom));
    if (!drawClient) return;

    const TRect piece = Offset(c, sl, st);
    if (piece.IsEmpty()) return;
    if (g.StretchEffect && !cs.IsEmpty()) {
        if (g.StretchType == 0) {
            painter.Stretch(cs, piece);
            return;
        }
        painter.SetClip(&cs);
        if (g.StretchType == 1) {
            const int32_t strip = piece.Width();
            for (int32_t i = 0; i <= cs.Width() / strip; ++i)
                painter.Stretch(Rect(cs.Left + i * strip, cs.Top, cs.Left + (i + 1) * strip, cs.Bottom), piece);
        } else {
            const int32_t strip = piece.Height();
            for (int32_t i = 0; i <= cs.Height() / strip; ++i)
                painter.Stretch(Rect(cs.Left, cs.Top + i * strip, cs.Right, cs.Top + (i + 1) * strip), piece);
        }
        painter.SetClip(nullptr);
        return;
    }
    for (const Span& row : TileSpans(piece.Height(), cs.Top, cs.Bottom))
        TileHorizontally(painter, Rect(cs.Left, row.Start, cs.Right, row.Start + row.Length),
                         Rect(piece.Left, piece.Top, piece.Right, piece.Top + row.Length));
}

void ComposeHorizontalSlices(SkinPainter& painter, const TRect& s, int32_t l, int32_t r, int32_t w, bool stretch)
{
    const int32_t h = s.Height();
    if (l != 0) CopyPiece(painter, Rect(0, 0, l, h), Rect(s.Left, s.Top, s.Left + l, s.Bottom));
    if (r != 0) CopyPiece(painter, Rect(w - r, 0, w, h), Rect(s.Right - r, s.Top, s.Right, s.Bottom));
    Band(painter, stretch, true, Rect(l, 0, w - r, h), Rect(s.Left + l, s.Top, s.Right - r, s.Bottom));
}

void ComposeVerticalSlices(SkinPainter& painter, const TRect& s, int32_t t, int32_t b, int32_t h, bool stretch)
{
    const int32_t w = s.Width();
    if (t != 0) CopyPiece(painter, Rect(0, 0, w, t), Rect(s.Left, s.Top, s.Right, s.Top + t));
    if (b != 0) CopyPiece(painter, Rect(0, h - b, w, h), Rect(s.Left, s.Bottom - b, s.Right, s.Bottom));
    Band(painter, stretch, false, Rect(0, t, w, h - b), Rect(s.Left, s.Top + t, s.Right, s.Bottom - b));
}

MaskImage::MaskImage(int32_t width, int32_t height, uint8_t fill)
    : Width(std::max(0, width)), Height(std::max(0, height)), Bits(Stride() * static_cast<size_t>(Height), fill)
{
}

void MaskImage::CopyFrom(const MaskImage& from, const TRect& source, int32_t x, int32_t y)
{
    const TRect src = Intersect(source, {0, 0, from.Width, from.Height});
    if (src.IsEmpty()) return;
    const TRect dst = Intersect(Offset(src, x - source.Left, y - source.Top), {0, 0, Width, Height});
    for (int32_t row = dst.Top; row < dst.Bottom; ++row) {
        const int32_t sx = dst.Left - (x - source.Left), sy = row - (y - source.Top);
        std::memcpy(Row(row) + dst.Left * 3, from.Row(sy) + sx * 3, static_cast<size_t>(dst.Width()) * 3);
    }
}

std::vector<std::byte> BuildRegionData(const MaskImage& mask, int32_t dx, int32_t dy)
{
    if (mask.Empty()) return {};
    std::vector<int32_t> rects; // four numbers a rectangle; grows past any fixed count
    for (int32_t y = 0; y < mask.Height; ++y)
        for (int32_t x = 0; x < mask.Width;) {
            if (!mask.Black(x, y)) {
                ++x;
                continue;
            }
            const int32_t start = x;
            while (x < mask.Width && mask.Black(x, y)) ++x;
            rects.insert(rects.end(), {start + dx, y + dy, x + dx, y + dy + 1});
        }
    const uint32_t count = static_cast<uint32_t>(rects.size() / 4);
    std::vector<std::byte> data(32 + 16 * static_cast<size_t>(count)); // zero-filled
    const int32_t header[8] = {32, 1, static_cast<int32_t>(count), 0, dx, dy, dx + mask.Width, dy + mask.Height};
    std::memcpy(data.data(), header, sizeof header);
    if (count) std::memcpy(data.data() + 32, rects.data(), rects.size() * sizeof(int32_t));
    return data;
}

std::vector<TRect> RegionRectangles(std::span<const std::byte> data)
{
    std::vector<TRect> rects;
    if (data.size() < 32) return rects;
    int32_t count;
    std::memcpy(&count, data.data() + 8, 4);
    for (int32_t i = 0; i < count && 32 + 16 * static_cast<size_t>(i + 1) <= data.size(); ++i) {
        TRect r;
        std::memcpy(&r, data.data() + 32 + 16 * i, 16);
        rects.push_back(r);
    }
    return rects;
}

MaskStrips ComposeMaskStrips(const MaskImage& m, const SkinGeometry& g, const ScaledGeometry& sc, int32_t w)
{
    MaskStrips strips;
    const TRect& c = g.Client;
    const TRect& cs = sc.Client;
    // Strips are tiled by the same rule as images, copying mask pixels 1:1.
    auto tileDown = [&](MaskImage& strip, const TRect& piece) {
        MaskPainter painter(m, strip);
        TileVertically(painter, {0, 0, piece.Width(), strip.Height}, piece);
    };
    auto tileAcross = [&](MaskImage& strip, const TRect& piece, int32_t a, int32_t b) {
        MaskPainter painter(m, strip);
        TileHorizontally(painter, {a, 0, b, piece.Height()}, piece);
    };
    if (c.Left > 0 && cs.Height() > 0) {
        strips.Left = MaskImage(c.Left, cs.Height());
        tileDown(strips.Left, {0, g.LeftTop.Y, c.Left, g.LeftBottom.Y});
        strips.Left.CopyFrom(m, {0, c.Top, c.Left, g.LeftTop.Y}, 0, 0);
        strips.Left.CopyFrom(m, {0, g.LeftBottom.Y, c.Left, c.Bottom}, 0, strips.Left.Height - (c.Bottom - g.LeftBottom.Y));
    }
    if (m.Width - c.Right > 0 && cs.Height() > 0) {
        strips.Right = MaskImage(m.Width - c.Right, cs.Height());
        tileDown(strips.Right, {c.Right, g.RightTop.Y, m.Width, g.RightBottom.Y});
        strips.Right.CopyFrom(m, {c.Right, c.Top, m.Width, g.RightTop.Y}, 0, 0);
        strips.Right.CopyFrom(m, {c.Right, g.RightBottom.Y, m.Width, c.Bottom}, 0,
                              strips.Right.Height - (c.Bottom - g.RightBottom.Y));
    }
    if (w > 0 && c.Top > 0) {
        strips.Top = MaskImage(w, c.Top);
        tileAcross(strips.Top, {g.LeftTop.X, 0, g.RightTop.X, c.Top}, sc.LeftTop.X, sc.RightTop.X);
        strips.Top.CopyFrom(m, {0, 0, g.LeftTop.X, c.Top}, 0, 0);
        strips.Top.CopyFrom(m, {g.RightTop.X, 0, m.Width, c.Top}, sc.RightTop.X, 0);
    }
    if (w > 0 && m.Height - c.Bottom > 0) {
        strips.Bottom = MaskImage(w, m.Height - c.Bottom);
        tileAcross(strips.Bottom, {g.LeftBottom.X, c.Bottom, g.RightBottom.X, m.Height}, sc.LeftBottom.X,
                   sc.RightBottom.X);
        strips.Bottom.CopyFrom(m, {0, c.Bottom, g.LeftBottom.X, m.Height}, 0, 0);
        strips.Bottom.CopyFrom(m, {g.RightBottom.X, c.Bottom, m.Width, m.Height}, sc.RightBottom.X, 0);
    }
    return strips;
}

MaskImage MaskFromDib(const TDib& picture)
{
    MaskImage mask(picture.Width(), picture.Height());
    for (int32_t y = 0; y < mask.Height; ++y) {
        uint8_t* out = mask.Row(y);
        if (picture.BitsPerPixel() == 24) {
            std::memcpy(out, picture.Row(y).data(), static_cast<size_t>(mask.Width) * 3);
            continue;
        }
        for (int32_t x = 0; x < mask.Width; ++x, out += 3) {
            const uint32_t c = picture.Color(x, y); // 00BBGGRR
            out[0] = static_cast<uint8_t>(c >> 16);
            out[1] = static_cast<uint8_t>(c >> 8);
            out[2] = static_cast<uint8_t>(c);
        }
    }
    return mask;
}
