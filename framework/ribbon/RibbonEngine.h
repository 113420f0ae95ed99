// TzidRibbonEngine: the ribbon of one add-in object. It writes the customUI documents the host asks
// for (CustomUI.cpp), answers the ribbon callbacks on the object's IDispatch (RibbonCallbacks.cpp)
// and finds the model object a host control stands for (RibbonCallbackBodies.cpp), keeping the
// state those need: the index of the module's id list and what the type library does not know.
#pragma once
#include <memory>
#include <string>

#include "framework/core/AddInObject.h"
#include "framework/core/RibbonEngine.h"
#include "framework/ribbon/RibbonIdIndex.h"

namespace framework {

class TzidRibbonEngine final : public IzidRibbonEngine {
public:
    explicit TzidRibbonEngine(TdivAzore &AddIn) noexcept : addIn_(AddIn) {}

    HRESULT GetCustomUI(BSTR RibbonID, BSTR *RibbonXml) override;
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR *Names, UINT Count, LCID Locale, DISPID *DispIds) override;
    HRESULT Invoke(DISPID DispId, REFIID riid, LCID Locale, WORD Flags, DISPPARAMS *Params, VARIANT *Result,
                   EXCEPINFO *ExcepInfo, UINT *ArgErr) override;
    IzidRibbonControlInternal *FindRibbonControl(const std::wstring &Id) override;
    void IsControlForContext(const std::wstring &IdMso, IDispatch *Context,
                             IzidRibbonControlInternal *&Control) override;

    TdivAzore &AddIn() const noexcept { return addIn_; }
    // The add-in object's module; null before connection and after disconnection.
    TzidCOMAddInModule *Module() const noexcept { return addIn_.Module(); }

private:
    TdivAzore &addIn_;
    TzidRibbonIdIndex idIndex_;
    // The ribbon callbacks the type library answered it does not know, by name (a bit per place in the
    // callback table) and by id (a bit per id from 10): a library does not change, so it is not asked
    // about them again on the host's every call.
    unsigned long long callbackNamesOutsideTypeLib_ = 0, callbackIdsOutsideTypeLib_ = 0;
};

// Every add-in object made from now on has a ribbon engine (RegisterRibbonClasses calls it).
void InstallRibbonEngine();

} // namespace framework
