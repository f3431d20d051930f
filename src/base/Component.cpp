#include "base/Component.h"

#include <algorithm>

namespace {

BroadcastHook& Hook()
{
    static BroadcastHook hook;
    return hook;
}

} // namespace

TComponent::~TComponent()
{
    // Copy first: a notified component may unlink others while it reacts.
    const std::vector<TComponent*> linked = std::move(linked_);
    for (TComponent* other : linked) {
        std::erase(other->linked_, this);
        other->Notification(*this);
    }
}

bool TComponent::SetProperty(const PageProperty&, PropertyReader&) { return false; }

void TComponent::FreeNotification(TComponent& other)
{
    if (&other == this || std::ranges::find(linked_, &other) != linked_.end()) return;
    linked_.push_back(&other);
    other.linked_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent& other)
{
    std::erase(linked_, &other);
    std::erase(other.linked_, this);
}

void SetBroadcastHook(BroadcastHook hook) { Hook() = std::move(hook); }

void Broadcast(TComponent& sender, unsigned message)
{
    if (Hook()) Hook()(sender, message);
}
