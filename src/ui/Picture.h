#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "base/PngImage.h"
#include "ui/GraphicControl.h"
#include "ui/PngBitmap.h"

// A PNG picture drawn at its natural size from the control's top-left corner, with its
// alpha; client-aligned or at its bounds.
class Picture : public GraphicControl {
public:
    explicit Picture(ControlHost& parent);

    // Decodes the picture the first time it is drawn or read.
    const TbsPngImage& Image() const;
    void SetImage(TbsPngImage image);
    void CopyPictureFrom(const Picture& other);
    // Repaint as soon as the picture changes rather than with the next paint.
    bool IncrementalDisplay = false;

    void Paint(HDC dc) override;
    // Picture <file.png>, PictureFrom (another Picture of the page, copied once all
    // are read), IncrementalDisplay, and the graphic control's own.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    // The picture as drawn: at its natural size, within the bounds.
    RECT FocusOutline() const override;

private:
    void Changed();

    // The picture as the page carries it, decoded when first drawn or read: an
    // unattended install never draws, and decoding was most of what building its
    // pages cost. Shared by copies of the same picture.
    struct Source {
        std::vector<std::byte> File; // until decoded
        std::optional<TbsPngImage> Image;
        std::unique_ptr<TPngBitmap> Bitmap;

        // Rows that prove damaged raise once; the picture is empty from then on.
        const TbsPngImage& Decoded();
        const TPngBitmap& Drawable();
    };
    std::shared_ptr<Source> source_;
};
