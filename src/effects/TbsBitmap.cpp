#include "effects/TbsBitmap.h"

#include <algorithm>
#include <vector>

#include "base/Dib.h"
#include "base/Exception.h"
#include "base/PngImage.h"
#include "ui/DcScopes.h"
#include "ui/DibSection.h"
#include "ui/PngBitmap.h"
#include "ui/SystemEntries.h"

namespace {

// Alpha bitmaps that hold a device context, in the order they got one.
std::vector<TbsBitmap*>& Registry()
{
    static std::vector<TbsBitmap*> registry;
    return registry;
}

bool ChooseSystemTransparentBlt()
{
    if (!BoundEntries().TransparentBlt) return false;
    const WindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES) > 23;
}

} // namespace

bool& TbsBitmap::UseSystemTransparentBlt()
{
    // Decided on first use rather than at program start, where it would load a
    // library and read the screen in every program that merely links this.
    static bool use = ChooseSystemTransparentBlt();
    return use;
}

TbsBitmap* FindBitmapByDC(HDC dc)
{
    for (TbsBitmap* bitmap : Registry())
        if (bitmap->DC() == dc) return bitmap;
    return nullptr;
}

TbsBitmap::TbsBitmap() = default;

TbsBitmap::~TbsBitmap()
{
    std::erase(Registry(), this);
    canvas_.reset();
    selection_.reset();
}

void TbsBitmap::SetSize(int width, int height)
{
    width = std::abs(width);
    height = std::abs(height);
    if (width == 0 || height == 0 || (width == width_ && height == height_ && !IsEmpty())) return;
    canvas_.reset();
    selection_.reset();
    dc_.Reset();
    section_.Reset();
    bits_ = nullptr;

    void* bits = nullptr;
    BitmapHandle section = CreateTopDownDibSection(width, height, 32, &bits);
    if (!section.Get()) throw Exception("Can't allocate the DIB handle");
    MemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc.Get()) throw Exception("Can't create compatible DC");
    section_ = std::move(section);
    dc_ = std::move(dc);
    selection_.emplace(dc_.Get(), section_.Get());
    if (!selection_->Selected()) {
        selection_.reset();
        dc_.Reset();
        section_.Reset();
        throw Exception("Can't bslect an object into DC");
    }
    bits_ = static_cast<TbsColor*>(bits);
    width_ = width;
    height_ = height;
    if (std::ranges::find(Registry(), this) == Registry().end()) Registry().push_back(this);
}

void TbsBitmap::SetPixel(int x, int y, TbsColor color)
{
    if (bits_ && x >= 0 && y >= 0 && x < width_ && y < height_) *PixelPtr(x, y) = color;
}

void TbsBitmap::CheckAlpha() { AlphaBlend = HasPartialAlpha(View()); }

void TbsBitmap::SetAlpha(uint8_t value)
{
    if (!IsEmpty()) Routines().FillAlpha(bits_, static_cast<size_t>(width_) * height_, value);
}

TCanvas& TbsBitmap::Canvas()
{
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(dc_.Get());
    return *canvas_;
}

void TbsBitmap::DrawAt(HDC dc, int x, int y) { DrawRect(dc, x, y, {0, 0, width_, height_}); }

void TbsBitmap::DrawRect(HDC dc, int x, int y, const TRect& s)
{
    StretchDrawDC(dc, {x, y, x + s.Width(), y + s.Height()}, s);
}

void TbsBitmap::DrawToBitmap(const TbsBitmap& target, const TRect& d, const TRect& s) const
{
    DrawImage(View(), target.View(), d, s);
}

void TbsBitmap::DrawThroughTemporary(HDC dc, const TRect& d, const TRect& s)
{
    TbsBitmap temporary;
    temporary.SetSize(d.Width(), d.Height());
    if (temporary.IsEmpty()) return;
    BitBlt(temporary.DC(), 0, 0, d.Width(), d.Height(), dc, d.Left, d.Top, SRCCOPY);
    DrawToBitmap(temporary, {0, 0, d.Width(), d.Height()}, s);
    BitBlt(dc, d.Left, d.Top, d.Width(), d.Height(), temporary.DC(), 0, 0, SRCCOPY);
}

void TbsBitmap::StretchDrawDC(HDC dc, const TRect& d, const TRect& s)
{
    if (IsEmpty()) return;
    if (const TbsBitmap* target = FindBitmapByDC(dc)) {
        POINT origin{};
        GetWindowOrgEx(dc, &origin);
        DrawToBitmap(*target, Offset(d, -origin.x, -origin.y), s);
    } else if (AlphaBlend) {
        DrawThroughTemporary(dc, d, s);
    } else if (Transparent) {
        if (UseSystemTransparentBlt() && BoundEntries().TransparentBlt)
            BoundEntries().TransparentBlt(dc, d.Left, d.Top, d.Width(), d.Height(), dc_.Get(), s.Left, s.Top, s.Width(),
                                         s.Height(), TransparentKey);
        else
            DrawThroughTemporary(dc, d, s);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, d.Left, d.Top, d.Width(), d.Height(), dc_.Get(), s.Left, s.Top, s.Width(), s.Height(), SRCCOPY);
    }
}

void TbsBitmap::Assign(const TbsBitmap& source)
{
    SetSize(source.width_, source.height_);
    if (IsEmpty() || source.IsEmpty()) return;
    Routines().CopyLine(source.bits_, bits_, static_cast<size_t>(width_) * height_);
    Name = source.Name;
    Transparent = source.Transparent;
    AlphaBlend = source.AlphaBlend;
}

void TbsBitmap::AssignBitmap(HBITMAP bitmap)
{
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return;
    SetSize(info.bmWidth, info.bmHeight);
    if (IsEmpty()) return;
    {
        MemoryDC source(CreateCompatibleDC(nullptr));
        SelectedObject selected(source.Get(), bitmap);
        BitBlt(dc_.Get(), 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
    }
    SetAlpha(255);
}

void TbsBitmap::LoadFromPngImage(const TbsPngImage& png)
{
    SetSize(png.Width(), png.Height());
    if (IsEmpty()) return;
    for (int y = 0; y < height_; ++y) {
        TbsColor* row = ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            const TbsColor alpha = png.HasAlpha() ? png.Alpha(x, y) : 255;
            row[x] = SwapRedBlue(png.Pixel(x, y)) | alpha << 24;
        }
    }
    CheckAlpha();
}

void TbsBitmap::Assign(const TDib& bitmap)
{
    SetSize(bitmap.Width(), bitmap.Height());
    if (IsEmpty()) return;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) *PixelPtr(x, y) = 0xFF000000u | SwapRedBlue(bitmap.Color(x, y));
}

void TbsBitmap::Assign(const TPngBitmap& graphic)
{
    SetSize(graphic.Width(), graphic.Height());
    if (IsEmpty()) return;
    constexpr TbsColor Magenta = 0xFF00FF;
    TbsBitmap canvas;
    canvas.SetSize(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) *canvas.PixelPtr(x, y) = 0xFF000000u | Magenta;
    const RECT all{0, 0, width_, height_};
    graphic.Draw(canvas.DC(), all);
    GdiFlush();
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if ((*canvas.PixelPtr(x, y) & 0xFFFFFF) != Magenta) SetPixel(x, y, *canvas.PixelPtr(x, y));
    SetAlpha(255);
}

BitmapHandle TbsBitmap::AssignToBitmap()
{
    if (IsEmpty()) return {};
    void* bits = nullptr;
    BitmapHandle bitmap = CreateTopDownDibSection(width_, height_, 32, &bits);
    if (!bitmap.Get()) return {};
    {
        MemoryDC dc(CreateCompatibleDC(nullptr));
        SelectedObject selected(dc.Get(), bitmap.Get());
        TCanvas canvas(dc.Get());
        DrawOnCanvas(canvas, 0, 0);
    }
    GdiFlush();
    return bitmap;
}
