#include "skinctrls/Regions.h"

MaskImage ReadMask(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return {};
    MaskImage mask(info.bmWidth, info.bmHeight);
    BITMAPINFO header{};
    header.bmiHeader = {sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), mask.Bits.data(), &header,
                               DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == info.bmHeight ? mask : MaskImage();
}

GdiObject RegionFromData(const std::vector<std::byte>& data)
{
    if (data.empty()) return {};
    return GdiObject(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

GdiObject RegionFromMask(HBITMAP mask) { return RegionFromData(BuildRegionData(ReadMask(mask), 0, 0)); }

GdiObject FrameRegionFromMask(HBITMAP maskBitmap, const SkinGeometry& g, const ScaledGeometry& sc, int32_t w, int32_t)
{
    if (sc.RightTop.X < sc.LeftTop.X || sc.LeftBottom.Y < sc.LeftTop.Y) return {};
    const MaskImage mask = ReadMask(maskBitmap);
    if (mask.Empty()) return {};
    const MaskStrips strips = ComposeMaskStrips(mask, g, sc, w);
    const TRect& cs = sc.Client;
    GdiObject pieces[] = {
        RegionFromData(BuildRegionData(strips.Top, 0, 0)),
        RegionFromData(BuildRegionData(strips.Bottom, 0, cs.Bottom)),
        RegionFromData(BuildRegionData(strips.Left, 0, cs.Top)),
        RegionFromData(BuildRegionData(strips.Right, cs.Right, cs.Top)),
        cs.IsEmpty() ? GdiObject() : GdiObject(CreateRectRgn(cs.Left, cs.Top, cs.Right, cs.Bottom)),
    };
    GdiObject result;
    for (GdiObject& piece : pieces) {
        if (!piece.Get()) continue;
        if (!result.Get()) {
            result = std::move(piece);
            continue;
        }
        CombineRgn(static_cast<HRGN>(result.Get()), static_cast<HRGN>(result.Get()), static_cast<HRGN>(piece.Get()), RGN_OR);
    }
    return result;
}
