#include "addin/AddInModule.h"

#include "classlib/Classes.h"
#include "framework/core/Factory.h"

namespace tessary {

using Self = TAddInModule;

CLASSLIB_DEFINE_CLASS(
    TAddInModule, framework::TzidCOMAddInModule,
    b.Method<&Self::zidCOMAddInModuleCreate>(L"zidCOMAddInModuleCreate");
    b.Method<&Self::zidCOMAddInModuleAddInInitialize>(L"zidCOMAddInModuleAddInInitialize");
    b.Method<&Self::zidCOMAddInModuleAddInStartupComplete>(L"zidCOMAddInModuleAddInStartupComplete");
    b.Method<&Self::zidCOMAddInModuleAddInBeginShutdown>(L"zidCOMAddInModuleAddInBeginShutdown");
    b.Method<&Self::zidCOMAddInModuleAddInFinalize>(L"zidCOMAddInModuleAddInFinalize");
    b.Method<&Self::zidCOMAddInModuleBeforeAddinUnregister>(L"zidCOMAddInModuleBeforeAddinUnregister");
    b.Method<&Self::zidCOMAddInModuleOLInspectorActivate>(L"zidCOMAddInModuleOLInspectorActivate");
    b.Method<&Self::zidCOMAddInModuleRibbonBeforeLoad>(L"zidCOMAddInModuleRibbonBeforeLoad"))

TAddInModule::TAddInModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {}

void TAddInModule::zidCOMAddInModuleCreate(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleAddInInitialize(classlib::TObject * /*Sender*/) {}

// The host is connected: the send hook goes onto Outlook's Application.
void TAddInModule::zidCOMAddInModuleAddInStartupComplete(classlib::TObject * /*Sender*/) {
    if (framework::TzidFactory *factory = Factory())
        installFolder_ = factory->LibraryFolder();
    if (HostType() == framework::ohaOutlook)
        if (office::TOutlookApplication *outlook = OutlookApp())
            outlook->OnItemSend = classlib::MakeEvent<&Self::OutlookItemSend>(this);
}

void TAddInModule::zidCOMAddInModuleAddInBeginShutdown(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleAddInFinalize(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleBeforeAddinUnregister(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleOLInspectorActivate(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleRibbonBeforeLoad(classlib::TObject * /*Sender*/,
                                                     const std::wstring & /*RibbonID*/,
                                                     std::wstring & /*Xml*/) {}

void TAddInModule::OutlookItemSend(classlib::TObject * /*Sender*/, IDispatch * /*Item*/, bool & /*Cancel*/) {}

} // namespace tessary
