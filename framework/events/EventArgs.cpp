#include "framework/events/EventArgs.h"

#include "classlib/Format.h"
#include "classlib/OleString.h"

using classlib::ComPtr;
using classlib::Format;

namespace framework::events_detail {

void ArgumentTypeError(const wchar_t *event, size_t index, VARTYPE vt) {
    throw classlib::EOleSysError(
        Format(L"Argument %d of the %s event cannot be taken from the variant type $%x.",
               {static_cast<int>(index) + 1, event, static_cast<unsigned>(vt)}),
        DISP_E_TYPEMISMATCH);
}

void ArgumentCountError(const wchar_t *event, size_t declared, size_t passed) {
    throw EzidEventArgCount(Format(L"The %s event takes %d arguments; the host passed %d.",
                                   {event, static_cast<int>(declared), static_cast<int>(passed)}));
}

const VARIANT &Deref(const VARIANT &arg) noexcept {
    if (arg.vt == (VT_BYREF | VT_VARIANT) && arg.pvarVal != nullptr)
        return *arg.pvarVal;
    return arg;
}

namespace {

// The class library's interface-cast error for an object that is no automation object.
ComPtr<IDispatch> AsDispatch(IUnknown *unknown) {
    return unknown ? ComPtr<IUnknown>::Copy(unknown).As<IDispatch>() : nullptr;
}

} // namespace

ComPtr<IDispatch> ToObject(const VARIANT &arg, const wchar_t *event, size_t index) {
    const VARIANT &v = Deref(arg);
    switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return nullptr;
    case VT_ERROR: // an optional argument left out
        if (v.scode == DISP_E_PARAMNOTFOUND)
            return nullptr;
        break;
    case VT_DISPATCH:
        return ComPtr<IDispatch>::Copy(v.pdispVal);
    case VT_UNKNOWN:
        return AsDispatch(v.punkVal);
    case VT_BYREF | VT_DISPATCH:
        return ComPtr<IDispatch>::Copy(v.ppdispVal ? *v.ppdispVal : nullptr);
    case VT_BYREF | VT_UNKNOWN:
        return AsDispatch(v.ppunkVal ? *v.ppunkVal : nullptr);
    default:
        break;
    }
    ArgumentTypeError(event, index, v.vt);
}

namespace {

void *ValueSlot(VARIANT &v, VARTYPE vt) noexcept {
    switch (vt) {
    case VT_BOOL:
        return &v.boolVal;
    case VT_I4:
        return &v.lVal;
    default:
        return &v.bstrVal;
    }
}

// A variant that holds a value (no reference) becomes one of type vt, in place.
bool CoerceInPlace(VARIANT &v, VARTYPE vt) noexcept {
    return v.vt == vt || SUCCEEDED(VariantChangeType(&v, &v, 0, vt));
}

} // namespace

void *RefStorage(VARIANT &arg, VARTYPE vt, const wchar_t *event, size_t index) {
    if (arg.vt == (VT_BYREF | vt) && arg.byref != nullptr)
        return arg.byref;
    if (arg.vt == (VT_BYREF | VT_VARIANT) && arg.pvarVal != nullptr) {
        VARIANT &inner = *arg.pvarVal;
        if (inner.vt == (VT_BYREF | vt) && inner.byref != nullptr)
            return inner.byref;
        if ((inner.vt & VT_BYREF) == 0 && CoerceInPlace(inner, vt))
            return ValueSlot(inner, vt);
    } else if ((arg.vt & VT_BYREF) == 0 && CoerceInPlace(arg, vt)) {
        return ValueSlot(arg, vt);
    }
    ArgumentTypeError(event, index, arg.vt);
}

TArg<std::wstring &>::TArg(classlib::OleVariant &arg, const wchar_t *event, size_t index)
    : target_(static_cast<BSTR *>(RefStorage(*arg.Ptr(), VT_BSTR, event, index))),
      original_(classlib::BStrToString(*target_)), value_(original_) {}

// The host owns the string it finds there when the call returns; the one it passed is freed.
TArg<std::wstring &>::~TArg() {
    if (value_ == original_)
        return;
    if (BSTR fresh = SysAllocStringLen(value_.data(), static_cast<UINT>(value_.size()))) {
        SysFreeString(*target_);
        *target_ = fresh;
    }
}

TArg<classlib::OleVariant &>::TArg(classlib::OleVariant &arg, const wchar_t *event, size_t index) {
    const VARIANT &v = arg.Var();
    if (v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal != nullptr)
        // OleVariant is a VARIANT: the handler works on the host's own.
        target_ = reinterpret_cast<classlib::OleVariant *>(v.pvarVal);
    else if ((v.vt & VT_BYREF) == 0)
        target_ = &arg;
    else
        ArgumentTypeError(event, index, v.vt);
}

} // namespace framework::events_detail
