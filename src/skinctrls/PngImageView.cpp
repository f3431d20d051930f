#include "skinctrls/PngImageView.h"

#include "skinctrls/SkinControl.h"
#include "ui/DibSection.h"
#include "ui/PropertyReader.h"

TbsPngImageView::TbsPngImageView(ControlHost& parent) : GraphicControl(parent) { SetSize(50, 50); }

const PngPictureSource* TbsPngImageView::Source() const
{
    const auto holds = [this](const PngPictureSource& source) {
        return imageIndex_ >= 0 && static_cast<size_t>(imageIndex_) < source.PictureCount();
    };
    if (storage_ && holds(*storage_)) return storage_;
    if (list_ && holds(*list_) && list_->PngWidth() > 0 && list_->PngHeight() > 0) return list_;
    return nullptr;
}

void TbsPngImageView::RebuildReflection()
{
    ReflectionBitmap.reset();
    const PngPictureSource* source = Source();
    if (!source) return;
    auto reflection = std::make_unique<TbsBitmap>();
    reflection->LoadFromPngImage(source->Picture(static_cast<size_t>(imageIndex_)).PngImage());
    if (reflection->IsEmpty()) return;
    if (Enabled()) reflection->MakeReflection();
    else reflection->MakeDimReflection();
    reflection->AlphaBlend = true;
    ReflectionBitmap = std::move(reflection);
}

void TbsPngImageView::ApplyAutoSize()
{
    if (!autoSize_) return;
    SIZE size{};
    const PngPictureSource* source = Source();
    if (source && source == storage_) {
        size = source->PictureSize(static_cast<size_t>(imageIndex_));
    } else if (list_) {
        size = {list_->PngWidth(), list_->PngHeight()};
    } else {
        return;
    }
    SetSize(size.cx, size.cy + (reflectionEffect_ ? size.cy / 2 + 5 : 0));
}

void TbsPngImageView::SetReflectionEffect(bool on)
{
    if (on == reflectionEffect_) return;
    reflectionEffect_ = on;
    if (on) RebuildReflection();
    else ReflectionBitmap.reset();
    ApplyAutoSize();
    Invalidate();
}

void TbsPngImageView::SetAutoSize(bool on)
{
    if (on == autoSize_) return;
    autoSize_ = on;
    ApplyAutoSize();
}

void TbsPngImageView::SetCenter(bool on)
{
    if (on == center_) return;
    center_ = on;
    Invalidate();
}

void TbsPngImageView::SetPngImageList(TbsPngImageList* list)
{
    Relink(list_, list);
}

void TbsPngImageView::SetPngImageStorage(TbsPngImageStorage* storage)
{
    Relink(storage_, storage);
}

void TbsPngImageView::Notification(TComponent& removed)
{
    if (&removed == list_) list_ = nullptr;
    if (&removed == storage_) storage_ = nullptr;
}

void TbsPngImageView::SetImageIndex(int index)
{
    if (index >= -1) imageIndex_ = index;
    if (storage_ || list_) {
        if (reflectionEffect_) RebuildReflection();
        ApplyAutoSize();
    }
    Invalidate();
}

void TbsPngImageView::SetEnabled(bool enabled)
{
    if (enabled == Enabled()) return;
    GraphicControl::SetEnabled(enabled);
    if (reflectionEffect_) RebuildReflection();
    Invalidate();
}

void TbsPngImageView::Loaded()
{
    if (reflectionEffect_) RebuildReflection();
    ApplyAutoSize();
}

void TbsPngImageView::Draw(HDC dc)
{
    const PngPictureSource* source = Source();
    if (!source) return;
    const auto index = static_cast<size_t>(imageIndex_);
    const SIZE size = source->PictureSize(index);
    int x = 0, y = 0;
    if (center_) {
        const int h = size.cy + (ReflectionBitmap ? size.cy / 2 : 0);
        x = Width() / 2 - size.cx / 2;
        y = Height() / 2 - h / 2;
    }
    source->Draw(dc, x, y, index, Enabled());
    if (ReflectionBitmap) ReflectionBitmap->DrawAt(dc, x, y + size.cy);
}

void TbsPngImageView::Paint(HDC dc)
{
    if (!DoubleBuffered) {
        Draw(dc);
        return;
    }
    PaintBuffered(dc, 0, 0, Width(), Height(), [this](HDC buffer) {
        PaintParentBackground(*this, buffer);
        Draw(buffer);
    });
}

bool TbsPngImageView::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    const std::string& name = property.Name;
    if (name == "DoubleBuffered") {
        DoubleBuffered = loader.Boolean(property);
    } else if (name == "ReflectionEffect") {
        SetReflectionEffect(loader.Boolean(property));
    } else if (name == "AutoSize") {
        SetAutoSize(loader.Boolean(property));
    } else if (name == "Center") {
        SetCenter(loader.Boolean(property));
    } else if (name == "ImageIndex") {
        SetImageIndex(loader.Integer(property));
    } else if (name == "PngImageList") {
        loader.Reference<TbsPngImageList>(property, [this](TbsPngImageList* list) { SetPngImageList(list); });
    } else if (name == "PngImageStorage") {
        loader.Reference<TbsPngImageStorage>(property, [this](TbsPngImageStorage* s) { SetPngImageStorage(s); });
    } else if (name == "Enabled") {
        SetEnabled(loader.Boolean(property));
    } else {
        return GraphicControl::SetProperty(property, loader);
    }
    return true;
}
