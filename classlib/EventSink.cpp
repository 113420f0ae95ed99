#include "classlib/EventSink.h"

#include "classlib/ComGuard.h"
#include "classlib/ConnectionPoints.h"

namespace classlib {

void *TEventSinkBase::ExtraInterface(REFIID riid) noexcept {
    return IsEqualIID(riid, eventIID_) ? static_cast<IDispatch *>(this) : nullptr;
}

HRESULT TIdOnlyDispatch::GetTypeInfoCount(UINT *count) {
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT TIdOnlyDispatch::GetTypeInfo(UINT, LCID, ITypeInfo **info) {
    if (info != nullptr)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT TIdOnlyDispatch::GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) {
    return E_NOTIMPL;
}

HRESULT TEventSinkBase::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                               VARIANT *result, EXCEPINFO *, UINT *) {
    auto keepAlive = ComPtr<TEventSinkBase>::Copy(this);
    return ComGuard([&] { return DoInvoke(id, riid, lcid, flags, params, result); });
}

HRESULT TEventSinkBase::Connect(IUnknown *source) noexcept {
    Disconnect();
    HRESULT hr = InterfaceConnect(source, eventIID_, static_cast<IDispatch *>(this), cookie_);
    if (SUCCEEDED(hr))
        source_.CopyFrom(source);
    return hr;
}

HRESULT TEventSinkBase::Disconnect() noexcept {
    if (cookie_ == 0) {
        source_.Reset();
        return S_FALSE;
    }
    auto keepAlive = ComPtr<TEventSinkBase>::Copy(this); // the source's Release of us must not end this call
    ComPtr<IUnknown> source = std::move(source_);
    return InterfaceDisconnect(source.Get(), eventIID_, cookie_);
}

} // namespace classlib
