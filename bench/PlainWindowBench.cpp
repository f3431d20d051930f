// The reference for the installer's start: a minimal program that opens one window and
// paints one bitmap into it, timed the same way.
// Output: "plain-first-paint <us since process creation>".
#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace {

HBITMAP picture;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(dc, 0, 0, 588, 400, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(window, &ps);
    return 0;
}

} // namespace

int wmain()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PlainFirstPaint";
    RegisterClassW(&wc);
    HDC screen = GetDC(nullptr);
    picture = CreateCompatibleBitmap(screen, 588, 400);
    ReleaseDC(nullptr, screen);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"plain", WS_POPUP, 100, 100, 588, 400, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    GdiFlush();
    FILETIME creation, exit, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](FILETIME t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    std::printf("plain-first-paint %.0f\n", static_cast<double>(ticks(now) - ticks(creation)) / 10.0);
    DestroyWindow(window);
    DeleteObject(picture);
    return 0;
}
