#include "framework/events/OleFunctions.h"

#include <oleauto.h>

namespace framework {

bool VarIsNothing(const VARIANT &V) noexcept {
    const VARIANT &v = V.vt == (VT_BYREF | VT_VARIANT) && V.pvarVal != nullptr ? *V.pvarVal : V;
    switch (v.vt) {
    case VT_EMPTY:
        return true;
    case VT_DISPATCH:
        return v.pdispVal == nullptr;
    case VT_UNKNOWN:
        return v.punkVal == nullptr;
    case VT_BYREF | VT_DISPATCH:
        return v.ppdispVal == nullptr || *v.ppdispVal == nullptr;
    case VT_BYREF | VT_UNKNOWN:
        return v.ppunkVal == nullptr || *v.ppunkVal == nullptr;
    default:
        return false;
    }
}

HRESULT CreateObjectByProgID(const std::wstring &ProgID, classlib::ComPtr<IDispatch> &Obj) noexcept {
    Obj = nullptr;
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(ProgID.c_str(), &clsid);
    if (FAILED(hr))
        return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                            Obj.PutVoid());
}

void GetActiveObjectByProgID(const std::wstring &ProgID, classlib::ComPtr<IDispatch> &Obj) {
    Obj = nullptr;
    CLSID clsid{};
    classlib::OleCheck(CLSIDFromProgID(ProgID.c_str(), &clsid));
    classlib::ComPtr<IUnknown> active;
    if (SUCCEEDED(GetActiveObject(clsid, nullptr, active.Put())) && active)
        Obj = active.TryAs<IDispatch>();
}

} // namespace framework
