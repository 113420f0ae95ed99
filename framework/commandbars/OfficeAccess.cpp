#include "framework/commandbars/OfficeAccess.h"

#include "classlib/Trace.h"

namespace framework {

VARIANT MissingArg() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND;
    return v;
}

VARIANT LongArg(long Value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = Value;
    return v;
}

VARIANT BoolArg(bool Value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = Value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

VARIANT ByteArg(unsigned char Value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_UI1;
    v.bVal = Value;
    return v;
}

VARIANT UIntArg(unsigned long Value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_UI4;
    v.ulVal = Value;
    return v;
}

VARIANT TStringArg::Var() const {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = text_.Get();
    return v;
}

void TraceCommandBars(const std::wstring &Message) {
    classlib::Trace(L"CommandBars", Message);
}

void TraceCommandBars(const std::wstring &Context, const classlib::Exception &E) {
    classlib::Trace(L"CommandBars", Context + L": " + E.ClassName() + L": " + E.Message());
}

} // namespace framework
