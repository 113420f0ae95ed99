// TEventSinkBase: an IDispatch that receives one source's events (a dispinterface) through a
// connection point. Derived classes decode the calls in DoInvoke.
//
// Lifetime: a sink starts with no references; hold it in a ComPtr (ComPtr<MySink> s(new MySink(...))).
// The source keeps its own reference while advised. Every live sink counts as a server object,
// because the host can still call into its code: the module must not be unloaded under it.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include "classlib/ComPtr.h"

namespace classlib {

class TEventSinkBase : public IDispatch {
public:
    explicit TEventSinkBase(REFIID eventIID) noexcept;
    TEventSinkBase(const TEventSinkBase &) = delete;
    TEventSinkBase &operator=(const TEventSinkBase &) = delete;

    // IUnknown: IUnknown, IDispatch and the event interface.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: events come by dispatch id; names and type information are not offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo **info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid,
                                            DISPID *ids) override;
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
    virtual ~TEventSinkBase();
    // One event: params as the source sent them (arguments reversed in rgvarg). Return
    // DISP_E_MEMBERNOTFOUND for events the sink does not handle.
    virtual HRESULT DoInvoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                             VARIANT *result) = 0;

private:
    volatile LONG refCount_ = 0;
    IID eventIID_;
    ComPtr<IUnknown> source_;
    DWORD cookie_ = 0;
};

} // namespace classlib
