#include "ui/GraphicControl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <windowsx.h>

#include "base/Handles.h"
#include "ui/ControlHost.h"
#include "ui/DcScopes.h"
#include "ui/DibSection.h"
#include "ui/PropertyReader.h"

GraphicControl::GraphicControl(ControlHost& parent) : parent_(parent) { parent_.AddControl(*this); }

GraphicControl::~GraphicControl() { parent_.RemoveControl(*this); }

void GraphicControl::SetBounds(int left, int top, int width, int height)
{
    Invalidate();
    bounds_ = {left, top, left + width, top + height};
    Invalidate();
}

void GraphicControl::SetVisible(bool visible)
{
    if (visible_ == visible) return;
    visible_ = visible;
    InvalidateArea();
}

void GraphicControl::Invalidate()
{
    if (visible_) InvalidateArea();
}

void GraphicControl::InvalidateArea()
{
    RECT r = bounds_;
    InflateRect(&r, FocusMarkMargin, FocusMarkMargin); // its focus mark goes with it
    parent_.InvalidateRect(r);
}

void GraphicControl::PaintFocusMark(HDC dc) const
{
    // GDI draws no smooth curves: the ring's coverage is worked out per pixel over a
    // copy of what lies there, from the distance to the outline, a rounded rectangle.
    constexpr double Gap = 1.5, Thickness = 2;
    const RECT outline = FocusOutline();
    const int m = FocusMarkMargin, left = outline.left - m, top = outline.top - m;
    const int w = outline.right - outline.left + 2 * m, h = outline.bottom - outline.top + 2 * m;
    void* bits = nullptr;
    const BitmapHandle surface = CreateTopDownDibSection(w, h, 32, &bits, dc);
    const MemoryDC memory(CreateCompatibleDC(dc));
    const SelectedObject selected(memory.Get(), surface.Get());
    if (!bits || !selected.Selected()) return;
    BitBlt(memory.Get(), 0, 0, w, h, dc, left, top, SRCCOPY);
    GdiFlush();
    const double halfWidth = (w - 2 * m) / 2.0, halfHeight = (h - 2 * m) / 2.0;
    const double radius = std::min(halfWidth, halfHeight);
    const double paint[3] = {static_cast<double>(GetBValue(FocusColor)), static_cast<double>(GetGValue(FocusColor)),
                             static_cast<double>(GetRValue(FocusColor))};
    auto* pixel = static_cast<uint8_t*>(bits);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x, pixel += 4) {
            const double px = std::fabs(x + 0.5 - w / 2.0) - (halfWidth - radius);
            const double py = std::fabs(y + 0.5 - h / 2.0) - (halfHeight - radius);
            const double outside = std::hypot(std::max(px, 0.0), std::max(py, 0.0)) + std::min(std::max(px, py), 0.0) - radius;
            const double cover = std::clamp(Thickness / 2 + 0.5 - std::fabs(outside - Gap - Thickness / 2), 0.0, 1.0);
            for (int c = 0; c < 3; ++c) pixel[c] = static_cast<uint8_t>(std::lround(pixel[c] + (paint[c] - pixel[c]) * cover));
        }
    }
    BitBlt(dc, left, top, w, h, memory.Get(), 0, 0, SRCCOPY);
}

void GraphicControl::Paint(HDC) {}

void GraphicControl::SetFillsParent(bool fills)
{
    fillsParent_ = fills;
    if (!fills) return;
    RECT client;
    GetClientRect(parent_.Handle(), &client);
    SetBounds(0, 0, client.right, client.bottom);
}

void GraphicControl::MouseEntered()
{
    if (enabled_ && OnMouseEnter) OnMouseEnter();
}

void GraphicControl::MouseLeft()
{
    if (enabled_ && OnMouseLeave) OnMouseLeave();
}

bool GraphicControl::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (SetPlacementProperty(*this, property, loader) || SetPageControlProperty(*this, property, loader) ||
        SetNotifyProperty(property, loader,
                          {{"OnClick", &OnClick}, {"OnMouseEnter", &OnMouseEnter}, {"OnMouseLeave", &OnMouseLeave}}))
        return true;
    const std::string& name = property.Name;
    if (name == "Align") {
        const std::string align = loader.Identifier(property);
        if (align != "client" && align != "none") loader.Fail(property, "Align is client or none");
        SetFillsParent(align == "client");
    } else if (name == "Cursor") {
        const std::string cursor = loader.Identifier(property);
        if (cursor != "hand" && cursor != "default") loader.Fail(property, "Cursor is hand or default");
        HandCursor = cursor == "hand";
    } else if (name == "TabStop") {
        tabStop_ = loader.Boolean(property);
    } else if (name == "FocusColor") {
        FocusColor = static_cast<COLORREF>(loader.Integer(property));
    } else if (name == "OnMouseDown") {
        OnMouseDown = loader.Mouse(property);
    } else if (name == "OnMouseUp") {
        OnMouseUp = loader.Mouse(property);
    } else {
        return false;
    }
    return true;
}

void GraphicControl::Click() { RunClick(OnClick); }

LRESULT GraphicControl::Perform(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const auto keys = static_cast<unsigned>(wParam);
    auto down = [&](MouseButton button) {
        if (OnMouseDown) OnMouseDown(button, keys, x, y);
    };
    auto up = [&](MouseButton button) {
        if (OnMouseUp) OnMouseUp(button, keys, x, y);
    };
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        clicked_ = true;
        down(MouseButton::Left);
        break;
    case WM_LBUTTONUP:
        up(MouseButton::Left);
        if (clicked_) {
            clicked_ = false;
            if (x >= 0 && y >= 0 && x < Width() && y < Height()) Click();
        }
        break;
    case WM_RBUTTONDOWN: down(MouseButton::Right); break;
    case WM_RBUTTONUP: up(MouseButton::Right); break;
    case WM_MBUTTONDOWN: down(MouseButton::Middle); break;
    case WM_MBUTTONUP: up(MouseButton::Middle); break;
    case WM_MOUSEMOVE:
        if (OnMouseMove) OnMouseMove(keys, x, y);
        break;
    }
    return 0;
}
