// Streams in and paints the framework's sample page, against creating and painting a
// plain window that blits one bitmap; both alternate in the same run.
// Output: "page-stream-paint <ours-us> <reference-us> <ratio>": the medians in
// microseconds, and the median of each round's own ratio. The two runs of a round are
// milliseconds apart and meet the same load; a busy machine moves the medians of the
// whole run, the reference's even more than ours, as it is the shorter.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "SamplePage.h"
#include "ui/Application.h"
#include "ui/GdiObjects.h"

namespace {

using Clock = std::chrono::steady_clock;

struct PlainWindow {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        auto* source = reinterpret_cast<HDC>(GetWindowLongPtrW(window, GWLP_USERDATA));
        BitBlt(dc, 0, 0, 320, 200, source, 0, 0, SRCCOPY);
        EndPaint(window, &ps);
        return 0;
    }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain()
{
    Application& application = Application::Instance();
    application.Initialize();

    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainWindow::Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PlainBenchWindow";
    RegisterClassW(&wc);
    HDC screen = GetDC(nullptr);
    MemoryDC source(CreateCompatibleDC(screen));
    BitmapHandle bitmap(CreateCompatibleBitmap(screen, 320, 200));
    ReleaseDC(nullptr, screen);
    SelectObject(source.Get(), bitmap.Get());

    auto ours = [] {
        SamplePage page(Application::Instance());
        page.Show();
        UpdateWindow(page.Handle());
        for (HWND child = GetWindow(page.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            UpdateWindow(child);
        GdiFlush();
    };
    auto reference = [&] {
        HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 320, 200, application.Handle(),
                                      nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(source.Get()));
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        GdiFlush();
        DestroyWindow(window);
    };
    auto time = [](auto&& work) {
        const auto start = Clock::now();
        work();
        return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    };
    ours();
    reference(); // warm both
    std::vector<double> a, b, ratios;
    for (int i = 0; i < 40; ++i) {
        a.push_back(time(ours));
        b.push_back(time(reference));
        ratios.push_back(a.back() / b.back());
        application.ProcessMessages();
    }
    std::printf("page-stream-paint %.0f %.0f %.3f\n", Median(a), Median(b), Median(ratios));
    application.Finalize();
    return 0;
}
