#pragma once
#include <optional>

#include "base/Handles.h"
#include "ui/DcScopes.h"

class TbsPngImage;

// A PNG picture made ready for drawing with its alpha: a premultiplied 32-bit DIB
// section in a memory device context of its own. One whose every pixel is opaque is
// copied instead of blended.
class TPngBitmap {
public:
    TPngBitmap() = default;
    explicit TPngBitmap(const TbsPngImage& image);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    bool Opaque() const { return opaque_; }
    // Draws the picture, at its natural size, with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y) const;
    // Draws the picture scaled into the rectangle.
    void Draw(HDC dc, const RECT& target) const;

private:
    int width_ = 0, height_ = 0;
    bool opaque_ = false;
    // In this order, so the bitmap leaves its context before either is deleted: the
    // system refuses to delete a selected bitmap, and it would stay behind.
    BitmapHandle bitmap_;
    MemoryDC dc_;
    std::optional<SelectedObject> selection_;
};
