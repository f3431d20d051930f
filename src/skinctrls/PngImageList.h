#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Component.h"
#include "base/PngImage.h"
#include "base/Win32.h"
#include "ui/PngBitmap.h"

#include <commctrl.h>

// One PNG picture of a collection, with its alpha intact, and the bitmaps it is drawn
// from (made on first use, dropped when the picture changes).
class TbsPngImageItem {
public:
    std::string Name;

    const TbsPngImage& PngImage() const { return image_; }
    void SetPngImage(const TbsPngImage& image);
    // Picture and Name from another item.
    void Assign(const TbsPngImageItem& other);
    std::string DisplayName(std::string_view collectionDefault) const { return Name.empty() ? std::string(collectionDefault) : Name; }

    // The picture scaled into r; a disabled one translucent (half its alpha).
    void Draw(HDC dc, const RECT& r, bool enabled) const;

    std::function<void()> OnChanged; // the collection's owner hears of every change

private:
    TbsPngImage image_;
    mutable std::unique_ptr<TPngBitmap> enabled_, disabled_;
};

// A storage item: any size, which it reports.
class TbsPngStorageImageItem : public TbsPngImageItem {
public:
    int PngWidth() const { return PngImage().Width(); }
    int PngHeight() const { return PngImage().Height(); }
};

// An owned, ordered collection of items; new items are named "PngImage<index>".
template <typename Item>
class TbsPngItemCollection {
public:
    size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    Item& operator[](size_t index) const { return *items_.at(index); }
    Item& Add();
    void Delete(size_t index);
    void Clear();
    // Copies every item of another collection.
    void Assign(const TbsPngItemCollection& other);

    // The owner keeps in step: after an item is added, before one is deleted.
    std::function<void(size_t index)> OnAdded, OnDeleting;
    std::function<void()> OnChanged;

private:
    std::vector<std::unique_ptr<Item>> items_;
};
using TbsPngImageItems = TbsPngItemCollection<TbsPngImageItem>;
using TbsPngStorageImageItems = TbsPngItemCollection<TbsPngStorageImageItem>;

// What a picture view draws from: a count of pictures, each drawn at (x, y).
class PngPictureSource {
public:
    virtual ~PngPictureSource() = default;
    virtual size_t PictureCount() const = 0;
    virtual const TbsPngImageItem& Picture(size_t index) const = 0;
    // The size picture `index` is drawn at.
    virtual SIZE PictureSize(size_t index) const = 0;
    virtual void Draw(HDC dc, int x, int y, size_t index, bool enabled) const = 0;
};

struct ImageListTraits {
    using Type = HIMAGELIST;
    static Type Empty() { return nullptr; }
    static void Close(Type h) { ImageList_Destroy(h); }
};
using ImageListHandle = UniqueHandle<ImageListTraits>;

// An image list whose pictures are PNG items, so alpha pictures draw as they are. The
// system image list it also is holds one blank placeholder per item, so its count
// always equals the number of pictures.
class TbsPngImageList : public TComponent, public PngPictureSource {
public:
    TbsPngImageList();

    TbsPngImageItems& PngImages() { return images_; }
    const TbsPngImageItems& PngImages() const { return images_; }
    void SetPngImages(const TbsPngImageItems& images) { images_.Assign(images); }

    int PngWidth() const { return width_; }
    int PngHeight() const { return height_; }
    // A new size drops every picture (unless the list is being loaded).
    void SetPngWidth(int width);
    void SetPngHeight(int height);

    // The system image list's own count.
    int ImageListCount() const { return ImageList_GetImageCount(list_.Get()); }
    HIMAGELIST Handle() const { return list_.Get(); }

    size_t PictureCount() const override { return images_.Count(); }
    const TbsPngImageItem& Picture(size_t index) const override { return images_[index]; }
    SIZE PictureSize(size_t) const override { return {width_, height_}; }
    void Draw(HDC dc, int x, int y, size_t index, bool enabled) const override;

    // PngWidth, PngHeight, PngImages <a.png> <b.png> … (items in order).
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

private:
    void Resize(int width, int height);

    int width_ = 16, height_ = 16;
    ImageListHandle list_;
    TbsPngImageItems images_;
};

// A plain holder of PNG pictures of any sizes.
class TbsPngImageStorage : public TComponent, public PngPictureSource {
public:
    TbsPngStorageImageItems& PngImages() { return images_; }
    const TbsPngStorageImageItems& PngImages() const { return images_; }

    size_t PictureCount() const override { return images_.Count(); }
    const TbsPngImageItem& Picture(size_t index) const override { return images_[index]; }
    SIZE PictureSize(size_t index) const override;
    void Draw(HDC dc, int x, int y, size_t index, bool enabled) const override;

    // PngImages <a.png> <b.png> …
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

private:
    TbsPngStorageImageItems images_;
};
