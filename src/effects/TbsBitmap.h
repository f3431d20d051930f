#pragma once
#include <memory>
#include <optional>
#include <string>

#include "base/Handles.h"
#include "base/Win32.h"
#include "effects/PixelImage.h"
#include "ui/Canvas.h"
#include "ui/DcScopes.h"

class TbsPngImage;
class TDib;
class TPngBitmap;

// The skinned controls' 32-bit bitmap: a top-down DIB section with per-pixel alpha and
// a memory device context, drawn onto device contexts or other alpha bitmaps by copy,
// colour key (TransparentKey) or alpha blend, with nearest-neighbour stretching.
class TbsBitmap {
public:
    TbsBitmap();
    TbsBitmap(const TbsBitmap&) = delete;
    TbsBitmap& operator=(const TbsBitmap&) = delete;
    ~TbsBitmap();

    std::string Name;
    bool AlphaBlend = false;
    bool Transparent = false;

    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC DC() const { return dc_.Get(); }
    bool IsEmpty() const { return section_.Get() == nullptr; }

    // Absolute values; a zero side or the current size changes nothing. Raises
    // Exception when the store or device context cannot be made, leaving it empty.
    void SetSize(int width, int height);
    TbsColor* ScanLine(int row) const { return bits_ + static_cast<size_t>(row) * width_; }
    TbsColor* PixelPtr(int x, int y) const { return bits_ + x + static_cast<size_t>(y) * width_; }
    void SetPixel(int x, int y, TbsColor color);
    // AlphaBlend := some pixel's alpha is neither 0 nor 255.
    void CheckAlpha();
    void SetAlpha(uint8_t value);
    TCanvas& Canvas();

    void DrawAt(HDC dc, int x, int y);
    void DrawRect(HDC dc, int x, int y, const TRect& source);
    // Onto another alpha bitmap's context: into its pixels; otherwise through a
    // temporary (blend), TransparentBlt (key) or StretchBlt (copy).
    void StretchDrawDC(HDC dc, const TRect& destination, const TRect& source);
    void DrawOnCanvas(TCanvas& canvas, int x, int y) { DrawAt(canvas.Handle(), x, y); }
    void DrawToBitmap(const TbsBitmap& target, const TRect& destination, const TRect& source) const;

    void FlipVertical() { ::FlipVertical(View()); }
    void MakeReflection() { ::MakeReflection(View(), false); }
    void MakeDimReflection() { ::MakeReflection(View(), true); }

    // Another alpha bitmap: pixels, name and both flags.
    void Assign(const TbsBitmap& source);
    // A device-dependent bitmap or the framework's own bitmap: copied opaque (alpha 255).
    void AssignBitmap(HBITMAP bitmap);
    void Assign(const TDib& bitmap);
    // Any other framework graphic: drawn onto magenta; pixels left magenta are not
    // taken (they keep what they held), the rest become opaque.
    void Assign(const TPngBitmap& graphic);
    void LoadFromPngImage(const TbsPngImage& png);
    // A 32-bit framework bitmap of this size with this one drawn on it in its current
    // mode (copy, key or blend onto the fresh, zeroed bitmap).
    BitmapHandle AssignToBitmap();

    PixelImage View() const { return {bits_, IsEmpty() ? 0 : width_, IsEmpty() ? 0 : height_, AlphaBlend, Transparent}; }

    // Whether keyed drawing uses the system's TransparentBlt: chosen once (available,
    // and a screen of more than 23 bits); tests may switch it.
    static bool& UseSystemTransparentBlt();

private:
    void DrawThroughTemporary(HDC dc, const TRect& destination, const TRect& source);

    TbsColor* bits_ = nullptr;
    int width_ = 0, height_ = 0;
    BitmapHandle section_;
    MemoryDC dc_;
    std::optional<SelectedObject> selection_; // the section leaves the context before either goes
    std::unique_ptr<TCanvas> canvas_;
};

// The alpha bitmap whose device context dc is, or null.
TbsBitmap* FindBitmapByDC(HDC dc);
