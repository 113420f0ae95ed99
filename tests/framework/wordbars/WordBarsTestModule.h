// The module of the Word bar tests (form WordBarsModule.form): bar 'Tessary' with a control of every
// kind (a popup with two buttons, Office's Print placed by Id, Office's Save pointed at the add-in)
// and bar 'Tessary Extra' docked left. Every error reaches the test's list instead of a message box.
#pragma once
#include <string>
#include <vector>

#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"

namespace wordbars {

// "Error:<message>" for each error the module reported, in order.
std::vector<std::wstring> &Errors();
// Modules alive now.
int &ModulesAlive();

class TWordBarsModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TWordBarsModule)
public:
    explicit TWordBarsModule(classlib::TComponent *AOwner);
    ~TWordBarsModule() override;

private:
    void ModuleError(const classlib::Exception &E, bool &Handled);
};

class TWordBarsTestAddIn : public framework::TdivAzore {};

framework::TzidFactory &WordBarsFactory();

} // namespace wordbars
