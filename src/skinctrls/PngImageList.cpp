#include "skinctrls/PngImageList.h"

#include "skinctrls/Translucent.h"
#include "ui/GdiObjects.h"
#include "ui/PropertyReader.h"

namespace {

// The disabled look's alpha level: half.
constexpr uint8_t DisabledLevel = 127;

// Every <file> of the property, decoded, as the collection's items in order.
template <typename Items>
void ReadPictures(Items& items, const PageProperty& property, PropertyReader& loader)
{
    items.Clear();
    for (size_t i = 0; i < property.Values.size(); ++i) {
        const std::vector<std::byte> file = loader.File(property, i);
        try {
            items.Add().SetPngImage(TbsPngImage::FromPng(file));
        } catch (const std::exception& error) {
            loader.Fail(property, error.what(), i);
        }
    }
}

} // namespace

void TbsPngImageItem::SetPngImage(const TbsPngImage& image)
{
    image_ = image;
    enabled_.reset();
    disabled_.reset();
    if (OnChanged) OnChanged();
}

void TbsPngImageItem::Assign(const TbsPngImageItem& other)
{
    Name = other.Name;
    SetPngImage(other.image_);
}

void TbsPngImageItem::Draw(HDC dc, const RECT& r, bool enabled) const
{
    std::unique_ptr<TPngBitmap>& bitmap = enabled ? enabled_ : disabled_;
    if (!bitmap) {
        if (enabled) {
            bitmap = std::make_unique<TPngBitmap>(image_);
        } else {
            TbsPngImage translucent = image_;
            MakeTranslucent(translucent, DisabledLevel);
            bitmap = std::make_unique<TPngBitmap>(translucent);
        }
    }
    bitmap->Draw(dc, r);
}

template <typename Item>
Item& TbsPngItemCollection<Item>::Add()
{
    auto item = std::make_unique<Item>();
    item->Name = "PngImage" + std::to_string(items_.size());
    item->OnChanged = [this] {
        if (OnChanged) OnChanged();
    };
    items_.push_back(std::move(item));
    if (OnAdded) OnAdded(items_.size() - 1);
    return *items_.back();
}

template <typename Item>
void TbsPngItemCollection<Item>::Delete(size_t index)
{
    if (index >= items_.size()) return;
    if (OnDeleting) OnDeleting(index);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    if (OnChanged) OnChanged();
}

template <typename Item>
void TbsPngItemCollection<Item>::Clear()
{
    while (!items_.empty()) Delete(items_.size() - 1);
}

template <typename Item>
void TbsPngItemCollection<Item>::Assign(const TbsPngItemCollection& other)
{
    if (&other == this) return;
    Clear();
    for (const auto& item : other.items_) Add().Assign(*item);
}

template class TbsPngItemCollection<TbsPngImageItem>;
template class TbsPngItemCollection<TbsPngStorageImageItem>;

TbsPngImageList::TbsPngImageList() : list_(ImageList_Create(width_, height_, ILC_COLOR, 0, 4))
{
    images_.OnAdded = [this](size_t) {
        // A blank monochrome placeholder keeps the system list's count in step.
        BitmapHandle blank(CreateBitmap(width_, height_, 1, 1, nullptr));
        ImageList_Add(list_.Get(), blank.Get(), nullptr);
    };
    images_.OnDeleting = [this](size_t index) {
        if (static_cast<int>(index) < ImageListCount()) ImageList_Remove(list_.Get(), static_cast<int>(index));
    };
}

void TbsPngImageList::Resize(int width, int height)
{
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    // Resizing a system image list empties it: the pictures go too, except while the
    // list is being read, when its placeholders come back at the new size.
    ImageList_SetIconSize(list_.Get(), width_, height_);
    if (!IsLoading()) images_.Clear();
    for (size_t i = 0; i < images_.Count(); ++i) images_.OnAdded(i);
}

void TbsPngImageList::SetPngWidth(int width) { Resize(width, height_); }
void TbsPngImageList::SetPngHeight(int height) { Resize(width_, height); }

void TbsPngImageList::Draw(HDC dc, int x, int y, size_t index, bool enabled) const
{
    if (index >= images_.Count()) return;
    images_[index].Draw(dc, {x, y, x + width_, y + height_}, enabled);
}

bool TbsPngImageList::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "PngWidth") SetPngWidth(loader.Integer(property));
    else if (property.Name == "PngHeight") SetPngHeight(loader.Integer(property));
    else if (property.Name == "PngImages") ReadPictures(images_, property, loader);
    else return false;
    return true;
}

SIZE TbsPngImageStorage::PictureSize(size_t index) const
{
    const TbsPngStorageImageItem& item = images_[index];
    return {item.PngWidth(), item.PngHeight()};
}

void TbsPngImageStorage::Draw(HDC dc, int x, int y, size_t index, bool enabled) const
{
    if (index >= images_.Count()) return;
    const SIZE size = PictureSize(index);
    images_[index].Draw(dc, {x, y, x + size.cx, y + size.cy}, enabled);
}

bool TbsPngImageStorage::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name != "PngImages") return false;
    ReadPictures(images_, property, loader);
    return true;
}
