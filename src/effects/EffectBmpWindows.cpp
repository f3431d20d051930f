#include "effects/EffectBmpWindows.h"

#include <cstdlib>

#include "ui/DcScopes.h"
#include "ui/DibSection.h"

TbsEffectBmp EffectBmpFromBitmap(HBITMAP bitmap)
{
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return TbsEffectBmp(0, 0);
    TbsEffectBmp picture(info.bmWidth, std::abs(info.bmHeight));
    BITMAPINFO header = TopDownBitmapInfo(picture.Width(), picture.Height(), 24);
    const WindowDC screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(picture.Height()), picture.Bits(), &header, DIB_RGB_COLORS);
    return picture;
}

void DrawEffectBmp(const TbsEffectBmp& picture, HDC dc, int x, int y)
{
    const BITMAPINFO header = TopDownBitmapInfo(picture.Width(), picture.Height(), 24);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.Width()), static_cast<DWORD>(picture.Height()), 0, 0, 0,
                      static_cast<UINT>(picture.Height()), picture.Bits(), &header, DIB_RGB_COLORS);
}
