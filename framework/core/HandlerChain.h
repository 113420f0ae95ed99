// How a host handler is hooked into a wrapper's event, and how it calls the handler it replaced.
#pragma once
#include "framework/core/AddInModule.h"

namespace framework {

// The framework's handler takes the event's place; the application's handler found there is kept
// and called from the framework's.
template <class E> void Chain(E &event, E &previous, E handler) {
    if (event)
        previous = event;
    event = handler;
}

// Calls the handler a hook replaced, if any, with the module reporting its failure; nothing once the
// module is gone.
template <class Event, class... A>
void ChainGuarded(TzidCOMAddInModule *module, const Event &previous, A &&...args) {
    if (module != nullptr && previous)
        module->RunGuarded([&] { previous(args...); });
}

} // namespace framework
