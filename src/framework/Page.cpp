#include "framework/Page.h"

#include <algorithm>
#include <windowsx.h>

#include "framework/Application.h"
#include "framework/Handles.h"

Page::Page(int width, int height)
{
    Application& application = Application::Instance();
    CreateHandle(0, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, application.Handle(),
                 application.Title(), 0, 0, width, height);
    CenterOnDesktop();
}

Page::~Page() { Application::Instance().PageDestroyed(*this); }

void Page::Show()
{
    // The application window carries the taskbar button, so it shows with the first page.
    HWND owner = Application::Instance().Handle();
    if (!IsWindowVisible(owner)) ShowWindow(owner, SW_SHOWNOACTIVATE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void Page::Hide() { ShowWindow(Handle(), SW_HIDE); }

bool Page::Visible() const { return IsWindowVisible(Handle()) != FALSE; }

RECT Page::WindowBounds() const
{
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r;
}

int Page::Left() const { return WindowBounds().left; }
int Page::Top() const { return WindowBounds().top; }
int Page::Width() const { return WindowBounds().right - WindowBounds().left; }
int Page::Height() const { return WindowBounds().bottom - WindowBounds().top; }

void Page::SetBounds(int left, int top, int width, int height)
{
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Page::SetSize(int width, int height) { SetBounds(Left(), Top(), width, height); }
void Page::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void Page::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }

void Page::CenterOnDesktop()
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetBounds(work.left + (work.right - work.left - Width()) / 2,
              work.top + (work.bottom - work.top - Height()) / 2, Width(), Height());
}

void Page::Drag()
{
    ReleaseCapture();
    mouseControl_ = nullptr;
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0); // 61458
}

void Page::Invalidate() { ::InvalidateRect(Handle(), nullptr, FALSE); }

void Page::InvalidateRect(const RECT& area) { ::InvalidateRect(Handle(), &area, FALSE); }

void Page::RemoveControl(GraphicControl& control)
{
    std::erase(controls_, &control);
    if (mouseControl_ == &control) mouseControl_ = nullptr;
}

void Page::PaintBackground(HDC dc, const RECT& client)
{
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

GraphicControl* Page::ControlAt(int x, int y) const
{
    // Later controls lie on top of earlier ones.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const RECT r = (*it)->Bounds();
        if ((*it)->Visible() && x >= r.left && y >= r.top && x < r.right && y < r.bottom) return *it;
    }
    return nullptr;
}

void Page::Paint()
{
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    MemoryDC memory(CreateCompatibleDC(screen));
    GdiObject bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
    HGDIOBJ old = SelectObject(memory.Get(), bitmap.Get());
    PaintBackground(memory.Get(), client);
    for (GraphicControl* control : controls_) {
        if (!control->Visible()) continue;
        const RECT r = control->Bounds();
        const int saved = SaveDC(memory.Get());
        IntersectClipRect(memory.Get(), r.left, r.top, r.right, r.bottom);
        SetViewportOrgEx(memory.Get(), r.left, r.top, nullptr);
        control->Paint(memory.Get());
        RestoreDC(memory.Get(), saved);
    }
    BitBlt(screen, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, memory.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(memory.Get(), old);
    EndPaint(Handle(), &ps);
}

void Page::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
                       message == WM_MBUTTONDOWN || message == WM_LBUTTONDBLCLK;
    const bool release = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    GraphicControl* target = mouseControl_ ? mouseControl_ : ControlAt(x, y);
    if (target && !target->Enabled()) target = nullptr;
    if (press) {
        SetCapture(Handle());
        mouseControl_ = target;
    }
    if (release) {
        mouseControl_ = nullptr;
        ReleaseCapture();
    }
    if (target) {
        target->Perform(message, wParam, MAKELPARAM(x - target->Left(), y - target->Top()));
    } else if (press && OnMouseDown) {
        const MouseButton button = message == WM_RBUTTONDOWN   ? MouseButton::Right
                                   : message == WM_MBUTTONDOWN ? MouseButton::Middle
                                                               : MouseButton::Left;
        OnMouseDown(button, static_cast<unsigned>(wParam), x, y);
    }
}

LRESULT Page::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) Application::Instance().PageActivated(*this);
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(Handle(), &p);
            const GraphicControl* control = ControlAt(p.x, p.y);
            SetCursor(LoadCursorW(nullptr, control && control->HandCursor ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_CLOSE:
        // Alt+F4 on a page asks the application to end, like its close mark.
        Application::Instance().Terminate();
        return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
        RouteMouse(message, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        mouseControl_ = nullptr;
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
