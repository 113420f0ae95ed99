// The attributes a type library or a type info lends out (GetLibAttr, GetTypeAttr) held for the length
// of a scope and given back exactly once, whatever happens in between.
#pragma once
#include "classlib/Exceptions.h"

#include <oaidl.h>

namespace classlib {

template <class Owner, class Attr, auto Get, auto Give> class TLentAttr {
public:
    // Raises EOleException when the owner lends nothing. The owner is kept alive while the attributes
    // are held.
    explicit TLentAttr(Owner *owner) : owner_(owner) {
        OleCheck((owner_->*Get)(&attr_));
        owner_->AddRef();
    }
    ~TLentAttr() {
        (owner_->*Give)(attr_);
        owner_->Release();
    }
    TLentAttr(const TLentAttr &) = delete;
    TLentAttr &operator=(const TLentAttr &) = delete;

    const Attr *operator->() const noexcept { return attr_; }
    const Attr &operator*() const noexcept { return *attr_; }

private:
    Owner *owner_;
    Attr *attr_ = nullptr;
};

using TLibAttrHolder = TLentAttr<ITypeLib, TLIBATTR, &ITypeLib::GetLibAttr, &ITypeLib::ReleaseTLibAttr>;
using TTypeAttrHolder = TLentAttr<ITypeInfo, TYPEATTR, &ITypeInfo::GetTypeAttr, &ITypeInfo::ReleaseTypeAttr>;

} // namespace classlib
