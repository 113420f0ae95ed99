// How a hooked host handler calls the handler it replaced.
#pragma once
#include "framework/core/AddInModule.h"

namespace framework {

// Calls the handler a hook replaced, if any, with the module reporting its failure; nothing once the
// module is gone.
template <class Event, class... A>
void ChainGuarded(TzidCOMAddInModule *module, const Event &previous, A &&...args) {
    if (module != nullptr && previous)
        module->RunGuarded([&] { previous(args...); });
}

} // namespace framework
