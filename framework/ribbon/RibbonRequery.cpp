#include "framework/ribbon/RibbonRequery.h"

#include <vector>

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "classlib/Trace.h"

namespace framework {

namespace {

// Sends Request to every kept ribbon, the first refusal that is a failure raised after the last.
template <class TRequest>
void AskEveryRibbon(TzidCOMAddInModule &Module, const std::wstring &What, TRequest &&Request) {
    // A copy: a host may hand over another ribbon while it is being asked.
    const std::vector<classlib::ComPtr<IRibbonUI>> ribbons = Module.RibbonUIs();
    HRESULT failure = S_OK;
    for (const classlib::ComPtr<IRibbonUI> &ribbon : ribbons) {
        const HRESULT hr = Request(ribbon.Get());
        if (hr == E_INVALIDARG)
            classlib::TraceHResult(L"Ribbon", (What + L": a ribbon kind without the control").c_str(), hr);
        else if (FAILED(hr) && SUCCEEDED(failure))
            failure = hr;
    }
    classlib::OleCheck(failure);
}

} // namespace

void RequeryRibbonControl(TzidCOMAddInModule &Module, const std::wstring &Id) {
    const classlib::TBStr id(Id);
    AskEveryRibbon(Module, L"InvalidateControl(" + Id + L")",
                   [&](IRibbonUI *Ribbon) { return Ribbon->InvalidateControl(id.Get()); });
}

void RequeryRibbons(TzidCOMAddInModule &Module) {
    AskEveryRibbon(Module, L"Invalidate", [](IRibbonUI *Ribbon) { return Ribbon->Invalidate(); });
}

void RequeryRibbonNode(TzidCOMAddInModule &Module, const std::wstring &IdMso, const std::wstring &Id) {
    if (!IdMso.empty())
        RequeryRibbons(Module);
    else if (!Id.empty())
        RequeryRibbonControl(Module, Id);
}

} // namespace framework
