#include "classlib/ConnectionPoints.h"

#include "classlib/ComPtr.h"

namespace classlib {

namespace {

HRESULT FindConnectionPoint(IUnknown *source, REFIID iid, ComPtr<IConnectionPoint> &point) noexcept {
    if (source == nullptr)
        return E_POINTER;
    ComPtr<IConnectionPointContainer> container;
    HRESULT hr = source->QueryInterface(IID_IConnectionPointContainer, container.PutVoid());
    if (FAILED(hr))
        return hr;
    hr = container->FindConnectionPoint(iid, point.Put());
    if (SUCCEEDED(hr) && !point)
        hr = E_POINTER; // a source that says yes and hands back nothing
    return hr;
}

} // namespace

HRESULT InterfaceConnect(IUnknown *source, REFIID iid, IUnknown *sink, DWORD &cookie) noexcept {
    cookie = 0;
    if (sink == nullptr)
        return E_POINTER;
    ComPtr<IConnectionPoint> point;
    HRESULT hr = FindConnectionPoint(source, iid, point);
    if (FAILED(hr))
        return hr;
    DWORD result = 0;
    hr = point->Advise(sink, &result);
    if (SUCCEEDED(hr))
        cookie = result;
    return hr;
}

HRESULT InterfaceDisconnect(IUnknown *source, REFIID iid, DWORD &cookie) noexcept {
    DWORD old = cookie;
    cookie = 0; // cleared first: Unadvise may re-enter us
    if (old == 0)
        return S_FALSE;
    ComPtr<IConnectionPoint> point;
    HRESULT hr = FindConnectionPoint(source, iid, point);
    return FAILED(hr) ? hr : point->Unadvise(old);
}

} // namespace classlib
