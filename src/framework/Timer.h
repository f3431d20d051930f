#pragma once
#include <functional>

#include "framework/Window.h"

// A timer that ticks through the message loop, on a message-only window of its own.
class Timer : private Window {
public:
    Timer(unsigned intervalMs, bool enabled);
    ~Timer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned intervalMs);

    std::function<void()> OnTimer;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Update();

    unsigned interval_;
    bool enabled_;
};
