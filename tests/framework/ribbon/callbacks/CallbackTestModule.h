// The module the callback tests answer from (form CallbackTestModule.form): a tab whose buttons are
// bound to a click handler that works like the product's, by the clicked control's id; what its
// handlers saw; its add-in class and factory.
#pragma once
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "tests/framework/ribbon/RecordingModule.h"

namespace callbacktest {

// The handlers record "Click:<feature>" (the product's features by control id) and
// "Loaded:<ribbon is the one given>"; the ribbon handler raises when FailHandlers is set.
class TCallbackTestModule : public ribbontest::TRecordingModule {
    CLASSLIB_CLASS(TCallbackTestModule)
public:
    using TRecordingModule::TRecordingModule;

    // The ribbon the last OnRibbonLoaded was given.
    IRibbonUI *LoadedRibbon = nullptr;

    // The product's way: one handler for every button, deciding by the control's id; "cbBroken" is a
    // feature that fails.
    void RibbonMenuClick(classlib::TObject *Sender, IRibbonControl *RibbonControl);
    void RibbonLoaded(classlib::TObject *Sender, IRibbonUI *RibbonUI);
};

class TCallbackTestAddIn : public framework::TdivAzore {};

// The factory of CallbackTestAddIn (ProgID "TessaryCallbackTest.CallbackTestAddIn").
framework::TzidFactory &CallbackFactory();
inline constexpr const wchar_t *CallbackTestProgID = L"TessaryCallbackTest.CallbackTestAddIn";

} // namespace callbacktest
