#pragma once
#include <string_view>

#include "framework/ChildWindow.h"

// The system's push button.
class PushButton : public ChildWindow {
public:
    explicit PushButton(Page& parent);

    void SetCaption(std::string_view caption);
    NotifyEvent OnClick;

    void Activate() override;
    std::string SpokenName() const override;

    bool SetProperty(const PageProperty& property, PropertyReader& loader) override;
};
