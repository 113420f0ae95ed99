// The add-in object's ribbon members hand over to its ribbon engine; without one the object has no
// ribbon: no document, no callbacks, no model objects.
#include "framework/core/AddInObject.h"

namespace framework {

HRESULT TdivAzore::GetCustomUI(BSTR RibbonID, BSTR *RibbonXml) {
    if (ribbon_)
        return ribbon_->GetCustomUI(RibbonID, RibbonXml);
    if (RibbonXml == nullptr)
        return E_POINTER;
    *RibbonXml = nullptr; // no document: the host shows its own ribbon
    return S_OK;
}

HRESULT TdivAzore::GetIDsOfNames(REFIID riid, LPOLESTR *Names, UINT Count, LCID Locale, DISPID *DispIds) {
    if (ribbon_)
        return ribbon_->GetIDsOfNames(riid, Names, Count, Locale, DispIds);
    return Inherited::GetIDsOfNames(riid, Names, Count, Locale, DispIds);
}

HRESULT TdivAzore::Invoke(DISPID DispId, REFIID riid, LCID Locale, WORD Flags, DISPPARAMS *Params,
                          VARIANT *Result, EXCEPINFO *ExcepInfo, UINT *ArgErr) {
    if (ribbon_)
        return ribbon_->Invoke(DispId, riid, Locale, Flags, Params, Result, ExcepInfo, ArgErr);
    return Inherited::Invoke(DispId, riid, Locale, Flags, Params, Result, ExcepInfo, ArgErr);
}

IzidRibbonControlInternal *TdivAzore::FindRibbonControl(const std::wstring &Id) {
    return ribbon_ ? ribbon_->FindRibbonControl(Id) : nullptr;
}

void TdivAzore::IsControlForContext(const std::wstring &IdMso, IDispatch *Context,
                                    IzidRibbonControlInternal *&Control) {
    if (ribbon_)
        ribbon_->IsControlForContext(IdMso, Context, Control);
}

} // namespace framework
