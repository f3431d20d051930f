#include "ui/PushButton.h"

#include "ui/ControlHost.h"
#include "ui/PropertyReader.h"

PushButton::PushButton(ControlHost& parent) : ChildWindow(parent, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP)
{
    Role = AccessibleRole::PushButton;
}

void PushButton::WindowMade() const
{
    Parent().RegisterCommand(Handle(), [this](WORD code) {
        if (code == BN_CLICKED) RunClick(OnClick);
    });
}

void PushButton::SetCaption(std::string_view caption) { ChangeWindowText(caption); }

void PushButton::Activate() { RunClick(OnClick); }

std::string PushButton::SpokenName() const
{
    return AccessibleName.empty() ? WindowText() : AccessibleName;
}

bool PushButton::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "Caption") SetCaption(loader.String(property));
    else if (property.Name == "OnClick") OnClick = loader.Notify(property);
    else return ChildWindow::SetProperty(property, loader);
    return true;
}
