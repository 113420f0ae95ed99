// The test server's automation class, built into the test DLL and into the in-process tests.
#pragma once
#include "classlib/AutoObject.h"
#include "classlib/ComObjectFactory.h"
#include "classlib/ComPtr.h"

#include "TestServer.h"

#include <string>

namespace classlib_test {

// Answered by the overridden GetIDsOfNames/Invoke, after the type library's names.
constexpr DISPID DISPID_EXTRA = 1000;
// Raised by Fail: a framework-style error number, not an HRESULT.
constexpr HRESULT TEST_ERROR_CODE = 31101;

// IPersist is a further interface, to show extra interfaces share the object's IUnknown.
class TTestObject : public classlib::TAutoObjectImpl<ITestObject, IPersist> {
public:
    STDMETHODIMP GetClassID(CLSID *clsid) override;

    STDMETHODIMP get_Name(BSTR *value) override;
    STDMETHODIMP put_Name(BSTR value) override;
    STDMETHODIMP Add(LONG a, LONG b, LONG *sum) override;
    STDMETHODIMP Describe(BSTR prefix, VARIANT value, BSTR *text) override;
    STDMETHODIMP Fail(BSTR message) override;
    STDMETHODIMP get_Child(IDispatch **value) override;
    STDMETHODIMP putref_Child(IDispatch *value) override;

    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid, DISPID *ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params, VARIANT *result,
                        EXCEPINFO *excepInfo, UINT *argErr) override;

    void Initialize() override;

private:
    std::wstring name_;
    classlib::ComPtr<IDispatch> child_;
};

// The class's factory, a static object of TestObject.cpp.
classlib::TAutoObjectFactory &TestObjectFactory();

} // namespace classlib_test
