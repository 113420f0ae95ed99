#include "office/HostEventSink.h"

#include <algorithm>

#include "classlib/Format.h"
#include "office/HostWrapper.h"

using classlib::ComPtr;
using classlib::EOleSysError;
using classlib::Format;

namespace office {

bool THostEventInterface::Declares(DISPID id) const {
    return std::find(Events.begin(), Events.end(), id) != Events.end();
}

namespace {

[[noreturn]] void TypeMismatch(int index, VARTYPE vt) {
    throw EOleSysError(
        Format(L"Event argument %d has the unexpected variant type $%x.", {index, unsigned(vt)}),
        DISP_E_TYPEMISMATCH);
}

// An interface pointer as IDispatch; an object that is no automation object is a type mismatch.
ComPtr<IDispatch> AsDispatch(IUnknown *unknown, int index, VARTYPE vt) {
    ComPtr<IDispatch> result;
    if (unknown != nullptr && FAILED(unknown->QueryInterface(IID_IDispatch, result.PutVoid())))
        TypeMismatch(index, vt);
    return result;
}

} // namespace

THostEventArgs::THostEventArgs(const DISPPARAMS *params)
    : params_(params), count_(params ? static_cast<int>(params->cArgs) : 0) {
    if (params == nullptr)
        return;
    if (params->cNamedArgs > params->cArgs || (params->cArgs > 0 && params->rgvarg == nullptr) ||
        (params->cNamedArgs > 0 && params->rgdispidNamedArgs == nullptr))
        throw EOleSysError(L"The host passed inconsistent event arguments.", E_INVALIDARG);
}

const VARIANT *THostEventArgs::Find(int index) const noexcept {
    if (params_ == nullptr || index < 0)
        return nullptr;
    UINT named = params_->cNamedArgs;
    for (UINT k = 0; k < named; ++k)
        if (params_->rgdispidNamedArgs[k] == index)
            return &params_->rgvarg[k];
    // Positional arguments follow the named ones in rgvarg, last argument first.
    if (static_cast<UINT>(index) < params_->cArgs - named)
        return &params_->rgvarg[params_->cArgs - 1 - index];
    return nullptr;
}

const VARIANT &THostEventArgs::Required(int index) const {
    const VARIANT *arg = Find(index);
    if (arg == nullptr)
        throw EOleSysError(
            Format(L"The host passed %d event arguments; argument %d is missing.", {count_, index}),
            DISP_E_BADPARAMCOUNT);
    return *arg;
}

const VARIANT &THostEventArgs::Deref(const VARIANT &arg) noexcept {
    if (arg.vt == (VT_BYREF | VT_VARIANT) && arg.pvarVal != nullptr)
        return *arg.pvarVal;
    return arg;
}

ComPtr<IDispatch> THostEventArgs::Object(int index) const {
    const VARIANT &arg = Deref(Required(index));
    switch (arg.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return nullptr;
    case VT_DISPATCH:
        return ComPtr<IDispatch>::Copy(arg.pdispVal);
    case VT_UNKNOWN:
        return AsDispatch(arg.punkVal, index, arg.vt);
    case VT_BYREF | VT_DISPATCH:
        return ComPtr<IDispatch>::Copy(arg.ppdispVal ? *arg.ppdispVal : nullptr);
    case VT_BYREF | VT_UNKNOWN:
        return AsDispatch(arg.ppunkVal ? *arg.ppunkVal : nullptr, index, arg.vt);
    default:
        TypeMismatch(index, arg.vt);
    }
}

ComPtr<IDispatch> THostEventArgs::OptionalObject(int index) const {
    if (Find(index) == nullptr)
        return nullptr;
    try {
        return Object(index);
    } catch (const EOleSysError &e) {
        if (e.ErrorCode() != DISP_E_TYPEMISMATCH)
            throw;
        return nullptr;
    }
}

classlib::OleVariant THostEventArgs::Value(int index) const {
    return classlib::OleVariant(Deref(Required(index)));
}

bool &THostEventArgs::BoolRef(int index) {
    const VARIANT &arg = Required(index);
    VARIANT_BOOL *target = nullptr;
    if (arg.vt == (VT_BYREF | VT_BOOL))
        target = arg.pboolVal;
    else if (arg.vt == (VT_BYREF | VT_VARIANT) && arg.pvarVal != nullptr) {
        VARIANT &inner = *arg.pvarVal;
        if (inner.vt == VT_BOOL)
            target = &inner.boolVal;
        else if (inner.vt == (VT_BYREF | VT_BOOL))
            target = inner.pboolVal;
    }
    if (target == nullptr) // a by-value flag could never reach the host
        TypeMismatch(index, arg.vt);
    bools_.push_back({target, *target != VARIANT_FALSE});
    return bools_.back().Value;
}

void THostEventArgs::WriteBack() noexcept {
    for (const BoolSlot &slot : bools_)
        *slot.Target = slot.Value ? VARIANT_TRUE : VARIANT_FALSE;
}

THostEventSink::THostEventSink(const THostEventInterface &iface, THostWrapper *wrapper)
    : TEventSinkBase(iface.Iid), iface_(iface), wrapper_(wrapper) {}

HRESULT THostEventSink::DoInvoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *) {
    if (!iface_.Declares(id))
        return DISP_E_MEMBERNOTFOUND;
    if (wrapper_ == nullptr) // the wrapper is gone; the host is about to drop us
        return S_OK;
    THostEventArgs args(params);
    // The handler may free the wrapper (a window's Close handler does); nothing of it is touched
    // afterwards. A flag the handler set before it failed still reaches the host.
    try {
        wrapper_->HostEvent(id, args);
    } catch (...) {
        args.WriteBack();
        throw;
    }
    args.WriteBack();
    return S_OK;
}

} // namespace office
