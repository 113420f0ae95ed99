#include "addin/AddInModule.h"

#include "addin/ProductStrings.h"
#include "classlib/Classes.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonModel.h"

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
    b.Method<&Self::zidCOMAddInModuleRibbonBeforeLoad>(L"zidCOMAddInModuleRibbonBeforeLoad");
    b.Method<&Self::RibbonMenuClick>(L"RibbonMenuClick");
    b.Method<&Self::CommandBarButtonClick>(L"CommandBarButtonClick");
    b.Method<&Self::InspectorCommandBarClick>(L"InspectorCommandBarClick");
    b.Method<&Self::zidOlExplorerCommandbar1Controls0Controls0Click>(
        L"zidOlExplorerCommandbar1Controls0Controls0Click");
    b.Method<&Self::zidWordAppEventsStartup>(L"zidWordAppEventsStartup");
    b.Method<&Self::zidWordAppEventsWindowActivate>(L"zidWordAppEventsWindowActivate");
    b.Method<&Self::zidOutlookAppEvents1ExplorerSelectionChange>(
        L"zidOutlookAppEvents1ExplorerSelectionChange"))

TAddInModule::TAddInModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {}

void TAddInModule::zidCOMAddInModuleCreate(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleAddInInitialize(classlib::TObject * /*Sender*/) {}

// The host is connected: the tabs take their captions from the string table, and the send hook goes
// onto Outlook's Application.
void TAddInModule::zidCOMAddInModuleAddInStartupComplete(classlib::TObject * /*Sender*/) {
    if (framework::TzidFactory *factory = Factory())
        installFolder_ = factory->LibraryFolder();
    SetTabCaptions();
    if (HostType() == framework::ohaOutlook)
        if (office::TOutlookApplication *outlook = OutlookApp())
            outlook->OnItemSend = classlib::MakeEvent<&Self::OutlookItemSend>(this);
}

// The mail windows' own tabs; the explorer's adds its group to Outlook's tab and has no caption.
void TAddInModule::SetTabCaptions() {
    const struct {
        const wchar_t *Tab;
        unsigned Text;
    } tabs[] = {
        {L"zidRibbonTabRead", IDS_TAB_READ_CAPTION},
        {L"zidRibbonTabCompose", IDS_TAB_COMPOSE_CAPTION},
    };
    for (const auto &entry : tabs)
        if (auto *tab = dynamic_cast<framework::TzidRibbonTab *>(FindComponent(entry.Tab)))
            tab->SetCaption(ProductString(entry.Text));
}

void TAddInModule::zidCOMAddInModuleAddInBeginShutdown(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleAddInFinalize(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleBeforeAddinUnregister(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidCOMAddInModuleOLInspectorActivate(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidWordAppEventsStartup(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidWordAppEventsWindowActivate(classlib::TObject * /*ASender*/, IDispatch * /*Doc*/,
                                                  IDispatch * /*Wn*/) {}

void TAddInModule::zidOutlookAppEvents1ExplorerSelectionChange(classlib::TObject * /*Sender*/) {}

// The inspector tabs belong to their own kind of mail window, and the attachment manager to both,
// whatever the form says: documents built from now on follow this.
void TAddInModule::zidCOMAddInModuleRibbonBeforeLoad(classlib::TObject * /*Sender*/,
                                                     const std::wstring & /*RibbonID*/,
                                                     std::wstring & /*Xml*/) {
    using namespace framework;
    const struct {
        const wchar_t *Id;
        TzidRibbons Ribbons;
    } windows[] = {
        {L"tsyTabRead", {msrOutlookMailRead}},
        {L"tsyTabCompose", {msrOutlookMailCompose}},
        {L"tsyReadManageAttachments", {msrOutlookMailRead, msrOutlookMailCompose}},
    };
    // A host other than Outlook has none of them left in the id list.
    for (const auto &entry : windows)
        if (IzidRibbonControlInternal *node = AsRibbonNode(FindRibbonObject(entry.Id)))
            node->SetRibbons(entry.Ribbons);
}

// The feature managers answer the clicks by the control's id; until they are there a click changes
// nothing.
void TAddInModule::RibbonMenuClick(classlib::TObject * /*Sender*/, IRibbonControl * /*RibbonControl*/) {}

void TAddInModule::CommandBarButtonClick(classlib::TObject * /*Sender*/) {}

void TAddInModule::InspectorCommandBarClick(classlib::TObject * /*Sender*/) {}

void TAddInModule::zidOlExplorerCommandbar1Controls0Controls0Click(classlib::TObject * /*Sender*/) {}

void TAddInModule::OutlookItemSend(classlib::TObject * /*Sender*/, IDispatch * /*Item*/, bool & /*Cancel*/) {}

} // namespace tessary
