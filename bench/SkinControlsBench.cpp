// One full paint of a Flat skinned check box (the page's background behind it, its
// glyph, its caption, the blit to the window) against one BitBlt of the same area onto
// the same window, alternating in the same run; and the same paint reached through a
// WM_PAINT, whose delivery the system charges for.
// Output: "checkbox-paint <ours-us> <blit-us>", "checkbox-paint-message <us>" (medians).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "base/Resources.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinCheckRadioBox.h"
#include "ui/Application.h"
#include "ui/DcScopes.h"
#include "ui/DibSection.h"
#include "ui/Page.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Work>
double MicrosecondsPerCall(Work&& work, int calls)
{
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i) work();
    GdiFlush();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
}

} // namespace

int wmain()
{
    Application& application = Application::Instance();
    application.Initialize();
    {
        Page& page = application.CreatePage<Page>(400, 120);
        page.SetColor(RGB(0xF5, 0xF7, 0xFA));
        TbsCompressedStoredSkin stored;
        const auto bytes = RawResource(nullptr, "SKIN_BIN");
        stored.SetCompressedData(bytes);
        TbsSkinData data;
        data.SetCompressedStoredSkin(&stored);
        TbsSkinCheckRadioBox box(page);
        box.SetBounds(20, 40, 150, 25);
        box.SetCaption("生成桌面快捷方式");
        box.SetSkinData(&data);
        box.SetChecked(true);
        page.Show();
        application.ProcessMessages();

        const WindowDC target(box.Handle());
        OffscreenBitmap source(target.Get(), 150, 25);
        auto paint = [&] { box.PaintTo(target.Get()); };
        auto message = [&] { box.Repaint(); };
        auto blit = [&] { BitBlt(target.Get(), 0, 0, 150, 25, source.DC(), 0, 0, SRCCOPY); };
        MicrosecondsPerCall(paint, 50); // warm all three: fonts, caches
        MicrosecondsPerCall(message, 50);
        MicrosecondsPerCall(blit, 50);
        std::vector<double> ours, throughMessage, reference;
        for (int round = 0; round < 30; ++round) {
            ours.push_back(MicrosecondsPerCall(paint, 100));
            throughMessage.push_back(MicrosecondsPerCall(message, 100));
            reference.push_back(MicrosecondsPerCall(blit, 100));
        }
        std::printf("checkbox-paint %.1f %.1f\ncheckbox-paint-message %.1f\n", Median(ours), Median(reference),
                    Median(throughMessage));
    }
    application.Finalize();
    return 0;
}
