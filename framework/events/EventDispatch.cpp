#include "framework/events/EventDispatch.h"

#include "classlib/ComGuard.h"
#include "framework/events/CustomEvents.h"

namespace framework {

void *TzidEventDispatch::ExtraInterface(REFIID riid) noexcept {
    return owner_ != nullptr && owner_->AnswersEventIID(riid) ? static_cast<IDispatch *>(this) : nullptr;
}

HRESULT TzidEventDispatch::GetTypeInfoCount(UINT *pctinfo) {
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT TzidEventDispatch::GetTypeInfo(UINT, LCID, ITypeInfo **ppTInfo) {
    if (ppTInfo != nullptr)
        *ppTInfo = nullptr;
    return E_NOTIMPL;
}

HRESULT TzidEventDispatch::GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) {
    return E_NOTIMPL;
}

HRESULT TzidEventDispatch::ParamsFromDispParams(const DISPPARAMS *Source, TzidEventParams &Params,
                                                UINT *ArgErr) noexcept {
    Params.clear();
    if (Source == nullptr || Source->cArgs == 0)
        return S_OK;
    const UINT count = Source->cArgs, named = Source->cNamedArgs;
    if (Source->rgvarg == nullptr || named > count || (named > 0 && Source->rgdispidNamedArgs == nullptr))
        return E_INVALIDARG;
    try {
        Params.resize(count);
        std::vector<bool> taken(count, false);
        const UINT positional = count - named;
        for (UINT k = 0; k < positional; ++k) {
            // VariantCopy keeps a by-reference argument a reference to the host's storage.
            Params[k] = classlib::OleVariant(Source->rgvarg[count - 1 - k]);
            taken[k] = true;
        }
        for (UINT j = 0; j < named; ++j) {
            DISPID position = Source->rgdispidNamedArgs[j];
            if (position < 0 || static_cast<UINT>(position) >= count || taken[position]) {
                Params.clear();
                if (ArgErr != nullptr)
                    *ArgErr = j;
                return DISP_E_PARAMNOTFOUND;
            }
            Params[position] = classlib::OleVariant(Source->rgvarg[j]);
            taken[position] = true;
        }
        return S_OK;
    } catch (...) {
        Params.clear();
        return classlib::HResultFromCurrentException();
    }
}

HRESULT TzidEventDispatch::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS *pDispParams, VARIANT *,
                                  EXCEPINFO *, UINT *puArgErr) {
    // A handler may disconnect and free the component, and with it the last other reference.
    auto keepAlive = classlib::ComPtr<TzidEventDispatch>::Copy(this);
    if (owner_ == nullptr)
        return S_OK;
    TzidEventParams params;
    HRESULT hr = ParamsFromDispParams(pDispParams, params, puArgErr);
    if (FAILED(hr))
        return hr;
    return owner_->HostInvoke(dispIdMember, params);
}

} // namespace framework
