#include "CountedDispatch.h"

namespace testsupport {

HRESULT STDMETHODCALLTYPE TCountedDispatch::QueryInterface(REFIID riid, void **ppv) {
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || (dispatchable_ && IsEqualIID(riid, IID_IDispatch))) {
        *ppv = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

} // namespace testsupport
