#pragma once
#include <exception>
#include <string_view>

#include "base/Win32.h"

// Base of every window the framework makes: it ties the HWND to its object and keeps
// exceptions of handlers from unwinding through USER32 (they go to the error hook,
// which the application object installs to show them, and the message loop goes on).
class Window {
public:
    using ErrorHook = void (*)(const std::exception& error);
    static void SetErrorHook(ErrorHook hook);

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return handle_; }
    // The object of a window the framework made in this process, or null.
    static Window* FromHandle(HWND window);

protected:
    Window() = default;
    void CreateHandle(DWORD exStyle, DWORD style, HWND parent, std::string_view text,
                      int left, int top, int width, int height);
    void DestroyHandle();
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static ATOM WindowClass();
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static ErrorHook errorHook_;
    HWND handle_ = nullptr;
};

// A child window's rectangle in its parent's client coordinates.
RECT BoundsInParent(HWND child);
