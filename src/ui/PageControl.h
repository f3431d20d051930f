#pragma once
#include <functional>
#include <optional>
#include <string>

#include "base/Win32.h"

class ControlHost;
struct PageProperty;
class PropertyReader;

// How far outside its control a focus mark may paint.
constexpr int FocusMarkMargin = 4;

// What a screen reader is told a control is.
enum class AccessibleRole { None, PushButton, CheckButton, Link, Text, ProgressBar };

// A control as its page's keyboard handling and accessible object see it, whether it
// has a window of its own or not.
class PageControl {
public:
    virtual ~PageControl() = default;
    // The control whose own window this is, or null (the system's classes included).
    static PageControl* FromWindow(HWND window);

    virtual ControlHost& Parent() const = 0;
    virtual RECT Bounds() const = 0; // in the page's client coordinates
    virtual bool Visible() const = 0;
    virtual bool Enabled() const = 0;
    virtual bool TabStop() const = 0;
    // The window that holds the keyboard focus while the control has it; null for a
    // windowless control, whose page holds it on the control's behalf.
    virtual HWND FocusWindow() const { return nullptr; }
    // A button's press from the keyboard or a screen reader: what a click does.
    virtual void Activate() {}
    // Paints the mark of a focused windowless control, the dc's origin at the page's.
    virtual void PaintFocusMark(HDC dc) const { (void)dc; }
    // Enter presses the control itself rather than the page's default button.
    virtual bool TakesEnter() const { return Role == AccessibleRole::PushButton || Role == AccessibleRole::Link; }

    int TabOrder = 0;
    AccessibleRole Role = AccessibleRole::None;
    std::string AccessibleName; // when empty, the control's caption
    virtual std::string SpokenName() const { return AccessibleName; }
    // The folder of a folder box, a progress bar's percentage.
    virtual std::string AccessibleValue() const { return {}; }
    // STATE_SYSTEM_ flags of the control's own state (checked, expanded); focus,
    // visibility and availability come from the page.
    virtual DWORD AccessibleState() const;

    // A toggle that shows or hides more of its page: expanded, collapsed, or neither.
    std::optional<bool> Expanded() const { return expanded_; }
    void SetExpanded(bool expanded);

    // The page's client area changed size: a control may now lie within it.
    virtual void PageResized() {}

    // The window that answers screen readers for the control itself; null when its
    // page does, as for windowless controls and the system's own classes.
    virtual HWND AccessibleWindow() const { return nullptr; }
    // Tells screen readers that the control's state or value changed (EVENT_OBJECT_*).
    void NotifyAccessible(DWORD event) const;

protected:
    // Runs a click handler unless this control's is running already: a handler that
    // waits (a message box, a folder browser) lets the queue run, and a second press
    // queued meanwhile (a double-click, a held Enter, a reader's two presses) must not
    // start the same work inside the first.
    void RunClick(const std::function<void()>& handler) const;

    // Ties the control's own window to it for FromWindow, until the window goes.
    void AttachWindow(HWND window);
    void DetachWindow(HWND window);

private:
    std::optional<bool> expanded_;
    mutable bool clicking_ = false; // a guard, not the control's state
};

// Sends a message of the framework's own to the child windows of `parent` that belong
// to its controls, until one answers non-zero (true then). The system's classes never
// get it: a private number means something else to each of them.
bool SendToControlWindows(HWND parent, UINT message, WPARAM wParam);

// TabOrder, AccessibleName and AccessibleRole (pushbutton, checkbutton, link, text,
// progressbar) of a definition.
bool SetPageControlProperty(PageControl& control, const PageProperty& property, PropertyReader& loader);
