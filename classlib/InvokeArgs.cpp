#include "classlib/InvokeArgs.h"

#include "classlib/Exceptions.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"

namespace classlib {

namespace {

// The value field of type vt in a variant that holds no reference; null for the types not answered.
void *ValueSlot(VARIANT &v, VARTYPE vt) noexcept {
    switch (vt) {
    case VT_BOOL:
        return &v.boolVal;
    case VT_I4:
        return &v.lVal;
    case VT_BSTR:
        return &v.bstrVal;
    default:
        return nullptr;
    }
}

} // namespace

TArgRef<std::wstring>::TArgRef(void *storage)
    : target_(static_cast<BSTR *>(storage)), original_(BStrToString(*target_)), value_(original_) {}

void TArgRef<std::wstring>::WriteBack() noexcept {
    if (value_ == original_)
        return;
    if (BSTR fresh = SysAllocStringLen(value_.data(), static_cast<UINT>(value_.size()))) {
        SysFreeString(*target_);
        *target_ = fresh;
    }
}

const VARIANT &DerefArg(const VARIANT &arg) noexcept {
    if (arg.vt == (VT_BYREF | VT_VARIANT) && arg.pvarVal != nullptr)
        return *arg.pvarVal;
    return arg;
}

void *RefArgStorage(VARIANT &arg, VARTYPE vt) noexcept {
    if (arg.vt == (VT_BYREF | vt))
        return arg.byref;
    if (arg.vt != (VT_BYREF | VT_VARIANT) || arg.pvarVal == nullptr)
        return nullptr;
    VARIANT &inner = *arg.pvarVal;
    if (inner.vt == (VT_BYREF | vt))
        return inner.byref;
    if ((inner.vt & VT_BYREF) != 0 || ValueSlot(inner, vt) == nullptr)
        return nullptr;
    if (inner.vt != vt && FAILED(VariantChangeType(&inner, &inner, 0, vt)))
        return nullptr;
    return ValueSlot(inner, vt);
}

void ArgTypeError(int position, VARTYPE vt, const wchar_t *member) {
    const unsigned type = vt;
    throw EOleSysError(
        member && *member
            ? Format(L"Argument %d of the %s event cannot be taken from the variant type $%x.",
                     {position + 1, member, type})
            : Format(L"Event argument %d cannot be taken from the variant type $%x.", {position + 1, type}),
        DISP_E_TYPEMISMATCH);
}

ComPtr<IDispatch> ObjectArg(const VARIANT &arg, int position, const wchar_t *member) {
    const VARIANT &v = DerefArg(arg);
    IUnknown *object = nullptr;
    switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return nullptr;
    case VT_ERROR: // an optional argument left out
        if (v.scode != DISP_E_PARAMNOTFOUND)
            ArgTypeError(position, v.vt, member);
        return nullptr;
    case VT_DISPATCH:
        return ComPtr<IDispatch>::Copy(v.pdispVal);
    case VT_BYREF | VT_DISPATCH:
        return ComPtr<IDispatch>::Copy(v.ppdispVal ? *v.ppdispVal : nullptr);
    case VT_UNKNOWN:
        object = v.punkVal;
        break;
    case VT_BYREF | VT_UNKNOWN:
        object = v.ppunkVal ? *v.ppunkVal : nullptr;
        break;
    default:
        ArgTypeError(position, v.vt, member);
    }
    ComPtr<IDispatch> result;
    if (object != nullptr && FAILED(object->QueryInterface(IID_IDispatch, result.PutVoid())))
        ArgTypeError(position, v.vt, member); // no automation object
    return result;
}

TInvokeArgs::TInvokeArgs(const DISPPARAMS *params, TPositions positions) {
    HRESULT hr = Assign(params, positions);
    if (hr == E_INVALIDARG)
        throw EOleSysError(L"The caller passed inconsistent arguments.", hr);
    if (FAILED(hr))
        throw EOleSysError(L"A named argument names no free position of the call.", hr);
}

HRESULT TInvokeArgs::Assign(const DISPPARAMS *params, TPositions positions, UINT *argErr) noexcept {
    params_ = nullptr;
    if (params == nullptr)
        return S_OK;
    const UINT count = params->cArgs, named = params->cNamedArgs;
    if (named > count || (count > 0 && params->rgvarg == nullptr) ||
        (named > 0 && params->rgdispidNamedArgs == nullptr))
        return E_INVALIDARG;
    // A named argument takes a position that no positional and no other named argument takes.
    const UINT positional = count - named;
    for (UINT j = 0; j < named; ++j) {
        const DISPID position = params->rgdispidNamedArgs[j];
        bool free = position >= 0 && static_cast<UINT>(position) >= positional &&
                    (positions == AnyPosition || static_cast<UINT>(position) < count);
        for (UINT k = 0; free && k < j; ++k)
            free = params->rgdispidNamedArgs[k] != position;
        if (!free) {
            if (argErr != nullptr)
                *argErr = j;
            return DISP_E_PARAMNOTFOUND;
        }
    }
    params_ = params;
    return S_OK;
}

VARIANT *TInvokeArgs::Find(int position) const noexcept {
    if (params_ == nullptr || position < 0)
        return nullptr;
    const UINT named = params_->cNamedArgs;
    for (UINT k = 0; k < named; ++k)
        if (params_->rgdispidNamedArgs[k] == position)
            return &params_->rgvarg[k];
    // Positional arguments follow the named ones in rgvarg, last argument first.
    if (static_cast<UINT>(position) < params_->cArgs - named)
        return &params_->rgvarg[params_->cArgs - 1 - position];
    return nullptr;
}

VARIANT &TInvokeArgs::Required(int position) const {
    VARIANT *arg = Find(position);
    if (arg == nullptr)
        throw EOleSysError(
            Format(L"The call passed %d arguments; argument %d is missing.", {Count(), position + 1}),
            DISP_E_BADPARAMCOUNT);
    return *arg;
}

ComPtr<IDispatch> TInvokeArgs::Object(int position) const {
    return ObjectArg(Required(position), position);
}

ComPtr<IDispatch> TInvokeArgs::OptionalObject(int position) const {
    if (Find(position) == nullptr)
        return nullptr;
    try {
        return Object(position);
    } catch (const EOleSysError &e) {
        if (e.ErrorCode() != DISP_E_TYPEMISMATCH)
            throw;
        return nullptr;
    }
}

OleVariant TInvokeArgs::Value(int position) const {
    return OleVariant(DerefArg(Required(position)));
}

bool &TInvokeArgs::BoolRef(int position) {
    VARIANT &arg = Required(position);
    void *storage = RefArgStorage(arg, VT_BOOL);
    if (storage == nullptr)
        ArgTypeError(position, arg.vt);
    bools_.emplace_back(storage);
    return bools_.back().Value();
}

void TInvokeArgs::WriteBack() noexcept {
    for (TArgRef<bool> &slot : bools_)
        slot.WriteBack();
}

} // namespace classlib
