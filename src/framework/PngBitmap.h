#pragma once
#include <optional>

#include "framework/DcScopes.h"
#include "framework/Handles.h"

class TbsPngImage;

// A PNG picture made ready for drawing with its alpha: a premultiplied 32-bit DIB
// section in a memory device context of its own.
class TPngBitmap {
public:
    TPngBitmap() = default;
    explicit TPngBitmap(const TbsPngImage& image);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    // Blends the picture, at its natural size, with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y) const;
    // Blends the picture scaled into the rectangle.
    void Draw(HDC dc, const RECT& target) const;

private:
    int width_ = 0, height_ = 0;
    // In this order, so the bitmap leaves its context before either is deleted: the
    // system refuses to delete a selected bitmap, and it would stay behind.
    GdiObject bitmap_;
    MemoryDC dc_;
    std::optional<SelectedObject> selection_;
};
