#pragma once
#include <memory>

#include "framework/GraphicControl.h"
#include "framework/PngBitmap.h"
#include "framework/PngImage.h"

// A PNG picture drawn at its natural size from the control's top-left corner, with its
// alpha; client-aligned or at its bounds.
class Picture : public GraphicControl {
public:
    explicit Picture(Page& parent);

    const TbsPngImage& Image() const { return image_; }
    void SetImage(TbsPngImage image);
    void CopyPictureFrom(const Picture& other);
    // Repaint as soon as the picture changes rather than with the next paint.
    bool IncrementalDisplay = false;

    void Paint(HDC dc) override;
    // Picture <file.png>, PictureFrom (another Picture of the page, copied once all
    // are read), IncrementalDisplay, and the graphic control's own.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

private:
    TbsPngImage image_;
    std::shared_ptr<const TPngBitmap> bitmap_; // shared by copies of the same picture
};
