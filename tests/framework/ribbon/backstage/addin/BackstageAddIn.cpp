// The test add-in library: one class factory, made when the library is loaded, that binds the COM
// class BackstageAddIn to the Backstage tests' module. The exports Office and regsvr32 call are the
// test servers' (tests/support/ComServerExports.cpp).
#include "BackstageAddIn.h"
#include "BackstageTestModule.h"
#include "classlib/ComServer.h"
#include "classlib/ImageList.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/taskpanes/TaskPanesEngine.h"

namespace {

class TBackstageAddIn : public framework::TdivAzore {};

// The module's form names the ribbon and Backstage classes and an image list.
const bool classesRegistered = (framework::RegisterRibbonClasses(), framework::InstallTaskPanes(),
                                classlib::RegisterClass(classlib::TImageList::StaticClass()), true);

framework::TzidFactory factory(classlib::ComServer(),
                               classlib::TComObjectFactory::ComClass<TBackstageAddIn>(), CLSID_BackstageAddIn,
                               backstagetest::TBackstageTestModule::StaticClass(), L"BackstageAddIn",
                               L"Backstage test add-in");

} // namespace
