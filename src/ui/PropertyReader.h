#pragma once
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Component.h"
#include "base/PageDefinition.h"
#include "base/Win32.h"
#include "ui/Font.h"

// How a component reads the properties a definition gives it, knowing nothing of the
// loader behind: each reader raises a named error (page, line, word) for a wrong kind.
class PropertyReader {
public:
    virtual int Integer(const PageProperty& property, size_t index = 0) const = 0;
    virtual std::string String(const PageProperty& property) const = 0;
    virtual bool Boolean(const PageProperty& property) const = 0;
    virtual std::string Identifier(const PageProperty& property) const = 0;
    virtual std::vector<std::byte> File(const PageProperty& property, size_t index = 0) const = 0;
    virtual RECT Rectangle(const PageProperty& property) const = 0; // left top width height
    virtual NotifyEvent Notify(const PageProperty& property) const = 0;
    virtual MouseEvent Mouse(const PageProperty& property) const = 0;
    // Runs after every component exists (references between components).
    virtual void Later(std::function<void()> action) = 0;
    virtual TComponent& Component(const PageProperty& property) const = 0;
    [[noreturn]] virtual void Fail(const PageProperty& property, std::string_view what, size_t index = 0) const = 0;

    // A reference to another component of class T, resolved once every component
    // exists and handed to set; another class raises.
    template <typename T, typename Set>
    void Reference(const PageProperty& property, Set set)
    {
        Later([this, &property, set] {
            auto* component = dynamic_cast<T*>(&Component(property));
            if (!component) Fail(property, property.Name + " names a component of another class");
            set(component);
        });
    }

protected:
    ~PropertyReader() = default;
};

// Bounds, Visible and Enabled: what every placed control takes from a definition.
template <typename Control>
bool SetPlacementProperty(Control& control, const PageProperty& property, PropertyReader& loader)
{
    if (property.Name == "Bounds") {
        const RECT r = loader.Rectangle(property);
        control.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (property.Name == "Visible") {
        control.SetVisible(loader.Boolean(property));
    } else if (property.Name == "Enabled") {
        control.SetEnabled(loader.Boolean(property));
    } else {
        return false;
    }
    return true;
}

// A font property: the prefix, then Name, Height, Color, Bold or Underline, applied to
// font; false when the property is none of them.
bool SetFontProperty(FontSpec& font, std::string_view prefix, const PageProperty& property, PropertyReader& loader);

// Binds a handler property to the event member it names; false when the property is
// none of the given events.
bool SetNotifyProperty(const PageProperty& property, PropertyReader& loader,
                       std::initializer_list<std::pair<std::string_view, NotifyEvent*>> events);
