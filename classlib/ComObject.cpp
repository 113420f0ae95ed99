#include "classlib/ComObject.h"

#include "classlib/ComObjectFactory.h"
#include "classlib/ComServer.h"

namespace classlib {

// Every live object keeps the module loaded: the host may still call into it.
TComObject::TComObject() noexcept {
    ComServer().CountObject(true);
}

TComObject::~TComObject() {
    ComServer().CountObject(false);
}

ULONG TComObject::ObjAddRef() noexcept {
    return static_cast<ULONG>(InterlockedIncrement(&refCount_));
}

ULONG TComObject::ObjRelease() noexcept {
    LONG count = InterlockedDecrement(&refCount_);
    if (count == 0)
        delete this;
    return static_cast<ULONG>(count);
}

HRESULT TComObject::QueryInterfaceExtra(REFIID, void **ppv) noexcept {
    *ppv = nullptr;
    return E_NOINTERFACE;
}

const wchar_t *TComObject::ErrorSource() const noexcept {
    return factory_ ? factory_->ErrorSource() : nullptr;
}

} // namespace classlib
