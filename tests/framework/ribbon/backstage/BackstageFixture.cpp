#include "BackstageFixture.h"

#include "BackstageTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/taskpanes/TaskPanesEngine.h"

namespace backstagetest {

using classlib::OleVariant;

framework::TzidFactory &BackstageFactory() {
    // The form names the ribbon and Backstage classes: they are known before a module is made.
    static const bool registered = (framework::RegisterRibbonClasses(), framework::InstallTaskPanes(),
                                    classlib::RegisterClass(classlib::TImageList::StaticClass()), true);
    (void)registered;
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TBackstageTestAddIn>(),
                                          CLSID_BackstageTestAddIn, TBackstageTestModule::StaticClass(),
                                          L"BackstageTestAddIn", L"Backstage test add-in");
    return factory;
}

framework::TzidBackstage &BackstageTest::View() const {
    framework::TzidBackstage *view = Module().Backstage();
    if (view == nullptr)
        throw classlib::Exception(L"the module has no Backstage view");
    return *view;
}

hostsim::RibbonUIObject &BackstageTest::ConnectRibbonUI() {
    auto *ribbon = world_.Create<hostsim::RibbonUIObject>();
    EXPECT_EQ(Call(L"RibbonLoaded_Callback", {OleVariant(static_cast<IDispatch *>(ribbon))}), S_OK);
    return *ribbon;
}

} // namespace backstagetest
