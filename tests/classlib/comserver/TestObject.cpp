#include "TestObject.h"

#include "classlib/ComServer.h"
#include "classlib/OleString.h"
#include "classlib/OleVariant.h"

using namespace classlib;

namespace classlib_test {

namespace {
TAutoObjectFactory factory(ComServer(), TComObjectFactory::ComClass<TTestObject>(), CLSID_TestObject,
                           L"TestObject", L"Tessary test object", ciMultiInstance, tmApartment);
} // namespace

TAutoObjectFactory &TestObjectFactory() {
    return factory;
}

void TTestObject::Initialize() {
    name_ = L"initial";
}

STDMETHODIMP TTestObject::GetClassID(CLSID *clsid) {
    return Guard([&] { *clsid = Factory()->ClassID(); });
}

STDMETHODIMP TTestObject::get_Name(BSTR *value) {
    return Guard([&] { *value = AllocBStr(name_); });
}

STDMETHODIMP TTestObject::put_Name(BSTR value) {
    return Guard([&] { name_ = BStrToString(value); });
}

STDMETHODIMP TTestObject::Add(LONG a, LONG b, LONG *sum) {
    return Guard([&] { *sum = a + b; });
}

// Order-sensitive, so callers can tell their arguments arrived in the right places.
STDMETHODIMP TTestObject::Describe(BSTR prefix, VARIANT value, BSTR *text) {
    return Guard([&] {
        OleVariant v(value);
        *text = AllocBStr(BStrToString(prefix) + L":" + (v.IsMissing() ? L"missing" : v.ToString()));
    });
}

STDMETHODIMP TTestObject::Fail(BSTR message) {
    return Guard([&] { throw EOleSysError(BStrToString(message), TEST_ERROR_CODE); });
}

STDMETHODIMP TTestObject::get_Child(IDispatch **value) {
    return Guard([&] { child_.CopyTo(value); });
}

STDMETHODIMP TTestObject::putref_Child(IDispatch *value) {
    return Guard([&] { child_.CopyFrom(value); });
}

STDMETHODIMP TTestObject::GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid, DISPID *ids) {
    HRESULT hr = Inherited::GetIDsOfNames(riid, names, count, lcid, ids);
    if (hr == DISP_E_UNKNOWNNAME && count == 1 && lstrcmpiW(names[0], L"Extra") == 0) {
        ids[0] = DISPID_EXTRA;
        hr = S_OK;
    }
    return hr;
}

STDMETHODIMP TTestObject::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                                 VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) {
    if (id != DISPID_EXTRA)
        return Inherited::Invoke(id, riid, lcid, flags, params, result, excepInfo, argErr);
    return Guard([&] {
        if (result)
            *result = OleVariant(42).Detach();
    });
}

} // namespace classlib_test
