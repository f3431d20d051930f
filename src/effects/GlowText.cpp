#include "effects/GlowText.h"

#include <optional>

#include "base/WinStrings.h"
#include "effects/Blur.h"
#include "effects/TbsBitmap.h"
#include "ui/DcScopes.h"

int DrawGlowText(TCanvas& canvas, RECT r, std::string_view text, int g, COLORREF glowColor, int o, UINT format)
{
    {
        TbsBitmap layer;
        layer.SetSize(r.right - r.left + 2 * g, r.bottom - r.top + 2 * g);
        if (!layer.IsEmpty()) {
            const HDC dc = layer.DC();
            std::optional<SelectedObject> font(std::in_place, dc, GetCurrentObject(canvas.Handle(), OBJ_FONT));
            SetTextColor(dc, RGB(255, 0, 0));
            SetBkMode(dc, TRANSPARENT);
            const std::wstring wide = ToWide(text);
            const RECT q{g, g, layer.Width() - g, layer.Height() - g};
            for (POINT shift : {POINT{0, 0}, POINT{-1, 0}, POINT{1, 0}, POINT{0, -1}, POINT{0, 1}}) {
                RECT pass{q.left + shift.x, q.top + shift.y, q.right + shift.x, q.bottom + shift.y};
                DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &pass, format);
            }
            font.reset();
            GdiFlush(); // the text must be in the pixels before they are read
            BlurBitmap(layer.View(), g);
            const TbsColor colour = SwapRedBlue(glowColor);
            for (int y = 0; y < layer.Height(); ++y) {
                TbsColor* row = layer.ScanLine(y);
                for (int x = 0; x < layer.Width(); ++x) row[x] = (row[x] >> 16 & 0xFF) << 24 | colour;
            }
            layer.AlphaBlend = true;
            layer.DrawOnCanvas(canvas, r.left - g + o, r.top - g + o);
        }
    }
    return canvas.DrawText(text, r, format);
}
