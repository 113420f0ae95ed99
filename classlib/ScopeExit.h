// Runs an action when the scope ends, however it ends, unless dismissed first: the clean-up of a step
// that has no owner object of its own ("free the new component unless it was handed over").
#pragma once
#include <utility>

namespace classlib {

// The action runs at most once and must not throw (it runs while an exception may be in flight).
template <class Action> class ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() {
        if (armed_)
            action_();
    }
    ScopeExit(const ScopeExit &) = delete;
    ScopeExit &operator=(const ScopeExit &) = delete;

    // The action will not run: what it would undo has been handed over.
    void Dismiss() noexcept { armed_ = false; }

private:
    Action action_;
    bool armed_ = true;
};

template <class Action> ScopeExit(Action) -> ScopeExit<Action>;

} // namespace classlib
