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
#include "classlib/ConnectionPoints.h"

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
    // DoInvoke) and turns anything DoInvoke throws into an HRESULT. A detached sink answers S_OK and
    // runs nothing.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) override;

    // Advises this sink on source (see TConnection::Advise); an earlier connection is broken first,
    // and while the source refuses that, its failure is returned and nothing new is advised. A
    // detached sink is advised nowhere (E_UNEXPECTED).
    HRESULT Connect(IUnknown *source) noexcept;
    // Unadvises (see TConnection::Unadvise: a refused advice stays, to be tried again); a sink that is
    // not connected returns S_FALSE.
    HRESULT Disconnect() noexcept;
    // The sink is done with: from now on it answers every call with S_OK and runs nothing, and its
    // advice is dropped (one the source refuses waits on the lingering list). Classes that hold
    // anything of their own let go of it here and call this.
    virtual void Detach() noexcept;
    bool Connected() const noexcept { return connection_.Advised(); }
    bool Detached() const noexcept { return detached_; }
    const IID &EventIID() const noexcept { return eventIID_; }

protected:
    ~TEventSinkBase() override = default;
    void *ExtraInterface(REFIID riid) noexcept override;
    // One event: params as the source sent them (arguments reversed in rgvarg). Return
    // DISP_E_MEMBERNOTFOUND for events the sink does not handle.
    virtual HRESULT DoInvoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                             VARIANT *result) = 0;
    // Detach's body with the key its lingering advice is kept under (see TLingeringConnections).
    void DetachUnder(const void *Key) noexcept;

private:
    IID eventIID_;
    TConnection connection_;
    bool detached_ = false;
};

} // namespace classlib
