#include "framework/Edit.h"

#include <oleacc.h>

#include "framework/PropertyReader.h"
#include "framework/WinStrings.h"

Edit::Edit(Page& parent) : ChildWindow(parent, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE)
{
    Role = AccessibleRole::Text;
}

std::string Edit::Text() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
    return ToUtf8(text);
}

void Edit::SetText(std::string_view text)
{
    SetWindowTextW(Handle(), ToWide(text).c_str());
    NotifyAccessible(EVENT_OBJECT_VALUECHANGE);
}

bool Edit::SetProperty(const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "Text") {
        SetText(loader.String(property));
        return true;
    }
    return ChildWindow::SetProperty(property, loader);
}
