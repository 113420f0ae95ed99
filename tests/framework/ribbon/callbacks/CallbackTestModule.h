// The module the callback tests answer from (form CallbackTestModule.form): a tab whose buttons are
// bound to a click handler that works like the product's, by the clicked control's id; what its
// handlers saw; its add-in class and factory.
#pragma once
#include <string>
#include <vector>

#include "classlib/OleVariant.h"
#include "framework/core/AddInModule.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonControl.h"

namespace callbacktest {

class TCallbackTestModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TCallbackTestModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;

    // What the handlers saw, in order: "Click:<feature>" (the product's features by control id),
    // "Error:<message>", "Loaded:<ribbon is the one given>", "Property:<id>:<type>[:<index>]".
    std::vector<std::wstring> Log;
    // What the property handlers answer with; Empty leaves the model's value.
    classlib::OleVariant Answer;
    // Makes the property and ribbon handlers raise.
    bool FailHandlers = false;
    // The ribbon the last OnRibbonLoaded was given.
    IRibbonUI *LoadedRibbon = nullptr;

    void ModuleError(const classlib::Exception &E, bool &Handled);
    // The product's way: one handler for every button, deciding by the control's id; "cbBroken" is a
    // feature that fails.
    void RibbonMenuClick(classlib::TObject *Sender, IRibbonControl *RibbonControl);
    void RibbonLoaded(classlib::TObject *Sender, IRibbonUI *RibbonUI);
    void PropertyChanging(classlib::TObject *Sender, framework::TzidRibbonControlPropertyType PropertyType,
                          classlib::OleVariant &Value, IDispatch *Context);
    void ItemPropertyChanging(classlib::TObject *Sender,
                              framework::TzidRibbonControlPropertyType PropertyType,
                              classlib::OleVariant &Value, IDispatch *Context, int Index);

private:
    void Record(classlib::TObject *Sender, framework::TzidRibbonControlPropertyType PropertyType,
                classlib::OleVariant &Value, const std::wstring &Index);
};

class TCallbackTestAddIn : public framework::TdivAzore {};

// The factory of CallbackTestAddIn (ProgID "TessaryCallbackTest.CallbackTestAddIn").
framework::TzidFactory &CallbackFactory();
inline constexpr const wchar_t *CallbackTestProgID = L"TessaryCallbackTest.CallbackTestAddIn";

} // namespace callbacktest
