// The library's one class factory, made when the library is loaded: it binds the COM class TSY to
// the add-in module class.
#include "Tessary.h"
#include "addin/AddInModule.h"
#include "addin/TSY.h"
#include "classlib/ComServer.h"
#include "framework/Framework.h"
#include "framework/core/Factory.h"

namespace tessary {
namespace {

// The module's form names the ribbon, host-event and command-bar classes: they are known before the
// factory can make a module; and the add-in follows the host's windows with its bars and task panes.
const bool frameworkInstalled = (framework::InstallFramework(), true);

framework::TzidFactory factory(classlib::ComServer(), classlib::TComObjectFactory::ComClass<TTSY>(),
                               CLSID_TSY, TAddInModule::StaticClass(), L"TSY", L"Tessary attachment add-in");

} // namespace
} // namespace tessary
