// The test add-in library: a module whose form holds one task pane for Outlook's inspectors, the
// class factory that binds the COM class PaneAddIn to it, and the tiny control the pane shows. The
// exports Office and regsvr32 call are the test servers' (tests/support/ComServerExports.cpp).
#include "PaneAddIn.h"
#include "classlib/AutoObject.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "framework/windows/HostWindowsEngine.h"

namespace paneaddin {

class TPaneAddInModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TPaneAddInModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;
};

CLASSLIB_DEFINE_CLASS(TPaneAddInModule, framework::TzidCOMAddInModule)

} // namespace paneaddin

namespace {

using paneaddin::TPaneAddInModule;

class TPaneAddIn : public framework::TdivAzore {};
class TPaneControl : public classlib::TAutoObjectImpl<IPaneControl> {};

const bool classesRegistered = (framework::RegisterRibbonClasses(), framework::InstallTaskPanes(),
                                framework::InstallHostWindows(), true);

framework::TzidFactory addInFactory(classlib::ComServer(),
                                    classlib::TComObjectFactory::ComClass<TPaneAddIn>(), CLSID_PaneAddIn,
                                    TPaneAddInModule::StaticClass(), L"PaneAddIn", L"Pane test add-in");

classlib::TAutoObjectFactory controlFactory(classlib::ComServer(),
                                            classlib::TComObjectFactory::ComClass<TPaneControl>(),
                                            CLSID_PaneControl, L"PaneControl", L"Pane test control",
                                            classlib::ciMultiInstance);

} // namespace
