// The test add-in library: a module whose form puts controls into several of Outlook's ribbon kinds
// (a button of the explorer's whose click changes its caption, and Outlook's built-in Forward button
// extended differently for mail windows and the explorer), and the class factory that binds the COM
// class KindsAddIn to it. The exports Office and regsvr32 call are the test servers'
// (tests/support/ComServerExports.cpp).
#include <string>

#include "KindsAddIn.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/taskpanes/TaskPanesEngine.h"

namespace kindsaddin {

class TKindsModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TKindsModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;

    // The clicked button counts its clicks in its caption.
    void CountClick(classlib::TObject *Sender, IRibbonControl *) {
        if (auto *button = dynamic_cast<framework::TzidRibbonButton *>(Sender))
            button->SetCaption(L"Geklickt: " + std::to_wstring(++clicks_));
    }

private:
    int clicks_ = 0;
};

CLASSLIB_DEFINE_CLASS(TKindsModule, framework::TzidCOMAddInModule,
                      b.Method<&TKindsModule::CountClick>(L"CountClick"))

} // namespace kindsaddin

namespace {

class TKindsAddIn : public framework::TdivAzore {};

const bool classesRegistered = (framework::RegisterRibbonClasses(), framework::InstallTaskPanes(), true);

framework::TzidFactory factory(classlib::ComServer(), classlib::TComObjectFactory::ComClass<TKindsAddIn>(),
                               CLSID_KindsAddIn, kindsaddin::TKindsModule::StaticClass(), L"KindsAddIn",
                               L"Ribbon kinds test add-in");

} // namespace
