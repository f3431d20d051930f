#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "framework/PageDefinition.h"

class PageLoader;

// Anything a page definition can create: controls, timers, non-visual parts.
class TComponent {
public:
    virtual ~TComponent() = default;

    std::string Name;

    // Sets one property of a definition; false when the class has no such property.
    // Values of the wrong kind, unknown handlers and missing files raise through the
    // loader, which names the page, line and word.
    virtual bool SetProperty(const PageProperty& property, PageLoader& loader) = 0;
};

// Event handler kinds a page offers to its definition.
using NotifyEvent = std::function<void()>;
enum class MouseButton;
using MouseEvent = std::function<void(MouseButton, unsigned, int, int)>;
