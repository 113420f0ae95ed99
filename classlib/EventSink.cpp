#include "classlib/EventSink.h"

#include "classlib/ComGuard.h"

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
    if (detached_)
        return S_OK;
    auto keepAlive = ComPtr<TEventSinkBase>::Copy(this);
    return ComGuard({L"Events", L"An event sink's Invoke"},
                    [&] { return DoInvoke(id, riid, lcid, flags, params, result); });
}

HRESULT TEventSinkBase::Connect(IUnknown *source) noexcept {
    if (detached_)
        return E_UNEXPECTED;
    HRESULT hr = Disconnect();
    if (Connected())
        return hr;
    return connection_.Advise(source, eventIID_, static_cast<IDispatch *>(this));
}

HRESULT TEventSinkBase::Disconnect() noexcept {
    auto keepAlive = ComPtr<TEventSinkBase>::Copy(this); // the source's Release of us must not end this call
    return connection_.Unadvise();
}

void TEventSinkBase::Detach() noexcept {
    DetachUnder(nullptr);
}

void TEventSinkBase::DetachUnder(const void *Key) noexcept {
    detached_ = true;
    auto keepAlive = ComPtr<TEventSinkBase>::Copy(this);
    connection_.Drop(Key);
}

} // namespace classlib
