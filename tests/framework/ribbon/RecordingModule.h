// What the ribbon, callback and Backstage tests' modules share: a record of what their handlers saw,
// in order, with the module's errors as "Error:<message>", and the switches that make the handlers
// answer otherwise, raise or run the sender's action again.
#pragma once
#include <string>
#include <vector>

#include "classlib/OleVariant.h"
#include "framework/core/AddInModule.h"
#include "framework/ribbon/RibbonControl.h"

namespace ribbontest {

class TRecordingModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TRecordingModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;

    std::vector<std::wstring> Log;
    // What the property handlers answer with; Empty leaves the model's value.
    classlib::OleVariant Answer;
    // Makes the handlers raise.
    bool FailHandlers = false;
    // Makes a click handler run the sender's action again, as a handler that re-enters would.
    bool Reenter = false;

    void ModuleError(const classlib::Exception &E, bool &Handled);
    // Record "Property:<id>:<type>" or "Property:<id>:<type>:<index>", raise "OnPropertyChanging
    // failed" when FailHandlers is set, and answer Answer.
    void PropertyChanging(classlib::TObject *Sender, framework::TzidRibbonControlPropertyType PropertyType,
                          classlib::OleVariant &Value, IDispatch *Context);
    void ItemPropertyChanging(classlib::TObject *Sender,
                              framework::TzidRibbonControlPropertyType PropertyType,
                              classlib::OleVariant &Value, IDispatch *Context, int Index);

    // The id of a ribbon or Backstage node, "?" for any other sender.
    static std::wstring IdOf(classlib::TObject *Sender);

protected:
    // Runs the sender's action again when Reenter is set.
    void Reentered(classlib::TObject *Sender, IRibbonControl *RibbonControl);

private:
    void Record(classlib::TObject *Sender, framework::TzidRibbonControlPropertyType PropertyType,
                classlib::OleVariant &Value, const std::wstring &Index);
};

} // namespace ribbontest
