#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PageDefinition.h"

class PropertyReader;

// Anything a page definition can create: controls, timers, non-visual parts.
class TComponent {
public:
    TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    // Tells every component linked by FreeNotification that this one is going.
    virtual ~TComponent();

    std::string Name;

    // Being read from a definition; being edited by a designer (never at run time;
    // tools that build data set it).
    enum State : uint32_t { Loading = 1, Designing = 2 };
    uint32_t ComponentState = 0;
    bool IsLoading() const { return (ComponentState & Loading) != 0; }
    bool IsDesigning() const { return (ComponentState & Designing) != 0; }

    // Sets one property of a definition; false when the class has no such property.
    // Values of the wrong kind, unknown handlers and missing files raise through the
    // reader, which names the page, line and word.
    virtual bool SetProperty(const PageProperty& property, PropertyReader& loader);
    // Runs once every component of the definition is read and every reference between
    // them resolved; Loading is already cleared.
    virtual void Loaded() {}

    // Links two components so each hears through Notification when the other is
    // destroyed: components that refer to others drop the reference then.
    void FreeNotification(TComponent& other);
    void RemoveFreeNotification(TComponent& other);

protected:
    virtual void Notification(TComponent& removed) { (void)removed; }
    // Points one of this component's references at `other` (or at nothing), moving the
    // link that clears the reference when the component it names goes.
    template <typename Referenced>
    void Relink(Referenced*& reference, Referenced* other)
    {
        if (reference) RemoveFreeNotification(*reference);
        reference = other;
        if (other) FreeNotification(*other);
    }

private:
    std::vector<TComponent*> linked_;
};

// Components that change what every form shows announce it to all forms; the Windows
// build installs a hook that sends the announcement to the pages as a window message.
using BroadcastHook = std::function<void(TComponent& sender, unsigned message)>;
// What tells a broadcast from other messages of the same number: its lParam.
constexpr long BroadcastMark = 1000;
void SetBroadcastHook(BroadcastHook hook);
void Broadcast(TComponent& sender, unsigned message);

// Event handler kinds a page offers to its definition.
using NotifyEvent = std::function<void()>;
enum class MouseButton;
using MouseEvent = std::function<void(MouseButton, unsigned, int, int)>;
