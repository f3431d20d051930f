// One full paint of a Flat skinned check box (the page's background behind it, its
// glyph, its caption, the blit to the screen) against one BitBlt of the same area
// onto the same window; the two alternate in the same run.
// Output: "checkbox-paint <ours-us> <blit-us>" (medians, microseconds).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "framework/Application.h"
#include "framework/DcScopes.h"
#include "framework/DibSection.h"
#include "framework/Page.h"
#include "framework/Resources.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinCheckRadioBox.h"

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
        auto paint = [&] { box.Repaint(); };
        auto blit = [&] { BitBlt(target.Get(), 0, 0, 150, 25, source.DC(), 0, 0, SRCCOPY); };
        MicrosecondsPerCall(paint, 50); // warm both: fonts, caches
        MicrosecondsPerCall(blit, 50);
        std::vector<double> ours, reference;
        for (int round = 0; round < 30; ++round) {
            ours.push_back(MicrosecondsPerCall(paint, 100));
            reference.push_back(MicrosecondsPerCall(blit, 100));
        }
        std::printf("checkbox-paint %.1f %.1f\n", Median(ours), Median(reference));
    }
    application.Finalize();
    return 0;
}
