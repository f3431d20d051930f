#pragma once
#include <string>

#include "effects/PixelImage.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinShape.h"
#include "ui/CustomControl.h"
#include "ui/Font.h"
#include "ui/GraphicControl.h"

class OffscreenBitmap;
class TDib;

// What lies behind a control, painted into dc (the control's size) the way its page
// would show it: the page's background and the graphic controls below the control.
void PaintParentBackground(const CustomControl& control, HDC dc);
void PaintParentBackground(const GraphicControl& control, HDC dc);

// A windowed control bound by name to one skin control definition of a skin data
// component. The definition is looked up again at every paint, so the control always
// shows whatever currently carries its name; without one it paints a default look.
class TbsSkinControl : public CustomControl, public SkinClient {
public:
    explicit TbsSkinControl(ControlHost& parent);
    ~TbsSkinControl() override;

    TbsSkinData* SkinData() const { return skinData_; }
    virtual void SetSkinData(TbsSkinData* data);
    const std::string& SkinDataName() const { return skinDataName_; }
    virtual void SetSkinDataName(std::string name) { skinDataName_ = std::move(name); }
    int SkinControlIndex = -1; // −1: unskinned

    // Stored for hints; nothing here shows them.
    std::string HintTitle;
    int HintImageIndex = 0;
    TComponent* HintImageList = nullptr;

    // True only while a WM_PAINT is being handled.
    bool PaintingFromPaintMessage() const { return fromPaintMessage_; }

    virtual void ReadSkinDefinition();
    void SkinChanged() override;
    void SkinChanging() override { SkinControlIndex = -1; }
    virtual void SkinChangeFinished() {}
    virtual void ParentBackgroundChanged() {}

    // SkinData (a component of the page, resolved once all are read), SkinDataName,
    // HintTitle, HintImageIndex, and the custom control's own.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    // Paints into the offscreen surface: the default look unskinned, the skin's look
    // otherwise. The surface is the control's size and reaches the screen in one blit.
    virtual void DrawDefaultImage(const OffscreenBitmap& surface) { (void)surface; }
    virtual void DrawSkinImage(const OffscreenBitmap& surface) { (void)surface; }
    void PaintOffscreen(const OffscreenBitmap& surface) override;
    // The default or the skin's look, by the definition last read.
    void DrawImage(const OffscreenBitmap& surface);
    void BackgroundChanged() override { ParentBackgroundChanged(); }
    void Notification(TComponent& removed) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TbsSkinData* skinData_ = nullptr;
    std::string skinDataName_;
    bool fromPaintMessage_ = false;
};

// Adds the picture geometry of the definition: the control's size and window shape
// follow the skin, and the skin picture is composed at the control's size.
class TbsSkinCustomControl : public TbsSkinControl {
public:
    explicit TbsSkinCustomControl(ControlHost& parent);

    int DefaultWidth() const { return defaultWidth_; }
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultWidth(int width);
    void SetDefaultHeight(int height);
    const FontSpec& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const FontSpec& font);
    bool UseSkinFont = true;

    SkinShape Shape;              // copied geometry, ResizeMode and the scaled geometry
    const TDib* Picture = nullptr; // entries of the skin's active pictures, not owned
    const TDib* Mask = nullptr;
    int ResizeMode() const { return SkinControlIndex == -1 ? -1 : Shape.ResizeMode; }

    void ReadSkinDefinition() override;
    void SkinChanged() override;
    // Every move or resize: a skin that fixes a size overrides the request.
    void SetBounds(int left, int top, int width, int height);
    virtual void ComputeSkinSize(int& width, int& height);
    virtual void UpdateWindowRegion();
    virtual void DefaultFontChanged() {}
    HRGN WindowRegion() const { return region_; }

    // DefaultFont* (FontName, FontHeight, FontColor, FontBold, FontUnderline),
    // DefaultWidth, DefaultHeight, UseSkinFont, Bounds, and the skin control's own.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

protected:
    void DrawDefaultImage(const OffscreenBitmap& surface) override;
    void DrawSkinImage(const OffscreenBitmap& surface) override;
    void PaintOffscreen(const OffscreenBitmap& surface) override;
    // Composes the control image of `source` (the skin rectangle or a look of the same
    // size) into the surface.
    void ComposeInto(const OffscreenBitmap& surface, const TRect& source) const;

private:
    bool Skinned() const { return SkinControlIndex != -1; }

    int defaultWidth_ = 0, defaultHeight_ = 0;
    FontSpec defaultFont_;
    HRGN region_ = nullptr; // the window's once set: the system deletes it when replaced
};

// The surface's pixels, for composition.
PixelImage PixelsOf(const OffscreenBitmap& surface);
// The skin font of a definition: its name, height and styles over `base`.
FontSpec SkinFont(const FontSpec& base, const std::string& name, int height, uint8_t styles);
// The character set skinned captions take: the skin data's resource strings' when it
// has them, otherwise the fallback's.
BYTE CaptionCharset(const TbsSkinData* data, BYTE fallback);
