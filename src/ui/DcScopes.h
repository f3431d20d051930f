#pragma once
#include <utility>

#include "base/Win32.h"
#include "ui/GdiObjects.h"

// Scoped device-context state. Each owner undoes exactly what it did when it goes,
// on every path, so a GDI object is never deleted while still selected and no
// borrowed context outlives its scope.

// An object selected into a context; the previous one goes back in at the end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject()
    {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    bool Selected() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint … EndPaint of one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC DC() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A window's (or, for null, the screen's) context, borrowed with GetDC and given back.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// SaveDC … RestoreDC: origin, clip and selections come back as they were.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;
    ~SavedDC()
    {
        if (state_) RestoreDC(dc_, state_);
    }

private:
    HDC dc_;
    int state_;
};

// The viewport origin moved by (dx, dy), and put back at the end.
class MovedOrigin {
public:
    MovedOrigin(HDC dc, int dx, int dy) : dc_(dc) { OffsetViewportOrgEx(dc, dx, dy, &previous_); }
    MovedOrigin(const MovedOrigin&) = delete;
    MovedOrigin& operator=(const MovedOrigin&) = delete;
    ~MovedOrigin() { SetViewportOrgEx(dc_, previous_.x, previous_.y, nullptr); }

private:
    HDC dc_;
    POINT previous_{};
};
