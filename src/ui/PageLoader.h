#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PageDefinition.h"
#include "base/Win32.h"
#include "ui/ComponentRegistry.h"
#include "ui/PropertyReader.h"

class Page;

// Files a definition names in <...>: embedded at build time.
using FileSource = std::function<std::vector<std::byte>(std::string_view path)>;
// Looks files up among the module's raw resources (see EmbeddedName).
FileSource ResourceFiles(HMODULE module);
// "progress/slide1.png" -> "PROGRESS_SLIDE1_PNG": the resource name the build gives a file.
std::string EmbeddedName(std::string_view path);

// Streams one definition into a page: creates the components in order, sets their
// properties and binds handlers, resolves references once everything is read, then
// runs the page's creation handler.
class PageLoader final : public PropertyReader {
public:
    PageLoader(Page& page, const PageDefinition& definition, const ComponentRegistry& registry, FileSource files);
    void Load();

    int Integer(const PageProperty& property, size_t index = 0) const override;
    std::string String(const PageProperty& property) const override;
    bool Boolean(const PageProperty& property) const override;
    std::string Identifier(const PageProperty& property) const override;
    std::vector<std::byte> File(const PageProperty& property, size_t index = 0) const override;
    RECT Rectangle(const PageProperty& property) const override;
    NotifyEvent Notify(const PageProperty& property) const override;
    MouseEvent Mouse(const PageProperty& property) const override;
    void Later(std::function<void()> action) override { later_.push_back(std::move(action)); }
    TComponent& Component(const PageProperty& property) const override;
    [[noreturn]] void Fail(const PageProperty& property, std::string_view what, size_t index = 0) const override;

private:
    const PageValue& Value(const PageProperty& property, size_t index, PageValue::Kind kind, const char* expected) const;

    Page& page_;
    const PageDefinition& definition_;
    const ComponentRegistry& registry_;
    FileSource files_;
    std::vector<std::function<void()>> later_;
};

// Reads the definition from the module's resources and streams it into the page.
void LoadPage(Page& page, std::string_view definitionPath, const ComponentRegistry& registry = StandardComponents(),
              HMODULE module = nullptr);
