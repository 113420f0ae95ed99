#include "WordBarsTestModule.h"

#include "WordBarsTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "framework/windows/HostWindowsEngine.h"

namespace wordbars {

std::vector<std::wstring> &Errors() {
    static std::vector<std::wstring> errors;
    return errors;
}

int &ModulesAlive() {
    static int alive = 0;
    return alive;
}

CLASSLIB_DEFINE_CLASS(TWordBarsModule, framework::TzidCOMAddInModule, )

TWordBarsModule::TWordBarsModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
    ++ModulesAlive();
    OnError = classlib::MakeEvent<&TWordBarsModule::ModuleError>(this);
}

TWordBarsModule::~TWordBarsModule() {
    --ModulesAlive();
}

void TWordBarsModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Errors().push_back(L"Error:" + E.Message());
    Handled = true;
}

framework::TzidFactory &WordBarsFactory() {
    static const bool registered = (framework::RegisterCommandBarClasses(), framework::InstallShortcuts(),
                                    framework::InstallHostWindows(), true);
    (void)registered;
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TWordBarsTestAddIn>(),
                                          CLSID_WordBarsTestAddIn, TWordBarsModule::StaticClass(),
                                          L"WordBarsTestAddIn", L"Word bar test add-in");
    return factory;
}

} // namespace wordbars
