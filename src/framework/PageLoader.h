#pragma once
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <utility>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/PageDefinition.h"
#include "framework/Win32.h"

class Page;

// Makes components by class name.
class ComponentRegistry {
public:
    using Factory = std::function<std::unique_ptr<TComponent>(Page&)>;
    void Add(std::string className, Factory factory) { factories_[std::move(className)] = std::move(factory); }
    const Factory* Find(std::string_view className) const;

private:
    std::map<std::string, Factory, std::less<>> factories_;
};

// The framework's own classes: Picture, Label, Edit, PushButton, ProgressBar, Timer.
const ComponentRegistry& StandardComponents();

// Files a definition names in <...>: embedded at build time.
using FileSource = std::function<std::vector<std::byte>(std::string_view path)>;
// Looks files up among the module's raw resources (see EmbeddedName).
FileSource ResourceFiles(HMODULE module);
// "progress/slide1.png" -> "PROGRESS_SLIDE1_PNG": the resource name the build gives a file.
std::string EmbeddedName(std::string_view path);

// Streams one definition into a page: creates the components in order, sets their
// properties and binds handlers, resolves references once everything is read, then
// runs the page's creation handler.
class PageLoader {
public:
    PageLoader(Page& page, const PageDefinition& definition, const ComponentRegistry& registry, FileSource files);
    void Load();

    // Value readers for SetProperty; each raises a named error for a wrong kind.
    int Integer(const PageProperty& property, size_t index = 0) const;
    std::string String(const PageProperty& property) const;
    bool Boolean(const PageProperty& property) const;
    std::string Identifier(const PageProperty& property) const;
    std::vector<std::byte> File(const PageProperty& property, size_t index = 0) const;
    RECT Rectangle(const PageProperty& property) const; // left top width height
    NotifyEvent Notify(const PageProperty& property) const;
    MouseEvent Mouse(const PageProperty& property) const;
    // Runs after every component exists (references between components).
    void Later(std::function<void()> action) { later_.push_back(std::move(action)); }
    TComponent& Component(const PageProperty& property) const;
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
    [[noreturn]] void Fail(const PageProperty& property, std::string_view what, size_t index = 0) const;

private:
    const PageValue& Value(const PageProperty& property, size_t index, PageValue::Kind kind, const char* expected) const;

    Page& page_;
    const PageDefinition& definition_;
    const ComponentRegistry& registry_;
    FileSource files_;
    std::vector<std::function<void()>> later_;
};

// Bounds, Visible and Enabled: what every placed control takes from a definition.
template <typename Control>
bool SetPlacementProperty(Control& control, const PageProperty& property, PageLoader& loader)
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
bool SetFontProperty(FontSpec& font, std::string_view prefix, const PageProperty& property, PageLoader& loader);

// Binds a handler property to the event member it names; false when the property is
// none of the given events.
bool SetNotifyProperty(const PageProperty& property, PageLoader& loader,
                       std::initializer_list<std::pair<std::string_view, NotifyEvent*>> events);

// Reads the definition from the module's resources and streams it into the page.
void LoadPage(Page& page, std::string_view definitionPath, const ComponentRegistry& registry = StandardComponents(),
              HMODULE module = nullptr);
