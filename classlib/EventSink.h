// TEventSinkBase: an IDispatch that receives one source's events (a dispinterface) through a
// connection point. Derived classes decode the calls in DoInvoke.
//
// Lifetime: create a sink with Make<MySink>(...), which hands out its one reference; the source keeps
// a reference of its own while advised.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include "classlib/ComImplements.h"
#include "classlib/ComPtr.h"

namespace classlib {

// An IDispatch a source calls by dispatch id alone (an event interface): names and type information
// are not offered. Derived classes answer Invoke.
class TIdOnlyDispatch : public TImplements<IDispatch> {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo **info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid,
                                            DISPID *ids) override;

protected:
    ~TIdOnlyDispatch() override = default;
};

// IUnknown, IDispatch and the event interface.
class TEventSinkBase : public TIdOnlyDispatch {
public:
    explicit TEventSinkBase(REFIID eventIID) noexcept : eventIID_(eventIID) {}

    // Keeps the sink alive for the whole call (the source may unadvise and release it inside
    // DoInvoke) and turns anything DoInvoke throws into an HRESULT.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) override;

    // Advises this sink on source (see InterfaceConnect); an earlier connection is broken first.
    HRESULT Connect(IUnknown *source) noexcept;
    // Unadvises; a sink that is not connected returns S_FALSE.
    HRESULT Disconnect() noexcept;
    bool Connected() const noexcept { return cookie_ != 0; }
    const IID &EventIID() const noexcept { return eventIID_; }

protected:
    ~TEventSinkBase() override = default;
    void *ExtraInterface(REFIID riid) noexcept override;
    // One event: params as the source sent them (arguments reversed in rgvarg). Return
    // DISP_E_MEMBERNOTFOUND for events the sink does not handle.
    virtual HRESULT DoInvoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                             VARIANT *result) = 0;

private:
    IID eventIID_;
    ComPtr<IUnknown> source_;
    DWORD cookie_ = 0;
};

} // namespace classlib
