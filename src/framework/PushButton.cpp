#include "framework/PushButton.h"

#include "framework/Page.h"
#include "framework/PropertyReader.h"
#include "framework/WinStrings.h"

PushButton::PushButton(Page& parent) : ChildWindow(parent, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP)
{
    Role = AccessibleRole::PushButton;
    parent.RegisterCommand(Handle(), [this](WORD code) {
        if (code == BN_CLICKED && OnClick) OnClick();
    });
}

void PushButton::SetCaption(std::string_view caption) { SetWindowTextW(Handle(), ToWide(caption).c_str()); }

void PushButton::Activate()
{
    if (OnClick) OnClick();
}

std::string PushButton::SpokenName() const
{
    if (!AccessibleName.empty()) return AccessibleName;
    std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    caption.resize(static_cast<size_t>(GetWindowTextW(Handle(), caption.data(), static_cast<int>(caption.size()))));
    return ToUtf8(caption);
}

bool PushButton::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "Caption") SetCaption(loader.String(property));
    else if (property.Name == "OnClick") OnClick = loader.Notify(property);
    else return ChildWindow::SetProperty(property, loader);
    return true;
}
