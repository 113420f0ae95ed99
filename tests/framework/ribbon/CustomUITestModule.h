// The module the ribbon tests write documents for (form CustomUITestModule.form), its add-in class and
// factory, and what its events record.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/core/AddInModule.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"

namespace customuitest {

class TCustomUITestModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TCustomUITestModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;

    // Every reported error's message, in order; reports are handled (no message box).
    std::vector<std::wstring> Errors;
    void ModuleError(const classlib::Exception &E, bool &Handled);
};

class TCustomUITestAddIn : public framework::TdivAzore {};

// The factory of CustomUITestAddIn (ProgID "TessaryCustomUITest.CustomUITestAddIn").
framework::TzidFactory &CustomUIFactory();
inline constexpr const wchar_t *CustomUITestProgID = L"TessaryCustomUITest.CustomUITestAddIn";

} // namespace customuitest
