#include "classlib/ComImplements.h"

#include "classlib/ComServer.h"

namespace classlib {

// Every live object keeps the module loaded: the host may still call into it.
TComObjectRoot::TComObjectRoot() noexcept {
    ComServer().CountObject(true);
}

TComObjectRoot::~TComObjectRoot() {
    ComServer().CountObject(false);
}

void *TComObjectRoot::ExtraInterface(REFIID) noexcept {
    return nullptr;
}

ULONG TComObjectRoot::RootRelease() noexcept {
    LONG count = InterlockedDecrement(&refCount_);
    if (count == 0)
        delete this;
    return static_cast<ULONG>(count);
}

} // namespace classlib
