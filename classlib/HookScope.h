// A process-wide hook (a trace sink, a message-box or dialog hook, an exception handler) replaced for
// a scope: the previous one comes back when the scope ends.
#pragma once
#include <utility>

namespace classlib {

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

} // namespace classlib
