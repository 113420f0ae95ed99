// The test add-in library: one class factory, made when the library is loaded, that binds the COM
// class BackstageAddIn to the Backstage tests' module; the exports Office and regsvr32 call.
#include "BackstageAddIn.h"
#include "BackstageTestModule.h"
#include "classlib/ComServer.h"
#include "classlib/ImageList.h"
#include "framework/core/AddInObject.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonModel.h"

namespace {

class TBackstageAddIn : public framework::TdivAzore {};

// The module's form names the ribbon and Backstage classes and an image list.
const bool classesRegistered =
    (framework::RegisterRibbonClasses(), classlib::RegisterClass(classlib::TImageList::StaticClass()), true);

framework::TzidFactory factory(classlib::ComServer(),
                               classlib::TComObjectFactory::ComClass<TBackstageAddIn>(), CLSID_BackstageAddIn,
                               backstagetest::TBackstageTestModule::StaticClass(), L"BackstageAddIn",
                               L"Backstage test add-in");

HRESULT UpdateRegistry(bool Register) noexcept {
    try {
        classlib::ComServer().UpdateRegistry(Register);
        return S_OK;
    } catch (...) {
        return E_FAIL;
    }
}

} // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void **ppv) {
    return classlib::ComServerGetClassObject(clsid, iid, ppv);
}

STDAPI DllCanUnloadNow() {
    return framework::AddInCanUnloadNow();
}

STDAPI DllRegisterServer() {
    return UpdateRegistry(true);
}

STDAPI DllUnregisterServer() {
    return UpdateRegistry(false);
}
