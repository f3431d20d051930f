// The installer's start to the options page's first complete paint, in a process of
// its own, as the installer's entry makes it: the application, the
// page streamed in with its skin, shown and painted. Then the same skin loaded once
// more, for its share.
// Output: "startup-to-first-paint <us since process creation>" and
// "startup-skin-load <us>".
#include <chrono>
#include <cstdio>

#include "base/Resources.h"
#include "base/SystemLibrary.h"
#include "install/Product.h"
#include "pages/TForm1.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "ui/Application.h"

namespace {

// Microseconds since this process was created.
double SinceCreation()
{
    FILETIME creation, exit, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](FILETIME t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(now) - ticks(creation)) / 10.0;
}

void PaintNow(HWND window)
{
    UpdateWindow(window);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) UpdateWindow(child);
    GdiFlush();
}

} // namespace

int wmain()
{
    RestrictLibrarySearch();
    Application& application = Application::Instance();
    application.Initialize();
    application.SetTitle(product::SetupTitle);
    TForm1& page = application.CreatePage<TForm1>();
    application.SetMainPage(page);
    page.Show();
    PaintNow(page.Handle());
    const double firstPaint = SinceCreation();

    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(RawResource(nullptr, "SKIN_BIN"));
    TbsSkinData data;
    const auto start = std::chrono::steady_clock::now();
    data.SetCompressedStoredSkin(&stored);
    const double skinLoad = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    std::printf("startup-to-first-paint %.0f\nstartup-skin-load %.0f\n", firstPaint, skinLoad);
    application.Finalize();
    return 0;
}
