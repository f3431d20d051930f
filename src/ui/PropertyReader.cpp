#include "ui/PropertyReader.h"

bool SetFontProperty(FontSpec& font, std::string_view prefix, const PageProperty& property, PropertyReader& loader)
{
    std::string_view name = property.Name;
    if (!name.starts_with(prefix)) return false;
    name.remove_prefix(prefix.size());
    if (name == "Name") font.Name = loader.String(property);
    else if (name == "Height") font.Height = loader.Integer(property);
    else if (name == "Color") font.Color = ColorOf(loader.Integer(property));
    else if (name == "Bold") font.Bold = loader.Boolean(property);
    else if (name == "Underline") font.Underline = loader.Boolean(property);
    else return false;
    return true;
}

bool SetNotifyProperty(const PageProperty& property, PropertyReader& loader,
                       std::initializer_list<std::pair<std::string_view, NotifyEvent*>> events)
{
    for (const auto& [name, event] : events)
        if (property.Name == name) {
            *event = loader.Notify(property);
            return true;
        }
    return false;
}
