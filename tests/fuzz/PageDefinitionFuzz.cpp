// The page-definition parser: any text either parses or raises the parser's message
// naming the line, and what parses keeps every line number inside the text.
#include <algorithm>

#include "Fuzz.h"
#include "base/Exception.h"
#include "base/PageDefinition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = AsText(data, size);
    PageDefinition page;
    try {
        page = ParsePageDefinition(text, "fuzz.page");
    } catch (const Exception& e) {
        FUZZ_CHECK(e.Message().starts_with("fuzz.page, line "));
        return 0;
    }
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r')) + 1;
    auto inside = [&](int line) { return line >= 1 && line <= lines; };
    FUZZ_CHECK(!page.Name.empty());
    for (const PageProperty& property : page.Properties) FUZZ_CHECK(inside(property.Line) && !property.Values.empty());
    for (const ComponentDefinition& component : page.Components) {
        FUZZ_CHECK(inside(component.Line) && !component.ClassName.empty() && !component.Name.empty());
        for (const PageProperty& property : component.Properties)
            FUZZ_CHECK(property.Line > component.Line && inside(property.Line) && !property.Values.empty());
    }
    return 0;
}
