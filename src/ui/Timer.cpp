#include "ui/Timer.h"

#include "ui/PropertyReader.h"

namespace {
constexpr UINT_PTR TimerId = 1;
}

Timer::Timer(unsigned intervalMs, bool enabled) : interval_(intervalMs), enabled_(enabled)
{
    CreateHandle(0, 0, HWND_MESSAGE, {}, 0, 0, 0, 0);
    Update();
}

Timer::~Timer()
{
    if (running_) KillTimer(Handle(), TimerId);
}

void Timer::SetEnabled(bool enabled)
{
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Update();
}

void Timer::SetInterval(unsigned intervalMs)
{
    if (interval_ == intervalMs) return;
    interval_ = intervalMs;
    Update();
}

void Timer::Update()
{
    // Each call is a trip to the window system, and reading a page sets a timer's
    // properties one by one: only a running timer is stopped.
    if (running_) KillTimer(Handle(), TimerId);
    running_ = enabled_ && interval_ > 0 && SetTimer(Handle(), TimerId, interval_, nullptr) != 0;
}

LRESULT Timer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == TimerId) {
        if (enabled_ && OnTimer) OnTimer();
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

bool Timer::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "Interval") SetInterval(static_cast<unsigned>(loader.Integer(property)));
    else if (property.Name == "Enabled") SetEnabled(loader.Boolean(property));
    else if (property.Name == "OnTimer") OnTimer = loader.Notify(property);
    else return false;
    return true;
}
