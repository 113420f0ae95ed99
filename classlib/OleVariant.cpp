#include "classlib/OleVariant.h"

#include "classlib/Format.h"
#include "classlib/OleString.h"

#include <cstring>

namespace classlib {

OleVariant::OleVariant(int value) noexcept : OleVariant(static_cast<long>(value)) {}

OleVariant::OleVariant(long value) noexcept {
    VariantInit(&v_);
    v_.vt = VT_I4;
    v_.lVal = value;
}

OleVariant::OleVariant(unsigned value) noexcept {
    VariantInit(&v_);
    v_.vt = VT_UI4;
    v_.ulVal = value;
}

OleVariant::OleVariant(bool value) noexcept {
    VariantInit(&v_);
    v_.vt = VT_BOOL;
    v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

OleVariant::OleVariant(double value) noexcept {
    VariantInit(&v_);
    v_.vt = VT_R8;
    v_.dblVal = value;
}

OleVariant::OleVariant(const wchar_t *text) : OleVariant(std::wstring(text ? text : L"")) {}

OleVariant::OleVariant(const std::wstring &text) {
    VariantInit(&v_);
    v_.bstrVal = AllocBStr(text);
    v_.vt = VT_BSTR;
}

OleVariant::OleVariant(IDispatch *disp) noexcept {
    VariantInit(&v_);
    SetInterface(VT_DISPATCH, disp);
}

OleVariant::OleVariant(IUnknown *unk) noexcept {
    VariantInit(&v_);
    SetInterface(VT_UNKNOWN, unk);
}

OleVariant::OleVariant(const VARIANT &value) {
    VariantInit(&v_);
    OleCheck(VariantCopy(&v_, const_cast<VARIANT *>(&value))); // the API is not const-correct
}

OleVariant::OleVariant(const OleVariant &other) : OleVariant(other.v_) {}

OleVariant::OleVariant(OleVariant &&other) noexcept {
    v_ = other.v_; // a VARIANT moves by bits
    VariantInit(&other.v_);
}

OleVariant &OleVariant::operator=(const OleVariant &other) {
    if (this != &other) {
        OleVariant copy(other); // copy first: a failed copy leaves this value untouched
        *this = std::move(copy);
    }
    return *this;
}

OleVariant &OleVariant::operator=(OleVariant &&other) noexcept {
    if (this != &other) {
        VariantClear(&v_);
        v_ = other.v_;
        VariantInit(&other.v_);
    }
    return *this;
}

OleVariant OleVariant::Missing() noexcept {
    OleVariant result;
    result.v_.vt = VT_ERROR;
    result.v_.scode = DISP_E_PARAMNOTFOUND;
    return result;
}

void OleVariant::SetInterface(VARTYPE vt, IUnknown *p) noexcept {
    v_.vt = vt;
    v_.punkVal = p; // pdispVal shares the slot
    if (p)
        p->AddRef();
}

const VARIANT &OleVariant::Target() const noexcept {
    if (v_.vt == (VT_BYREF | VT_VARIANT) && v_.pvarVal)
        return *v_.pvarVal;
    return v_;
}

bool OleVariant::IsEmpty() const noexcept {
    return Target().vt == VT_EMPTY;
}
bool OleVariant::IsNull() const noexcept {
    return Target().vt == VT_NULL;
}

bool OleVariant::IsMissing() const noexcept {
    const VARIANT &t = Target();
    if (t.vt == (VT_BYREF | VT_ERROR))
        return t.pscode && *t.pscode == DISP_E_PARAMNOTFOUND;
    return t.vt == VT_ERROR && t.scode == DISP_E_PARAMNOTFOUND;
}

bool OleVariant::IsNothing() const noexcept {
    const VARIANT &t = Target();
    switch (t.vt) {
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return t.punkVal == nullptr;
    case VT_BYREF | VT_DISPATCH:
    case VT_BYREF | VT_UNKNOWN:
        return t.ppunkVal == nullptr || *t.ppunkVal == nullptr;
    default:
        return false;
    }
}

OleVariant OleVariant::Coerced(VARTYPE vt, USHORT flags) const {
    OleVariant result;
    HRESULT hr =
        VariantChangeType(&result.v_, const_cast<VARIANT *>(&v_), flags, vt); // dereferences VT_BYREF itself
    if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_OVERFLOW || hr == DISP_E_BADVARTYPE)
        throw EConvertError(Format(L"Could not convert variant of type (%s) into type (%s)",
                                   {VarTypeName(Target().vt), VarTypeName(vt)}));
    OleCheck(hr);
    return result;
}

int OleVariant::ToInt() const {
    return Coerced(VT_I4).v_.lVal;
}
unsigned OleVariant::ToUInt() const {
    return Coerced(VT_UI4).v_.ulVal;
}
bool OleVariant::ToBool() const {
    return Coerced(VT_BOOL).v_.boolVal != VARIANT_FALSE;
}
double OleVariant::ToDouble() const {
    return Coerced(VT_R8).v_.dblVal;
}

std::wstring OleVariant::ToString() const {
    return BStrToString(Coerced(VT_BSTR, VARIANT_ALPHABOOL).v_.bstrVal);
}

ComPtr<IDispatch> OleVariant::ToDispatch() const {
    if (IsEmpty() || IsNothing())
        return nullptr;
    return ComPtr<IDispatch>::Copy(Coerced(VT_DISPATCH).v_.pdispVal);
}

ComPtr<IUnknown> OleVariant::ToUnknown() const {
    if (IsEmpty() || IsNothing())
        return nullptr;
    return ComPtr<IUnknown>::Copy(Coerced(VT_UNKNOWN).v_.punkVal);
}

VARIANT *OleVariant::Put() noexcept {
    VariantClear(&v_);
    return &v_;
}

void OleVariant::Attach(VARIANT &value) noexcept {
    VariantClear(&v_);
    v_ = value;
    VariantInit(&value);
}

VARIANT OleVariant::Detach() noexcept {
    VARIANT result = v_;
    VariantInit(&v_);
    return result;
}

std::wstring VarTypeName(VARTYPE vt) {
    static const struct {
        VARTYPE vt;
        const wchar_t *name;
    } names[] = {
        {VT_EMPTY, L"Empty"},     {VT_NULL, L"Null"},         {VT_I2, L"Smallint"}, {VT_I4, L"Integer"},
        {VT_R4, L"Single"},       {VT_R8, L"Double"},         {VT_CY, L"Currency"}, {VT_DATE, L"Date"},
        {VT_BSTR, L"OleStr"},     {VT_DISPATCH, L"Dispatch"}, {VT_ERROR, L"Error"}, {VT_BOOL, L"Boolean"},
        {VT_VARIANT, L"Variant"}, {VT_UNKNOWN, L"Unknown"},   {VT_I1, L"ShortInt"}, {VT_UI1, L"Byte"},
        {VT_UI2, L"Word"},        {VT_UI4, L"LongWord"},      {VT_I8, L"Int64"},    {VT_UI8, L"UInt64"}};
    std::wstring prefix;
    if (vt & VT_ARRAY)
        prefix = L"Array ";
    if (vt & VT_BYREF)
        prefix += L"ByRef ";
    VARTYPE base = vt & VT_TYPEMASK;
    for (const auto &entry : names)
        if (entry.vt == base)
            return prefix + entry.name;
    return prefix + Format(L"$%.4X", {static_cast<unsigned>(base)});
}

} // namespace classlib
