#include "CustomUIFixture.h"

#include "CustomUITestServer.h"
#include "classlib/ComServer.h"
#include "framework/taskpanes/TaskPanesEngine.h"

namespace customuitest {

framework::TzidFactory &CustomUIFactory() {
    // Its add-in objects write their documents through the ribbon engine.
    static const bool registered = (framework::RegisterRibbonClasses(), framework::InstallTaskPanes(), true);
    (void)registered;
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TCustomUITestAddIn>(),
                                          CLSID_CustomUITestAddIn, TCustomUITestModule::StaticClass(),
                                          L"CustomUITestAddIn", L"customUI test add-in");
    return factory;
}

void CustomUIFixture::TearDown() {
    module_.reset();
    MessageRecordingTest::TearDown();
}

TCustomUITestModule &CustomUIFixture::Module() {
    if (!module_) {
        module_.reset(classlib::Create<TCustomUITestModule>(nullptr));
        module_->SetFactory(&CustomUIFactory());
    }
    return *module_;
}

framework::TzidRibbonTab &CustomUIFixture::AddTab(const std::wstring &Id, framework::TzidRibbons Ribbons) {
    auto *tab = classlib::Create<framework::TzidRibbonTab>(&Module());
    tab->SetId(Id);
    tab->SetRibbons(Ribbons);
    return *tab;
}

} // namespace customuitest
