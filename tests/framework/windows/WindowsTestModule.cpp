#include "WindowsTestModule.h"

#include <algorithm>

#include "WindowsTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "framework/commandbars/OutlookExplorerWrapper.h"
#include "framework/commandbars/OutlookInspectorWrapper.h"

namespace wintest {

int TWindowsLog::Count(const std::wstring &Event) const {
    return static_cast<int>(std::count(Events.begin(), Events.end(), Event));
}

TWindowsLog &Log() {
    static TWindowsLog log;
    return log;
}

void ResetLog() {
    int alive = Log().ModulesAlive;
    Log() = TWindowsLog();
    Log().ModulesAlive = alive;
}

using Self = TWindowsModule;

CLASSLIB_DEFINE_CLASS(
    TWindowsModule, framework::TzidCOMAddInModule, b.Method<&Self::ModuleError>(L"ModuleError");
    b.Method<&Self::NewExplorer>(L"NewExplorer"); b.Method<&Self::NewInspector>(L"NewInspector");
    b.Method<&Self::ExplorerActivate>(L"ExplorerActivate"); b.Method<&Self::FolderSwitch>(L"FolderSwitch");
    b.Method<&Self::BeforeFolderSwitch>(L"BeforeFolderSwitch"); b.Method<&Self::ViewSwitch>(L"ViewSwitch");
    b.Method<&Self::BeforeViewSwitch>(L"BeforeViewSwitch");
    b.Method<&Self::ExplorerDeactivate>(L"ExplorerDeactivate");
    b.Method<&Self::SelectionChange>(L"SelectionChange"); b.Method<&Self::ExplorerClose>(L"ExplorerClose");
    b.Method<&Self::InspectorActivate>(L"InspectorActivate");
    b.Method<&Self::InspectorDeactivate>(L"InspectorDeactivate");
    b.Method<&Self::InspectorClose>(L"InspectorClose"); b.Method<&Self::CardBeforeAdd>(L"CardBeforeAdd"))

TWindowsModule::TWindowsModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
    ++Log().ModulesAlive;
}

TWindowsModule::~TWindowsModule() {
    --Log().ModulesAlive;
}

void TWindowsModule::Happened(const std::wstring &Event, classlib::TObject *Sender, bool Explorer) {
    Log().Events.push_back(Event);
    const bool right = Explorer ? dynamic_cast<framework::TzidExplorer *>(Sender) != nullptr
                                : dynamic_cast<framework::TzidInspector *>(Sender) != nullptr;
    if (!right)
        Log().Events.push_back(L"WrongSender");
    if (Log().Action)
        Log().Action(Event, Sender);
}

void TWindowsModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Log().Events.push_back(L"Error:" + E.Message());
    Handled = true;
}

void TWindowsModule::NewExplorer(classlib::TObject *Sender, IDispatch *) {
    Log().Events.push_back(L"NewExplorer");
    if (Log().Action)
        Log().Action(L"NewExplorer", Sender);
}

void TWindowsModule::NewInspector(classlib::TObject *Sender, IDispatch *) {
    Log().Events.push_back(L"NewInspector");
    if (Log().Action)
        Log().Action(L"NewInspector", Sender);
}

void TWindowsModule::ExplorerActivate(classlib::TObject *Sender) {
    Happened(L"ExplorerActivate", Sender, true);
}

void TWindowsModule::FolderSwitch(classlib::TObject *Sender) {
    Happened(L"FolderSwitch", Sender, true);
}

void TWindowsModule::BeforeFolderSwitch(classlib::TObject *Sender, IDispatch *, bool &Cancel) {
    Happened(L"BeforeFolderSwitch", Sender, true);
    Cancel = Log().CancelFolderSwitch;
}

void TWindowsModule::ViewSwitch(classlib::TObject *Sender) {
    Happened(L"ViewSwitch", Sender, true);
}

void TWindowsModule::BeforeViewSwitch(classlib::TObject *Sender, const classlib::OleVariant &, bool &) {
    Happened(L"BeforeViewSwitch", Sender, true);
}

void TWindowsModule::ExplorerDeactivate(classlib::TObject *Sender) {
    Happened(L"ExplorerDeactivate", Sender, true);
}

void TWindowsModule::SelectionChange(classlib::TObject *Sender) {
    Happened(L"SelectionChange", Sender, true);
}

void TWindowsModule::ExplorerClose(classlib::TObject *Sender) {
    Happened(L"ExplorerClose", Sender, true);
}

void TWindowsModule::InspectorActivate(classlib::TObject *Sender) {
    Happened(L"InspectorActivate", Sender, false);
}

void TWindowsModule::InspectorDeactivate(classlib::TObject *Sender) {
    Happened(L"InspectorDeactivate", Sender, false);
}

void TWindowsModule::InspectorClose(classlib::TObject *Sender) {
    Happened(L"InspectorClose", Sender, false);
}

void TWindowsModule::CardBeforeAdd(framework::TzidOlInspectorCommandBar *, IDispatch *, bool &Cancel) {
    Cancel = Log().CancelCard;
}

void TWindowsModule::CreateControl(framework::TzidCommandBarControl *Control,
                                   framework::TzidCustomCommandBar *Bar,
                                   framework::TzidCommandBarPopup *Parent) {
    Log().Events.push_back(L"Build:" + Control->StoredOfficeTag());
    if (Log().Action)
        Log().Action(L"Build", Bar);
    TzidCOMAddInModule::CreateControl(Control, Bar, Parent);
}

framework::TzidFactory &WindowsFactory() {
    static const bool registered = (framework::RegisterCommandBarClasses(), true);
    (void)registered;
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TWindowsTestAddIn>(),
        CLSID_WindowsTestAddIn, TWindowsModule::StaticClass(), L"WindowsTestAddIn", L"Window test add-in");
    return factory;
}

} // namespace wintest
