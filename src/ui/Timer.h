#pragma once
#include <functional>

#include "base/Component.h"
#include "ui/Window.h"

// A timer that ticks through the message loop, on a message-only window of its own.
class Timer : public TComponent, private Window {
public:
    Timer(unsigned intervalMs = 1000, bool enabled = true);
    ~Timer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned intervalMs);

    NotifyEvent OnTimer;

    // Interval, Enabled, OnTimer.
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Update();

    unsigned interval_;
    bool enabled_;
    bool running_ = false;
};
