#pragma once
#include <string_view>

#include "ui/ChildWindow.h"

// The system's push button.
class PushButton : public ChildWindow {
public:
    explicit PushButton(ControlHost& parent);

    void SetCaption(std::string_view caption);
    NotifyEvent OnClick;

    void Activate() override;
    std::string SpokenName() const override;

    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;

private:
    void WindowMade() const override;
};
