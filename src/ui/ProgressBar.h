#pragma once
#include <cstdint>
#include <string>

#include "ui/ChildWindow.h"

// The system's progress bar; range and position are 32-bit, the minimum 0 by default.
class ProgressBar : public ChildWindow {
public:
    explicit ProgressBar(ControlHost& parent);

    void SetSmooth(bool smooth);
    int32_t Max() const;
    void SetMax(int32_t max);
    int32_t Position() const;
    void SetPosition(int32_t position);
    // "42%": how far along, in whole percent of the range.
    std::string AccessibleValue() const override;

    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;
};
