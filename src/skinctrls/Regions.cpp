#include "skinctrls/Regions.h"

#include <cstdlib>
#include <cstring>

#include "ui/DcScopes.h"
#include "ui/DibSection.h"

TbsFBitmap::TbsFBitmap(HBITMAP source)
{
    BITMAP info{};
    if (!source || !GetObjectW(source, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight == 0) return;
    Width = info.bmWidth;
    Height = std::abs(info.bmHeight);
    Gap = Width % 4;
    RowInc = Width * 3 + Gap;
    Size = RowInc * Height;
    BITMAPINFO header = TopDownBitmapInfo(Width, Height, 24);
    void* bits = nullptr;
    {
        const WindowDC screen(nullptr);
        section_ = CreateTopDownDibSection(Width, Height, 24, &bits, screen.Get());
        if (section_.Get()) GetDIBits(screen.Get(), source, 0, static_cast<UINT>(Height), bits, &header, DIB_RGB_COLORS);
        dc_ = MemoryDC(CreateCompatibleDC(screen.Get()));
    }
    if (!section_.Get()) {
        Width = Height = Gap = RowInc = Size = 0;
        return;
    }
    Bits = static_cast<uint8_t*>(bits);
    for (int i = 0; i < Height; ++i) Rows.push_back(Bits + static_cast<size_t>(i) * RowInc);
    if (dc_.Get()) selection_.emplace(dc_.Get(), section_.Get());
}

TbsFBitmap::~TbsFBitmap() = default;

MaskImage ReadMask(HBITMAP bitmap)
{
    const TbsFBitmap pixels(bitmap);
    if (!pixels.Bits) return {};
    MaskImage mask(pixels.Width, pixels.Height);
    std::memcpy(mask.Bits.data(), pixels.Bits, static_cast<size_t>(pixels.Size));
    return mask;
}

RegionHandle RegionFromData(const std::vector<std::byte>& data)
{
    if (data.empty()) return {};
    return RegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

RegionHandle RegionFromMask(HBITMAP mask) { return RegionFromMask(ReadMask(mask)); }

RegionHandle RegionFromMask(const MaskImage& mask) { return RegionFromData(BuildRegionData(mask, 0, 0)); }

RegionHandle FrameRegionFromMask(HBITMAP mask, const SkinGeometry& g, const ScaledGeometry& sc, int32_t w, int32_t h)
{
    return FrameRegionFromMask(ReadMask(mask), g, sc, w, h);
}

RegionHandle FrameRegionFromMask(const MaskImage& mask, const SkinGeometry& g, const ScaledGeometry& sc, int32_t w, int32_t)
{
    if (sc.RightTop.X < sc.LeftTop.X || sc.LeftBottom.Y < sc.LeftTop.Y) return {};
    if (mask.Empty()) return {};
    const MaskStrips strips = ComposeMaskStrips(mask, g, sc, w);
    const TRect& cs = sc.Client;
    RegionHandle pieces[] = {
        RegionFromData(BuildRegionData(strips.Top, 0, 0)),
        RegionFromData(BuildRegionData(strips.Bottom, 0, cs.Bottom)),
        RegionFromData(BuildRegionData(strips.Left, 0, cs.Top)),
        RegionFromData(BuildRegionData(strips.Right, cs.Right, cs.Top)),
        cs.IsEmpty() ? RegionHandle() : RegionHandle(CreateRectRgn(cs.Left, cs.Top, cs.Right, cs.Bottom)),
    };
    RegionHandle result;
    for (RegionHandle& piece : pieces) {
        if (!piece.Get()) continue;
        if (!result.Get()) {
            result = std::move(piece);
            continue;
        }
        CombineRgn(result.Get(), result.Get(), piece.Get(), RGN_OR);
    }
    return result;
}
