#include "framework/Picture.h"

#include "framework/Page.h"
#include "framework/Exception.h"
#include "framework/PropertyReader.h"

Picture::Picture(Page& parent) : GraphicControl(parent) {}

void Picture::SetImage(TbsPngImage image)
{
    image_ = std::move(image);
    bitmap_ = std::make_shared<const TPngBitmap>(image_);
    Invalidate();
    if (IncrementalDisplay) UpdateWindow(Parent().Handle());
}

void Picture::CopyPictureFrom(const Picture& other)
{
    image_ = other.image_;
    bitmap_ = other.bitmap_;
    Invalidate();
    if (IncrementalDisplay) UpdateWindow(Parent().Handle());
}

void Picture::Paint(HDC dc)
{
    if (bitmap_) bitmap_->Draw(dc, 0, 0);
}

bool Picture::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "Picture") {
        const std::vector<std::byte> file = loader.File(property);
        try {
            SetImage(TbsPngImage::FromPng(file));
        } catch (const Exception& error) {
            loader.Fail(property, error.Message());
        }
    } else if (property.Name == "PictureFrom") {
        loader.Later([this, &property, &loader] {
            auto* picture = dynamic_cast<Picture*>(&loader.Component(property));
            if (!picture) loader.Fail(property, "PictureFrom names a Picture");
            CopyPictureFrom(*picture);
        });
    } else if (property.Name == "IncrementalDisplay") {
        IncrementalDisplay = loader.Boolean(property);
    } else {
        return GraphicControl::SetProperty(property, loader);
    }
    return true;
}
