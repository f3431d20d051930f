#pragma once
#include <functional>
#include <vector>

#include "base/Win32.h"

class GraphicControl;
class PageControl;

// Sent to a control's window when what lies behind it changed (the number is the
// contract between skinned controls and their parents). Only the framework's own
// control windows get it: a number in this range means something else to each of the
// system's classes.
constexpr UINT WM_PARENTBACKGROUNDCHANGED = WM_USER + 260; // 1284
// Offers an Alt+character (wParam) of the page to a control's window: non-zero means
// the control took it as its accelerator.
constexpr UINT WM_DIALOGCHAR = WM_APP + 1;
// Presses a control of the page (lParam) once the queue gets to it.
constexpr UINT WM_PRESSCONTROL = WM_APP + 2;

// What the controls of a page, and the object a screen reader asks about them, need of
// the page: its window, painting what lies behind a control, the list a windowless
// control joins, the commands of the system's buttons, and the page's keyboard state.
class ControlHost {
public:
    // The host whose window this is, or null.
    static ControlHost* FromHandle(HWND window);

    virtual HWND Handle() const = 0;
    virtual bool Visible() const = 0;

    virtual void InvalidateRect(const RECT& area) = 0;
    // Paints what lies in `area` into dc, the area's top-left corner at the dc's
    // origin: everything (what a windowed control shows through) or only what lies
    // below the graphic control `below` (what that control shows through).
    virtual void PaintArea(HDC dc, const RECT& area, const GraphicControl* below = nullptr) = 0;
    virtual bool PaintingCopy() const = 0;

    // Windowless controls the page paints and hands the mouse to, in z-order.
    virtual void AddControl(GraphicControl& control) = 0;
    virtual void RemoveControl(GraphicControl& control) = 0;
    // Child windows that report through WM_COMMAND (buttons).
    virtual void RegisterCommand(HWND child, std::function<void(WORD)> handler) = 0;
    virtual void UnregisterCommand(HWND child) = 0;

    // The keyboard and screen readers: see Page.
    virtual std::vector<PageControl*> AccessibleControls() const = 0;
    virtual LONG AccessibleChildId(const PageControl& control) const = 0;
    virtual bool WithinHeight(const PageControl& control) const = 0;
    virtual PageControl* FocusedControl() const = 0;
    virtual bool HasKeyboard() const = 0;
    virtual void FocusControl(PageControl& control) = 0;
    virtual void PressLater(PageControl& control) = 0;

protected:
    ~ControlHost() = default;
};
