#include "ui/ProgressBar.h"

#include <commctrl.h>
#include <oleacc.h>

#include "ui/PropertyReader.h"

ProgressBar::ProgressBar(ControlHost& parent) : ChildWindow(parent, PROGRESS_CLASSW, 0)
{
    Role = AccessibleRole::ProgressBar;
    SetMax(100);
}

namespace {
int Percent(int64_t position, int64_t max) { return max > 0 ? static_cast<int>(position * 100 / max) : 0; }
} // namespace

std::string ProgressBar::AccessibleValue() const { return std::to_string(Percent(Position(), Max())) + "%"; }

void ProgressBar::SetSmooth(bool smooth)
{
    const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    SetWindowLongW(Handle(), GWL_STYLE, smooth ? style | PBS_SMOOTH : style & ~PBS_SMOOTH);
    InvalidateRect(Handle(), nullptr, TRUE);
}

int32_t ProgressBar::Max() const { return static_cast<int32_t>(SendMessageW(Handle(), PBM_GETRANGE, FALSE, 0)); }

void ProgressBar::SetMax(int32_t max)
{
    const auto min = static_cast<int32_t>(SendMessageW(Handle(), PBM_GETRANGE, TRUE, 0));
    SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
}

int32_t ProgressBar::Position() const { return static_cast<int32_t>(SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }

void ProgressBar::SetPosition(int32_t position)
{
    const int before = Percent(Position(), Max());
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
    // Once a percent, not once a report: a reader speaks every change it hears of.
    if (Percent(Position(), Max()) != before) NotifyAccessible(EVENT_OBJECT_VALUECHANGE);
}

bool ProgressBar::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "Smooth") SetSmooth(loader.Boolean(property));
    else if (property.Name == "Max") SetMax(loader.Integer(property));
    else if (property.Name == "Position") SetPosition(loader.Integer(property));
    else return ChildWindow::SetProperty(property, loader);
    return true;
}
