// VARIANTs laid out by hand as a host lays out the arguments of a call: they borrow what they point
// at (an object, the host's flag) and own nothing, so nobody clears them.
#pragma once
#include <windows.h>

#include <oleauto.h>

namespace testsupport {

inline VARIANTARG Var(VARTYPE vt, void *byref = nullptr) {
    VARIANTARG v;
    VariantInit(&v);
    v.vt = vt;
    v.byref = byref;
    return v;
}

inline VARIANTARG Int(LONG value) {
    VARIANTARG v = Var(VT_I4);
    v.lVal = value;
    return v;
}

inline VARIANTARG Object(IDispatch *object) {
    VARIANTARG v = Var(VT_DISPATCH);
    v.pdispVal = object;
    return v;
}

inline VARIANTARG BoolRef(VARIANT_BOOL *flag) {
    return Var(VT_BYREF | VT_BOOL, flag);
}

} // namespace testsupport
