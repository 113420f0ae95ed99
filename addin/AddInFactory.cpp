// The library's one class factory, made when the library is loaded: it binds the COM class TSY to
// the add-in module class.
#include "Tessary.h"
#include "addin/AddInModule.h"
#include "addin/TSY.h"
#include "classlib/ComServer.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/Factory.h"
#include "framework/events/EventClasses.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/windows/HostWindowsEngine.h"

namespace tessary {
namespace {

// The module's form names the ribbon classes: they are known before the factory can make a module.
const bool ribbonClassesRegistered = (framework::RegisterRibbonClasses(), true);
// Likewise the host event components and the command bars.
const bool eventClassesRegistered = (framework::RegisterHostEventClasses(), true);
const bool commandBarClassesRegistered = (framework::RegisterCommandBarClasses(), true);
// The add-in follows the host's windows with its bars and task panes.
const bool hostWindowsInstalled = (framework::InstallHostWindows(), true);

framework::TzidFactory factory(classlib::ComServer(), classlib::TComObjectFactory::ComClass<TTSY>(),
                               CLSID_TSY, TAddInModule::StaticClass(), L"TSY", L"Tessary attachment add-in");

} // namespace
} // namespace tessary
