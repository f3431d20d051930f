#pragma once
#include <utility>

// Runs an action when the scope ends, however it ends: for state a call sets and must
// put back even when the call raises.
//     const ScopeExit restore{[&] { busy = false; }};
template <typename Action>
class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { action_(); }

private:
    Action action_;
};
