#include "ui/Window.h"

#include "base/SystemError.h"
#include "base/WinStrings.h"

namespace {
constexpr wchar_t ClassName[] = L"TavioWindow";
} // namespace

ATOM Window::WindowClass()
{
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
        wc.lpszClassName = ClassName;
        return RegisterClassExW(&wc);
    }();
    return atom;
}

Window::ErrorHook Window::errorHook_ = nullptr;

void Window::SetErrorHook(ErrorHook hook) { errorHook_ = hook; }

Window::~Window() { DestroyHandle(); }

void Window::CreateHandle(DWORD exStyle, DWORD style, HWND parent, std::string_view text,
                          int left, int top, int width, int height)
{
    WindowClass();
    // The object pointer travels with WM_NCCREATE so the very first messages reach it.
    HWND window = CreateWindowExW(exStyle, ClassName, ToWide(text).c_str(), style, left, top,
                                  width, height, parent, nullptr, GetModuleHandleW(nullptr), this);
    if (!window) RaiseLastError();
}

Window* Window::FromHandle(HWND window)
{
    DWORD process = 0;
    if (!window || GetClassLongW(window, GCW_ATOM) != WindowClass()) return nullptr;
    if (!GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId()) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Window::DestroyHandle()
{
    if (handle_) DestroyWindow(handle_);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    try {
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->handle_ = nullptr;
        }
        return result;
    } catch (const std::exception& error) {
        if (errorHook_) errorHook_(error);
        return 0;
    }
}

RECT BoundsInParent(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
