#include "framework/events/EventDispatch.h"

#include "classlib/ComGuard.h"
#include "framework/events/CustomEvents.h"

namespace framework {

void *TzidEventDispatch::ExtraInterface(REFIID riid) noexcept {
    return owner_ != nullptr && owner_->AnswersEventIID(riid) ? static_cast<IDispatch *>(this) : nullptr;
}

HRESULT TzidEventDispatch::ParamsFromDispParams(const DISPPARAMS *Source, TzidEventParams &Params,
                                                UINT *ArgErr) noexcept {
    Params.clear();
    // The event is not known yet: a named argument may only take one of the call's own positions.
    classlib::TInvokeArgs args;
    HRESULT hr = args.Assign(Source, classlib::TInvokeArgs::CallPositions, ArgErr);
    if (FAILED(hr))
        return hr;
    try {
        Params.reserve(args.Count());
        for (int k = 0; k < args.Count(); ++k)
            // VariantCopy keeps a by-reference argument a reference to the host's storage.
            Params.emplace_back(*args.Find(k));
        return S_OK;
    } catch (...) {
        // Out of memory, or an argument the system cannot copy: no handler runs on half the arguments.
        Params.clear();
        return classlib::HResultFromCurrentException({L"Events", L"The arguments of a host event"});
    }
}

HRESULT TzidEventDispatch::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS *pDispParams, VARIANT *,
                                  EXCEPINFO *, UINT *puArgErr) {
    // A handler may disconnect and free the component, and with it the last other reference.
    auto keepAlive = classlib::ComPtr<TzidEventDispatch>::Copy(this);
    if (owner_ == nullptr)
        return S_OK;
    return classlib::ComGuard({L"Events", L"A host event's Invoke"}, [&] {
        TzidEventParams params;
        HRESULT hr = ParamsFromDispParams(pDispParams, params, puArgErr);
        if (FAILED(hr))
            return hr;
        return owner_->HostInvoke(dispIdMember, params);
    });
}

} // namespace framework
