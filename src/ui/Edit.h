#pragma once
#include <string>
#include <string_view>

#include "ui/ChildWindow.h"

// A single-line edit box.
class Edit : public ChildWindow {
public:
    explicit Edit(ControlHost& parent);

    std::string Text() const;
    void SetText(std::string_view text);
    std::string AccessibleValue() const override { return Text(); }

    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;
};
