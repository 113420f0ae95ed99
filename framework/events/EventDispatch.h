// TzidEventDispatch: the IDispatch a host event component hands the host's connection point. It turns
// each Invoke into its owner's DoInvoke. Its lifetime is its reference count alone: the component
// holds one reference, the host one per advise, and a call in progress one more. When the component
// goes it detaches the dispatcher, which then answers every call with S_OK, touches nothing, and goes
// with the host's last reference.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include "classlib/EventSink.h"
#include "framework/events/EventArgs.h"

namespace framework {

class TzidCustomEvents;

class TzidEventDispatch final : public classlib::TIdOnlyDispatch {
public:
    explicit TzidEventDispatch(TzidCustomEvents *Owner) noexcept : owner_(Owner) {}

    TzidCustomEvents *Owner() const noexcept { return owner_; }
    void Detach() noexcept { owner_ = nullptr; }

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
    ~TzidEventDispatch() override = default;
    // While attached, the owner's event interface.
    void *ExtraInterface(REFIID riid) noexcept override;

    TzidCustomEvents *owner_;
};

} // namespace framework
