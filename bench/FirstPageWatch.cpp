// Starts an installer and times from outside, the same way for any program, how long it
// takes until its first page is on the screen and painted: a visible top-level window of
// its own process larger than an application's hidden window, whose pixels differ from
// what the screen showed before the start and then stay as they are for a while. The
// time reported is that of the first capture showing those final pixels, so a frame
// painted before its controls, or a window mapped before it is painted, does not count.
// The program is ended afterwards.
// Usage: first_page_watch PROGRAM [ARGS...]
// Output: "first-page <us from CreateProcess>".
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Settled = std::chrono::milliseconds(300); // no page animates for that long
constexpr auto GiveUp = std::chrono::seconds(60);
constexpr int SmallestPage = 200;                        // pixels, either side

struct Capture {
    RECT rect{};
    std::vector<uint32_t> pixels;
};

// What the screen shows in the rectangle, as 32-bit pixels.
std::vector<uint32_t> Grab(const RECT& rect)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(uint32_t));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

struct Search {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    RECT r;
    if (owner != search->process || !IsWindowVisible(window) || !GetWindowRect(window, &r)) return TRUE;
    if (r.right - r.left < SmallestPage || r.bottom - r.top < SmallestPage) return TRUE;
    search->found = window;
    return FALSE;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: first_page_watch PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    for (int i = 2; i < argc; ++i) command += L" " + std::wstring(argv[i]);

    // No pointer over the page: a hovered control would animate.
    SetCursorPos(0, 0);
    const RECT screenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const std::vector<uint32_t> before = Grab(screenRect);
    auto unchanged = [&](const Capture& c) {
        const int width = c.rect.right - c.rect.left, screenWidth = screenRect.right;
        for (int y = 0; y < c.rect.bottom - c.rect.top; ++y) {
            const int sy = c.rect.top + y;
            if (sy < 0 || sy >= screenRect.bottom) return false;
            for (int x = 0; x < width; ++x) {
                const int sx = c.rect.left + x;
                if (sx < 0 || sx >= screenWidth) return false;
                if (c.pixels[static_cast<size_t>(y) * width + x] != before[static_cast<size_t>(sy) * screenWidth + sx])
                    return false;
            }
        }
        return true;
    };

    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "first_page_watch: cannot start the program (error %lu)\n", GetLastError());
        return 1;
    }
    Capture last;
    Clock::time_point lastSeen{};
    bool done = false;
    while (!done && Clock::now() - start < GiveUp) {
        Search search{process.dwProcessId};
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
            continue;
        }
        Capture now;
        GetWindowRect(search.found, &now.rect);
        const auto seen = Clock::now();
        now.pixels = Grab(now.rect);
        if (!SameRect(now.rect, last.rect) || now.pixels != last.pixels) {
            last = std::move(now);
            lastSeen = seen;
        } else if (seen - lastSeen >= Settled && !unchanged(last)) {
            done = true;
        }
        Sleep(2);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!done) {
        std::fputs("first_page_watch: no page was painted\n", stderr);
        return 1;
    }
    std::printf("first-page %.0f\n", std::chrono::duration<double, std::micro>(lastSeen - start).count());
    return 0;
}
