#include "CallbackTestModule.h"

#include "CallbackTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "classlib/OleString.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/taskpanes/TaskPanesEngine.h"

namespace callbacktest {

using Self = TCallbackTestModule;

CLASSLIB_DEFINE_CLASS(TCallbackTestModule, ribbontest::TRecordingModule,
                      b.Method<&Self::RibbonMenuClick>(L"RibbonMenuClick");
                      b.Method<&Self::RibbonLoaded>(L"RibbonLoaded"))

void TCallbackTestModule::RibbonMenuClick(classlib::TObject *, IRibbonControl *RibbonControl) {
    classlib::TBStr id;
    classlib::OleCheck(RibbonControl->get_Id(id.Put()));
    if (id.ToString() == L"cbReply")
        Log.push_back(L"Click:reply with attachments");
    else if (id.ToString() == L"cbBroken")
        throw classlib::Exception(L"The attachments cannot be zipped.");
    else
        Log.push_back(L"Click:" + id.ToString());
}

void TCallbackTestModule::RibbonLoaded(classlib::TObject *Sender, IRibbonUI *RibbonUI) {
    LoadedRibbon = RibbonUI;
    Log.push_back(Sender == this ? L"Loaded" : L"Loaded by another sender");
    if (FailHandlers)
        throw classlib::Exception(L"OnRibbonLoaded failed");
}

framework::TzidFactory &CallbackFactory() {
    // The form names the ribbon classes: they are known before the factory can make a module.
    static const bool registered = (framework::RegisterRibbonClasses(), framework::InstallTaskPanes(), true);
    (void)registered;
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TCallbackTestAddIn>(),
                                          CLSID_CallbackTestAddIn, TCallbackTestModule::StaticClass(),
                                          L"CallbackTestAddIn", L"callback test add-in");
    return factory;
}

} // namespace callbacktest
