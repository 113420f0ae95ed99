// An automation object that only counts its references and answers no call, for checking that code
// handed an object gives back every reference it took. It lives where the test puts it (the count
// starts at 1, the test's own, and reaching 0 frees nothing); optionally it is no IDispatch at all.
#pragma once
#include <windows.h>

namespace testsupport {

class TCountedDispatch : public IDispatch {
public:
    explicit TCountedDispatch(bool dispatchable = true) : dispatchable_(dispatchable) {}
    LONG refs = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *,
                                     UINT *) override {
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    bool dispatchable_;
};

} // namespace testsupport
