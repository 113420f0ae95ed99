#include "CustomUITestModule.h"

#include "CustomUITestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"

namespace customuitest {

CLASSLIB_DEFINE_CLASS(TCustomUITestModule, framework::TzidCOMAddInModule,
                      b.Method<&TCustomUITestModule::ModuleError>(L"ModuleError"))

void TCustomUITestModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Errors.push_back(E.Message());
    Handled = true;
}

framework::TzidFactory &CustomUIFactory() {
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TCustomUITestAddIn>(),
                                          CLSID_CustomUITestAddIn, TCustomUITestModule::StaticClass(),
                                          L"CustomUITestAddIn", L"customUI test add-in");
    return factory;
}

} // namespace customuitest
