#include "ui/PageControl.h"

#include <algorithm>
#include <oleacc.h>
#include <utility>

#include "base/ScopeExit.h"
#include "ui/ControlHost.h"
#include "ui/PropertyReader.h"

namespace {
constexpr wchar_t ControlProperty[] = L"TavioControl";
}

PageControl* PageControl::FromWindow(HWND window) { return static_cast<PageControl*>(GetPropW(window, ControlProperty)); }

void PageControl::AttachWindow(HWND window) { SetPropW(window, ControlProperty, this); }

void PageControl::DetachWindow(HWND window) { RemovePropW(window, ControlProperty); }

void PageControl::RunClick(const std::function<void()>& handler) const
{
    if (!handler || clicking_) return;
    clicking_ = true;
    const ScopeExit done{[this] { clicking_ = false; }};
    handler();
}

bool SendToControlWindows(HWND parent, UINT message, WPARAM wParam)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (PageControl::FromWindow(child) && SendMessageW(child, message, wParam, 0)) return true;
    return false;
}

DWORD PageControl::AccessibleState() const
{
    if (!expanded_) return 0;
    return *expanded_ ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
}

void PageControl::SetExpanded(bool expanded)
{
    if (expanded_ == expanded) return;
    expanded_ = expanded;
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

void PageControl::NotifyAccessible(DWORD event) const
{
    if (const HWND own = AccessibleWindow()) NotifyWinEvent(event, own, OBJID_CLIENT, CHILDID_SELF);
    else NotifyWinEvent(event, Parent().Handle(), OBJID_CLIENT, Parent().AccessibleChildId(*this));
}

bool SetPageControlProperty(PageControl& control, const PageProperty& property, PropertyReader& loader)
{
    static constexpr std::pair<std::string_view, AccessibleRole> roles[] = {
        {"pushbutton", AccessibleRole::PushButton}, {"checkbutton", AccessibleRole::CheckButton},
        {"link", AccessibleRole::Link},             {"text", AccessibleRole::Text},
        {"progressbar", AccessibleRole::ProgressBar}, {"none", AccessibleRole::None}};
    if (property.Name == "TabOrder") {
        control.TabOrder = loader.Integer(property);
    } else if (property.Name == "AccessibleName") {
        control.AccessibleName = loader.String(property);
    } else if (property.Name == "AccessibleRole") {
        const std::string role = loader.Identifier(property);
        const auto* found = std::ranges::find(roles, role, &std::pair<std::string_view, AccessibleRole>::first);
        if (found == std::end(roles)) loader.Fail(property, "AccessibleRole is pushbutton, checkbutton, link, text, progressbar or none");
        control.Role = found->second;
    } else {
        return false;
    }
    return true;
}
