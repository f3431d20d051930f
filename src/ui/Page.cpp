#include "ui/Page.h"

#include <algorithm>
#include <windowsx.h>

#include "base/Exception.h"
#include "base/ScopeExit.h"
#include "ui/DcScopes.h"
#include "ui/DibSection.h"
#include "ui/PageAccessible.h"
#include "ui/PropertyReader.h"

namespace {

// Where a page of this size stands centred on the desktop's work area.
RECT CentredBounds(int width, int height)
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace

Page::Page(PageOwner& owner, int width, int height) : owner_(owner), color_(GetSysColor(COLOR_BTNFACE))
{
    // Made where it will stand: every move of a top-level window is a trip to the
    // window system, and a page is placed once more when its definition sets its size.
    const RECT r = CentredBounds(width, height);
    CreateHandle(0, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, owner.Handle(), owner.Title(), r.left,
                 r.top, width, height);
}

Page::~Page()
{
    components_.clear(); // while the page's window and control list still exist
    owner_.PageDestroyed(*this);
}

Page* Page::FromHandle(HWND window) { return dynamic_cast<Page*>(Window::FromHandle(window)); }

void Page::Show()
{
    // The application window carries the taskbar button, so it shows with the first page.
    const HWND owner = owner_.Handle();
    if (!IsWindowVisible(owner)) ShowWindow(owner, SW_SHOWNOACTIVATE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    if (OnShow) OnShow();
}

void Page::Hide() { ShowWindow(Handle(), SW_HIDE); }

bool Page::Visible() const { return IsWindowVisible(Handle()) != FALSE; }

RECT Page::Bounds() const
{
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r;
}

void Page::SetBounds(int left, int top, int width, int height)
{
    const RECT now = Bounds();
    if (now.left == left && now.top == top && now.right - now.left == width && now.bottom - now.top == height) return;
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Page::SetColor(COLORREF color)
{
    color_ = color;
    brush_.Reset();
    Invalidate();
}

void Page::CenterOnDesktop() { CenterOnDesktop(Width(), Height()); }

void Page::CenterOnDesktop(int width, int height)
{
    const RECT r = CentredBounds(width, height);
    SetBounds(r.left, r.top, width, height);
}

void Page::Drag()
{
    ReleaseCapture();
    mouseControl_ = nullptr;
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0); // 61458
}

// A hidden page paints whole when it is shown: marking parts of it before then is a
// trip to the window system for nothing, and reading a page sets many bounds.
void Page::Invalidate()
{
    if (Visible()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void Page::InvalidateRect(const RECT& area)
{
    if (Visible()) ::InvalidateRect(Handle(), &area, FALSE);
}

void Page::NotifyBackgroundChanged() { SendToControlWindows(Handle(), WM_PARENTBACKGROUNDCHANGED, 0); }

const NotifyEvent* Page::FindNotifyHandler(std::string_view name) const
{
    const auto it = notifyHandlers_.find(name);
    return it == notifyHandlers_.end() ? nullptr : &it->second;
}

const MouseEvent* Page::FindMouseHandler(std::string_view name) const
{
    const auto it = mouseHandlers_.find(name);
    return it == mouseHandlers_.end() ? nullptr : &it->second;
}

bool Page::Owns(const TComponent& component) const
{
    return std::ranges::any_of(components_, [&](const auto& owned) { return owned.get() == &component; });
}

TComponent* Page::FindComponent(std::string_view name) const
{
    for (const auto& component : components_)
        if (component->Name == name) return component.get();
    return nullptr;
}

void Page::ThrowMissing(std::string_view name)
{
    throw Exception("The page has no component " + std::string(name) + " of the expected class");
}

bool Page::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    const std::string& name = property.Name;
    if (name == "Size") {
        CenterOnDesktop(loader.Integer(property, 0), loader.Integer(property, 1));
    } else if (name == "Color") {
        SetColor(static_cast<COLORREF>(loader.Integer(property)));
    } else if (name == "OnCreate") {
        OnCreate = loader.Notify(property);
    } else if (name == "OnShow") {
        OnShow = loader.Notify(property);
    } else if (name == "OnMouseDown") {
        OnMouseDown = loader.Mouse(property);
    } else if (name == "DefaultControl") {
        loader.Reference<PageControl>(property, [this](PageControl* control) { DefaultControl = control; });
    } else if (name == "CancelControl") {
        loader.Reference<PageControl>(property, [this](PageControl* control) { CancelControl = control; });
    } else {
        return false;
    }
    return true;
}

void Page::RemoveControl(GraphicControl& control)
{
    std::erase(controls_, &control);
    if (windowlessFocus_ == &control) windowlessFocus_ = nullptr;
    if (mouseControl_ == &control) mouseControl_ = nullptr;
    if (hoverControl_ == &control) hoverControl_ = nullptr;
}

void Page::PaintBackground(HDC dc, const RECT& area)
{
    if (!brush_) brush_.Reset(CreateSolidBrush(color_));
    FillRect(dc, &area, brush_.Get());
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

void Page::PaintArea(HDC dc, const RECT& area, const GraphicControl* below)
{
    // The mark goes even when a control's painting raises.
    const ScopeExit restore{[this, was = std::exchange(paintingCopy_, true)] { paintingCopy_ = was; }};
    Render(dc, area, below);
}

void Page::Render(HDC dc, const RECT& area, const GraphicControl* below)
{
    // Only a control that paints gets its context state saved and clipped: every
    // paint of a control over the page starts here, and saving costs more than the fill.
    const MovedOrigin origin(dc, -area.left, -area.top);
    PaintBackground(dc, area);
    for (GraphicControl* control : controls_) {
        if (control == below) break;
        RECT r = control->Bounds(), overlap;
        if (!control->Visible() || !IntersectRect(&overlap, &r, &area)) continue;
        SavedDC inner(dc);
        IntersectClipRect(dc, overlap.left, overlap.top, overlap.right, overlap.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        control->Paint(dc);
    }
    if (!below && windowlessFocus_ && focusCues_ && GetFocus() == Handle() && windowlessFocus_->Visible()) {
        SavedDC inner(dc);
        windowlessFocus_->PaintFocusMark(dc);
    }
}

void Page::Paint()
{
    PaintScope paint(Handle());
    const RECT& area = paint.Area();
    PaintBuffered(paint.DC(), area.left, area.top, area.right - area.left, area.bottom - area.top,
                  [&](HDC memory) { Render(memory, area, nullptr); });
}

void Page::SetHover(GraphicControl* control)
{
    if (control == hoverControl_) return;
    GraphicControl* left = std::exchange(hoverControl_, control);
    if (left) left->MouseLeft();
    if (control) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        control->MouseEntered();
    }
}

void Page::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
                       message == WM_MBUTTONDOWN || message == WM_LBUTTONDBLCLK;
    const bool release = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    if (message == WM_MOUSEMOVE && !mouseControl_) SetHover(ControlAt(x, y));
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

void Page::AlignControls()
{
    RECT client;
    GetClientRect(Handle(), &client);
    for (GraphicControl* control : controls_)
        if (control->FillsParent()) control->SetBounds(0, 0, client.right, client.bottom);
}

LRESULT Page::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SIZE:
        AlignControls();
        for (PageControl* control : PageControls()) control->PageResized();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            focusOnDeactivate_ = IsChild(Handle(), focus) ? focus : nullptr;
            break;
        }
        owner_.PageActivated(*this);
        // Back where the person left it, as a dialog does; the page's own window
        // otherwise, which hands the focus on (WM_SETFOCUS).
        if (focusOnDeactivate_ && IsChild(Handle(), focusOnDeactivate_) && IsWindowVisible(focusOnDeactivate_) &&
            IsWindowEnabled(focusOnDeactivate_) && !HIWORD(wParam)) {
            ::SetFocus(std::exchange(focusOnDeactivate_, nullptr));
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // For the windowless control it held the focus for last, while Tab still
        // reaches it; the first tab stop otherwise.
        const auto stops = TabStops();
        PageControl* control = std::ranges::count(stops, windowlessFocus_) ? windowlessFocus_
                               : stops.empty()                             ? nullptr
                                                                           : stops.front();
        if (control) FocusControl(*control);
        return 0;
    }
    case WM_KILLFOCUS:
        InvalidateFocusMark();
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) spaceDown_ = true;
        return 0;
    case WM_KEYUP:
        // A windowless button is pressed as the system's are: when Space comes up.
        if (wParam == VK_SPACE && std::exchange(spaceDown_, false) && windowlessFocus_ && windowlessFocus_->Enabled())
            windowlessFocus_->Activate();
        return 0;
    case WM_PRESSCONTROL: {
        const auto controls = PageControls();
        auto* control = reinterpret_cast<PageControl*>(lParam);
        if (std::ranges::count(controls, control) && control->Enabled()) control->Activate();
        return 0;
    }
    case WM_GETOBJECT:
        if (const LRESULT object = AnswerGetObject(Handle(), wParam, lParam)) return object;
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
    case WM_COMMAND:
        if (const auto it = commands_.find(reinterpret_cast<HWND>(lParam)); it != commands_.end()) {
            it->second(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CLOSE:
        // Alt+F4 does what the page's close mark does; a page without one ends the
        // application.
        if (CancelControl) Cancel();
        else owner_.Terminate();
        return 0;
    case WM_MOUSELEAVE:
        SetHover(nullptr);
        return 0;
    case WM_SYSCHAR:
        if (OfferAccelerator(wParam)) return 0;
        break;
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

// --- keyboard ------------------------------------------------------------------------

std::vector<PageControl*> Page::PageControls() const
{
    std::vector<PageControl*> controls;
    for (const auto& component : components_)
        if (auto* control = dynamic_cast<PageControl*>(component.get())) controls.push_back(control);
    return controls;
}

bool Page::WithinHeight(const PageControl& control) const
{
    RECT client;
    GetClientRect(Handle(), &client);
    return control.Bounds().bottom <= client.bottom;
}

std::vector<PageControl*> Page::TabStops() const
{
    std::vector<PageControl*> stops = PageControls();
    std::erase_if(stops, [this](const PageControl* c) {
        return !c->TabStop() || !c->Visible() || !c->Enabled() || !WithinHeight(*c);
    });
    std::ranges::stable_sort(stops, {}, &PageControl::TabOrder);
    return stops;
}

PageControl* Page::FocusedControl() const
{
    const HWND focus = GetFocus();
    if (!focus) return nullptr;
    if (focus == Handle()) return windowlessFocus_;
    for (PageControl* control : PageControls())
        if (control->FocusWindow() == focus) return control;
    return nullptr;
}

bool Page::HasKeyboard() const
{
    const HWND focus = GetFocus();
    return focus && (focus == Handle() || IsChild(Handle(), focus));
}

void Page::InvalidateFocusMark()
{
    if (!windowlessFocus_) return;
    RECT r = windowlessFocus_->Bounds();
    InflateRect(&r, FocusMarkMargin, FocusMarkMargin);
    InvalidateRect(r);
}

void Page::SetWindowlessFocus(PageControl* control)
{
    InvalidateFocusMark();
    windowlessFocus_ = control;
    InvalidateFocusMark();
}

void Page::FocusControl(PageControl& control)
{
    if (const HWND window = control.FocusWindow()) {
        ::SetFocus(window); // the system tells screen readers
        return;
    }
    SetWindowlessFocus(&control);
    if (GetFocus() != Handle()) ::SetFocus(Handle()); // comes back through WM_SETFOCUS
    else control.NotifyAccessible(EVENT_OBJECT_FOCUS);
}

void Page::MoveFocus(bool backward)
{
    const auto stops = TabStops();
    if (stops.empty()) return;
    const auto at = std::ranges::find(stops, FocusedControl());
    size_t next = backward ? stops.size() - 1 : 0;
    if (at != stops.end()) {
        const auto i = static_cast<size_t>(at - stops.begin());
        next = backward ? (i + stops.size() - 1) % stops.size() : (i + 1) % stops.size();
    }
    FocusControl(*stops[next]);
}

void Page::Cancel()
{
    if (CancelControl && CancelControl->Enabled()) CancelControl->Activate();
}

bool Page::OfferAccelerator(WPARAM character) { return SendToControlWindows(Handle(), WM_DIALOGCHAR, character); }

bool Page::DialogKey(const MSG& msg)
{
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    // Alt+character is the page's wherever the focus is, the system's buttons included.
    if (msg.message == WM_SYSCHAR) return OfferAccelerator(msg.wParam);
    if (msg.message != WM_KEYDOWN) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (!focusCues_) {
            focusCues_ = true;
            InvalidateFocusMark();
        }
        MoveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    case VK_RETURN: {
        PageControl* focused = FocusedControl();
        PageControl* target = focused && focused->TakesEnter() ? focused : DefaultControl;
        if (target && target->Enabled()) target->Activate();
        return true;
    }
    case VK_ESCAPE:
        Cancel();
        return true;
    }
    return false;
}

// --- screen readers ----------------------------------------------------------------------

std::vector<PageControl*> Page::AccessibleControls() const
{
    std::vector<PageControl*> controls = PageControls();
    std::erase_if(controls, [](const PageControl* c) { return c->Role == AccessibleRole::None; });
    return controls;
}

LONG Page::AccessibleChildId(const PageControl& control) const
{
    const auto controls = AccessibleControls();
    const auto at = std::ranges::find(controls, &control);
    return at == controls.end() ? CHILDID_SELF : static_cast<LONG>(at - controls.begin() + 1);
}

void Page::PressLater(PageControl& control)
{
    PostMessageW(Handle(), WM_PRESSCONTROL, 0, reinterpret_cast<LPARAM>(&control));
}
