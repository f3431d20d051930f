#pragma once
#include <memory>

#include "effects/TbsBitmap.h"
#include "skinctrls/PngImageList.h"
#include "ui/GraphicControl.h"

// Shows one picture of a PNG image list or storage, with its alpha: optionally
// centred, double-buffered over a copy of what lies behind it, and with a mirrored
// reflection fading out below it.
class TbsPngImageView : public GraphicControl {
public:
    explicit TbsPngImageView(ControlHost& parent);

    bool DoubleBuffered = false;
    bool ReflectionEffect() const { return reflectionEffect_; }
    void SetReflectionEffect(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool Center() const { return center_; }
    void SetCenter(bool on);
    TbsPngImageList* PngImageList() const { return list_; }
    void SetPngImageList(TbsPngImageList* list);
    TbsPngImageStorage* PngImageStorage() const { return storage_; }
    void SetPngImageStorage(TbsPngImageStorage* storage);
    int ImageIndex() const { return imageIndex_; }
    // Values below −1 keep the index but still repaint.
    void SetImageIndex(int index);
    void SetEnabled(bool enabled);

    std::unique_ptr<TbsBitmap> ReflectionBitmap; // prepared reflection, if any

    void Paint(HDC dc) override;
    void Loaded() override;

    // DoubleBuffered, ReflectionEffect, AutoSize, Center, PngImageList, PngImageStorage
    // (components of the page), ImageIndex, and the graphic control's own.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    void Notification(TComponent& removed) override;

private:
    // The source that holds ImageIndex (storage first), or none.
    const PngPictureSource* Source() const;
    void RebuildReflection();
    void ApplyAutoSize();
    void Draw(HDC dc);

    bool reflectionEffect_ = false, autoSize_ = true, center_ = false;
    TbsPngImageList* list_ = nullptr;
    TbsPngImageStorage* storage_ = nullptr;
    int imageIndex_ = -1;
};
