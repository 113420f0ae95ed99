// What the add-in object asks of the ribbon: the customUI document of a window kind, the ribbon
// callbacks the host finds and calls through the object's IDispatch, and the model object a host
// control stands for. The ribbon floor implements it; an add-in object made while no maker is
// installed has no ribbon: no document, no callbacks, its IDispatch answers only its type library.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <memory>
#include <string>

#include "framework/core/EngineMaker.h"
#include "office/office.h"

namespace framework {

class TdivAzore;
class IzidRibbonControlInternal;

class IzidRibbonEngine {
public:
    virtual ~IzidRibbonEngine() = default;

    // IRibbonExtensibility::GetCustomUI of the add-in object, a COM entry point: nothing is thrown.
    virtual HRESULT GetCustomUI(BSTR RibbonID, BSTR *RibbonXml) = 0;
    // The add-in object's IDispatch: its type library's members, then the ribbon callbacks by their
    // fixed names and ids. COM entry points: nothing is thrown.
    virtual HRESULT GetIDsOfNames(REFIID riid, LPOLESTR *Names, UINT Count, LCID Locale, DISPID *DispIds) = 0;
    virtual HRESULT Invoke(DISPID DispId, REFIID riid, LCID Locale, WORD Flags, DISPPARAMS *Params,
                           VARIANT *Result, EXCEPINFO *ExcepInfo, UINT *ArgErr) = 0;
    // See TdivAzore::FindRibbonControl and TdivAzore::IsControlForContext.
    virtual IzidRibbonControlInternal *FindRibbonControl(const std::wstring &Id) = 0;
    virtual void IsControlForContext(const std::wstring &IdMso, IDispatch *Context,
                                     IzidRibbonControlInternal *&Control) = 0;
};

// Makes the ribbon engine of a new add-in object; installed by the ribbon floor.
using TzidRibbonEngineMaker = TzidEngineMaker<IzidRibbonEngine, TdivAzore>;

} // namespace framework
