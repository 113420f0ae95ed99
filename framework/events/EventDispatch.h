// TzidEventDispatch: the IDispatch a host event component hands the host's connection point. It turns
// each Invoke into its owner's DoInvoke. It is a COM object of its own: the owner holds one
// reference, the host one per advise; it counts as a server object while it exists, since the host can
// call into it. Once its owner is gone (Detach) it answers every call with S_OK and touches nothing.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include "framework/events/EventArgs.h"

namespace framework {

class TzidCustomEvents;

class TzidEventDispatch final : public IDispatch {
public:
    // Starts with the owner's reference.
    explicit TzidEventDispatch(TzidCustomEvents *Owner) noexcept;
    TzidEventDispatch(const TzidEventDispatch &) = delete;
    TzidEventDispatch &operator=(const TzidEventDispatch &) = delete;

    TzidCustomEvents *Owner() const noexcept { return owner_; }
    void Detach() noexcept { owner_ = nullptr; }
    LONG RefCount() const noexcept { return refCount_; }

    // IUnknown: IUnknown, IDispatch and, while attached, the owner's event interface.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: events come by dispatch id; names and type information are not offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *pctinfo) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo **ppTInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *rgszNames, UINT cNames, LCID lcid,
                                            DISPID *rgDispId) override;
    // S_OK, whatever the handlers do; DISP_E_PARAMNOTFOUND for a named argument that names no position
    // of the call (or one taken already), DISP_E_BADPARAMCOUNT for an event called with a wrong number
    // of arguments, E_INVALIDARG for DISPPARAMS that contradict themselves: then nothing is fired.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                     DISPPARAMS *pDispParams, VARIANT *pVarResult, EXCEPINFO *pExcepInfo,
                                     UINT *puArgErr) override;

    // The call's arguments in declaration order: positional ones (rgvarg runs last argument first),
    // then the named ones at the positions their dispatch ids give. By-reference arguments stay
    // references to the host's storage.
    static HRESULT ParamsFromDispParams(const DISPPARAMS *Source, TzidEventParams &Params,
                                        UINT *ArgErr) noexcept;

private:
    ~TzidEventDispatch();

    TzidCustomEvents *owner_;
    volatile LONG refCount_ = 1;
};

} // namespace framework
