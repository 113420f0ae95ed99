#include "hostsim/CommandBarCall.h"

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "classlib/OleVariant.h"
#include "hostsim/SimLog.h"

using classlib::EOleSysError;
using classlib::OleVariant;

namespace hostsim::call {

namespace {

const VARIANT &Target(const VARIANT &value) {
    if (value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal != nullptr)
        return *value.pvarVal;
    return value;
}

template <class Read>
auto Convert(const VARIANT &value, Read read) -> std::optional<decltype(read(OleVariant()))> {
    if (IsMissing(value))
        return std::nullopt;
    try {
        return read(OleVariant(Target(value)));
    } catch (const classlib::Exception &) {
        throw EOleSysError(L"The argument has the wrong type", DISP_E_TYPEMISMATCH);
    }
}

} // namespace

std::wstring Text(BSTR text) {
    return L"'" + classlib::BStrToString(text) + L"'";
}
std::wstring Number(long value) {
    return std::to_wstring(value);
}
std::wstring Flag(VARIANT_BOOL value) {
    return value ? L"True" : L"False";
}
std::wstring Arg(const VARIANT &value) {
    return RenderArg(value);
}

std::wstring Object(IUnknown *object) {
    VARIANT v;
    v.vt = VT_UNKNOWN;
    v.punkVal = object;
    return RenderArg(v);
}

bool IsMissing(const VARIANT &value) {
    const VARIANT &v = Target(value);
    return v.vt == VT_EMPTY || (v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND);
}

bool IsText(const VARIANT &value) {
    VARTYPE vt = Target(value).vt;
    return vt == VT_BSTR || vt == (VT_BYREF | VT_BSTR);
}

std::optional<long> OptLong(const VARIANT &value) {
    return Convert(value, [](const OleVariant &v) { return static_cast<long>(v.ToInt()); });
}

std::optional<bool> OptBool(const VARIANT &value) {
    return Convert(value, [](const OleVariant &v) { return v.ToBool(); });
}

std::optional<std::wstring> OptString(const VARIANT &value) {
    return Convert(value, [](const OleVariant &v) { return v.ToString(); });
}

IUnknown *OptObject(const VARIANT &value) {
    const VARIANT &v = Target(value);
    if (IsMissing(v))
        return nullptr;
    switch (v.vt) {
    case VT_DISPATCH:
        return v.pdispVal;
    case VT_UNKNOWN:
        return v.punkVal;
    case VT_BYREF | VT_DISPATCH:
        return *v.ppdispVal;
    case VT_BYREF | VT_UNKNOWN:
        return *v.ppunkVal;
    default:
        throw EOleSysError(L"The argument must be an object", DISP_E_TYPEMISMATCH);
    }
}

void CheckOut(const void *out) {
    if (out == nullptr)
        throw EOleSysError(L"A result pointer is null", E_POINTER);
}

void SetOut(BSTR *out, const std::wstring &text) {
    *Out(out) = classlib::AllocBStr(text);
}

void SetOut(VARIANT_BOOL *out, bool value) {
    *Out(out) = Bool(value);
}

} // namespace hostsim::call
