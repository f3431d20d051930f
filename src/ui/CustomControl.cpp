#include "ui/CustomControl.h"

#include <windowsx.h>

#include "ui/ControlHost.h"
#include "ui/DcScopes.h"
#include "ui/DibSection.h"
#include "ui/PageAccessible.h"
#include "ui/PropertyReader.h"

CustomControl::CustomControl(ControlHost& parent) : parent_(parent)
{
    CreateHandle(0, WS_CHILD | WS_VISIBLE | WS_TABSTOP, parent.Handle(), {}, 0, 0, 0, 0);
    AttachWindow(Handle());
}

CustomControl::~CustomControl() { DetachWindow(Handle()); }

CustomControl* CustomControl::FromHandle(HWND window) { return dynamic_cast<CustomControl*>(PageControl::FromWindow(window)); }

void CustomControl::SetBounds(int left, int top, int width, int height)
{
    MoveWindow(Handle(), left, top, width, height, TRUE);
}

void CustomControl::SetEnabled(bool enabled)
{
    EnableWindow(Handle(), enabled);
    Invalidate();
}

bool CustomControl::TabStop() const { return (GetWindowLongW(Handle(), GWL_STYLE) & WS_TABSTOP) != 0; }

void CustomControl::SetTabStop(bool tabStop)
{
    const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    SetWindowLongW(Handle(), GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

bool CustomControl::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (SetPlacementProperty(*this, property, loader) || SetPageControlProperty(*this, property, loader) ||
        SetNotifyProperty(property, loader,
                          {{"OnClick", &OnClick}, {"OnMouseEnter", &OnMouseEnter}, {"OnMouseLeave", &OnMouseLeave}}))
        return true;
    if (property.Name != "TabStop") return false;
    SetTabStop(loader.Boolean(property));
    return true;
}

void CustomControl::Paint(TCanvas&) {}

void CustomControl::PaintParentBackground(HDC dc) const { parent_.PaintArea(dc, Bounds()); }

void CustomControl::MouseEntered()
{
    if (Enabled() && OnMouseEnter) OnMouseEnter();
}

void CustomControl::MouseLeft()
{
    if (Enabled() && OnMouseLeave) OnMouseLeave();
}

void CustomControl::MouseDown(MouseButton, unsigned, int, int) {}
void CustomControl::MouseUp(MouseButton, unsigned, int, int) {}
void CustomControl::KeyDown(WORD) {}
void CustomControl::FocusChanged(bool) { Invalidate(); }
void CustomControl::BackgroundChanged() { Invalidate(); }

void CustomControl::Click() { RunClick(OnClick); }

void CustomControl::PaintOffscreen(const OffscreenBitmap& surface)
{
    PaintParentBackground(surface.DC());
    TCanvas canvas(surface.DC());
    Paint(canvas);
}

void CustomControl::PaintTo(HDC dc)
{
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    // One surface serves every paint of the same size: each paint covers all of it.
    if (!surface_ || surface_->Width() != client.right || surface_->Height() != client.bottom)
        surface_ = std::make_unique<OffscreenBitmap>(dc, client.right, client.bottom);
    if (!surface_->Valid()) {
        surface_.reset();
        return;
    }
    PaintOffscreen(*surface_);
    BitBlt(dc, 0, 0, client.right, client.bottom, surface_->DC(), 0, 0, SRCCOPY);
}

void CustomControl::PaintWindow()
{
    PaintScope paint(Handle());
    PaintTo(paint.DC());
}

LRESULT CustomControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const auto keys = static_cast<unsigned>(wParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_PARENTBACKGROUNDCHANGED:
        BackgroundChanged();
        return 0;
    case WM_WINDOWPOSCHANGED: // the system's default then sends WM_SIZE and WM_MOVE
        bounds_ = BoundsInParent(Handle());
        break;
    case WM_MOUSEMOVE:
        if (!mouseInside_) {
            mouseInside_ = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
            TrackMouseEvent(&track);
            MouseEntered();
        }
        return 0;
    case WM_MOUSELEAVE:
        mouseInside_ = false;
        MouseLeft();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (TabStop()) SetFocus();
        SetCapture(Handle());
        pressed_ = true;
        MouseDown(MouseButton::Left, keys, x, y);
        return 0;
    case WM_LBUTTONUP: {
        const bool wasPressed = pressed_;
        pressed_ = false;
        ReleaseCapture();
        MouseUp(MouseButton::Left, keys, x, y);
        RECT client;
        GetClientRect(Handle(), &client);
        if (wasPressed && x >= 0 && y >= 0 && x < client.right && y < client.bottom) Click();
        return 0;
    }
    case WM_RBUTTONDOWN:
        MouseDown(MouseButton::Right, keys, x, y);
        return 0;
    case WM_RBUTTONUP:
        MouseUp(MouseButton::Right, keys, x, y);
        return 0;
    case WM_KEYDOWN:
        KeyDown(static_cast<WORD>(wParam));
        return 0;
    case WM_SYSCHAR: // the page offers accelerators to all its controls
        return SendMessageW(parent_.Handle(), message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        focused_ = true;
        FocusChanged(true);
        return 0;
    case WM_KILLFOCUS:
        focused_ = false;
        FocusChanged(false);
        return 0;
    case WM_ENABLE:
        Invalidate();
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT object = AnswerGetObject(Handle(), wParam, lParam)) return object;
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
