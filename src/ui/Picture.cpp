#include "ui/Picture.h"

#include <algorithm>

#include "base/Exception.h"
#include "ui/ControlHost.h"
#include "ui/PropertyReader.h"

Picture::Picture(ControlHost& parent) : GraphicControl(parent) {}

const TbsPngImage& Picture::Source::Decoded()
{
    if (!Image) {
        const std::vector<std::byte> file = std::move(File);
        Image.emplace(); // what stays should the rows prove damaged
        Image = TbsPngImage::FromPng(file);
    }
    return *Image;
}

const TPngBitmap& Picture::Source::Drawable()
{
    if (!Bitmap) {
        const TbsPngImage& image = Decoded();
        Bitmap = std::make_unique<TPngBitmap>(); // what stays should the system refuse the bitmap
        Bitmap = std::make_unique<TPngBitmap>(image);
    }
    return *Bitmap;
}

const TbsPngImage& Picture::Image() const
{
    static const TbsPngImage none;
    return source_ ? source_->Decoded() : none;
}

void Picture::SetImage(TbsPngImage image)
{
    source_ = std::make_shared<Source>();
    source_->Image = std::move(image);
    Changed();
}

void Picture::CopyPictureFrom(const Picture& other)
{
    source_ = other.source_;
    Changed();
}

void Picture::Changed()
{
    Invalidate();
    if (IncrementalDisplay) UpdateWindow(Parent().Handle());
}

void Picture::Paint(HDC dc)
{
    if (source_) source_->Drawable().Draw(dc, 0, 0);
}

RECT Picture::FocusOutline() const
{
    RECT r = Bounds();
    const TbsPngImage& image = Image();
    if (image.Width() > 0 && image.Height() > 0) {
        r.right = std::min<LONG>(r.right, r.left + image.Width());
        r.bottom = std::min<LONG>(r.bottom, r.top + image.Height());
    }
    return r;
}

bool Picture::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "Picture") {
        std::vector<std::byte> file = loader.File(property);
        try {
            TbsPngImage::CheckHeader(file);
        } catch (const Exception& error) {
            loader.Fail(property, error.Message());
        }
        source_ = std::make_shared<Source>();
        source_->File = std::move(file);
        Changed();
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
