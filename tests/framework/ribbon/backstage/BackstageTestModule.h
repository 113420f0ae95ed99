// The module the Backstage tests read from its form (BackstageTestModule.form: a Backstage view with
// every Backstage class in every kind of container), with handlers the form binds and a record of
// what they saw. The officesim test add-in holds the same module.
#pragma once
#include <string>
#include <vector>

#include "classlib/OleVariant.h"
#include "framework/core/AddInModule.h"
#include "framework/ribbon/RibbonControl.h"

namespace backstagetest {

class TBackstageTestModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TBackstageTestModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;

    // What the handlers saw, in order: "Click:<id>:<InAction>", "Change:<id>",
    // "Property:<id>:<type>", "ItemProperty:<id>:<type>:<index>", "Error:<message>".
    std::vector<std::wstring> Log;
    // What the property handlers answer with; Empty leaves the model's value.
    classlib::OleVariant Answer;
    // Makes the click and change handlers raise.
    bool FailHandlers = false;
    // Makes a click handler run the sender's action again, as a handler that re-enters would.
    bool Reenter = false;

    void ModuleError(const classlib::Exception &E, bool &Handled);
    void BackstageClick(classlib::TObject *Sender, IRibbonControl *RibbonControl);
    void BackstageChange(classlib::TObject *Sender, IRibbonControl *RibbonControl);
    void PropertyChanging(classlib::TObject *Sender, framework::TzidRibbonControlPropertyType PropertyType,
                          classlib::OleVariant &Value, IDispatch *Context);
    void ItemPropertyChanging(classlib::TObject *Sender,
                              framework::TzidRibbonControlPropertyType PropertyType,
                              classlib::OleVariant &Value, IDispatch *Context, int Index);
};

} // namespace backstagetest
