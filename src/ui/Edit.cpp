#include "ui/Edit.h"

#include <oleacc.h>

#include "ui/PropertyReader.h"

Edit::Edit(ControlHost& parent) : ChildWindow(parent, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE)
{
    Role = AccessibleRole::Text;
}

std::string Edit::Text() const { return WindowText(); }

void Edit::SetText(std::string_view text)
{
    ChangeWindowText(text);
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
