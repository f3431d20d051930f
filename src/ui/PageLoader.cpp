#include "ui/PageLoader.h"

#include <cctype>

#include "base/Exception.h"
#include "base/Resources.h"
#include "ui/Page.h"

std::string EmbeddedName(std::string_view path)
{
    std::string name;
    for (char c : path) name += std::isalnum(static_cast<unsigned char>(c)) ? static_cast<char>(std::toupper(c)) : '_';
    return name;
}

FileSource ResourceFiles(HMODULE module)
{
    return [module](std::string_view path) {
        const auto bytes = RawResource(module, EmbeddedName(path));
        return std::vector<std::byte>(bytes.begin(), bytes.end());
    };
}

PageLoader::PageLoader(Page& page, const PageDefinition& definition, const ComponentRegistry& registry, FileSource files)
    : page_(page), definition_(definition), registry_(registry), files_(std::move(files))
{
}

void PageLoader::Fail(const PageProperty& property, std::string_view what, size_t index) const
{
    const std::string& word = index < property.Values.size() ? property.Values[index].Word : property.Name;
    throw Exception(PageError(definition_.Source, property.Line, word, what));
}

const PageValue& PageLoader::Value(const PageProperty& property, size_t index, PageValue::Kind kind,
                                   const char* expected) const
{
    if (index >= property.Values.size())
        Fail(property, property.Name + " needs more values", property.Values.size());
    const PageValue& value = property.Values[index];
    if (value.Type != kind) Fail(property, property.Name + " expects " + expected, index);
    return value;
}

int PageLoader::Integer(const PageProperty& property, size_t index) const
{
    return static_cast<int>(Value(property, index, PageValue::Kind::Integer, "an integer").Number);
}

std::string PageLoader::String(const PageProperty& property) const
{
    return Value(property, 0, PageValue::Kind::String, "a \"string\"").Text;
}

bool PageLoader::Boolean(const PageProperty& property) const
{
    return Value(property, 0, PageValue::Kind::Boolean, "yes or no").Number != 0;
}

std::string PageLoader::Identifier(const PageProperty& property) const
{
    return Value(property, 0, PageValue::Kind::Identifier, "a name").Text;
}

std::vector<std::byte> PageLoader::File(const PageProperty& property, size_t index) const
{
    const std::string& path = Value(property, index, PageValue::Kind::File, "a <file>").Text;
    try {
        return files_(path);
    } catch (const Exception&) {
        Fail(property, "no such file is embedded", index);
    }
}

RECT PageLoader::Rectangle(const PageProperty& property) const
{
    const int left = Integer(property, 0), top = Integer(property, 1);
    return {left, top, left + Integer(property, 2), top + Integer(property, 3)};
}

NotifyEvent PageLoader::Notify(const PageProperty& property) const
{
    const std::string name = Identifier(property);
    if (const NotifyEvent* handler = page_.FindNotifyHandler(name)) return *handler;
    if (page_.FindMouseHandler(name)) Fail(property, "the handler takes mouse arguments");
    Fail(property, "the page has no such handler");
}

MouseEvent PageLoader::Mouse(const PageProperty& property) const
{
    const std::string name = Identifier(property);
    if (const MouseEvent* handler = page_.FindMouseHandler(name)) return *handler;
    if (page_.FindNotifyHandler(name)) Fail(property, "the handler takes no mouse arguments");
    Fail(property, "the page has no such handler");
}

TComponent& PageLoader::Component(const PageProperty& property) const
{
    const std::string name = Identifier(property);
    TComponent* component = page_.FindComponent(name);
    if (!component) Fail(property, "the page has no such component");
    return *component;
}

void PageLoader::Load()
{
    for (const PageProperty& property : definition_.Properties)
        if (!page_.SetProperty(property, *this)) Fail(property, "unknown page property", property.Values.size());
    std::vector<TComponent*> made;
    for (const ComponentDefinition& definition : definition_.Components) {
        const ComponentRegistry::Factory* factory = registry_.Find(definition.ClassName);
        if (!factory)
            throw Exception(PageError(definition_.Source, definition.Line, definition.ClassName, "unknown class"));
        if (page_.FindComponent(definition.Name))
            throw Exception(PageError(definition_.Source, definition.Line, definition.Name, "the name is taken"));
        std::unique_ptr<TComponent> component = (*factory)(page_);
        component->Name = definition.Name;
        TComponent& current = *component;
        page_.Adopt(std::move(component));
        made.push_back(&current);
        current.ComponentState |= TComponent::Loading;
        for (const PageProperty& property : definition.Properties)
            if (!current.SetProperty(property, *this))
                Fail(property, "unknown property of " + definition.ClassName, property.Values.size());
    }
    for (const auto& action : later_) action();
    later_.clear();
    for (TComponent* component : made) {
        component->ComponentState &= ~TComponent::Loading;
        component->Loaded();
    }
    page_.BindComponents();
    if (page_.OnCreate) page_.OnCreate();
}

void LoadPage(Page& page, std::string_view definitionPath, const ComponentRegistry& registry, HMODULE module)
{
    if (!module) module = GetModuleHandleW(nullptr);
    FileSource files = ResourceFiles(module);
    std::vector<std::byte> text;
    try {
        text = files(definitionPath);
    } catch (const Exception&) {
        throw Exception("The page definition " + std::string(definitionPath) + " is not embedded");
    }
    const PageDefinition definition = ParsePageDefinition(
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), definitionPath);
    PageLoader(page, definition, registry, std::move(files)).Load();
}
