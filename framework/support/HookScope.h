// A process-wide hook replaced for a scope: tests answer dialogs through hooks and put the previous
// one back when they end.
#pragma once
#include <utility>

namespace framework {

// Set installs a hook and returns the one it replaced.
template <class Hook, Hook (*Set)(Hook)> class THookScope {
public:
    explicit THookScope(Hook hook) : previous_(Set(std::move(hook))) {}
    ~THookScope() { Set(std::move(previous_)); }
    THookScope(const THookScope &) = delete;
    THookScope &operator=(const THookScope &) = delete;

private:
    Hook previous_;
};

} // namespace framework
