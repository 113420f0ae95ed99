#include "WindowsTestModule.h"

#include <algorithm>

#include "WindowsTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "framework/windows/HostWindowsEngine.h"
#include "framework/windows/OutlookExplorerWrapper.h"
#include "framework/windows/OutlookInspectorWrapper.h"

using classlib::MakeEvent;

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
CLASSLIB_DEFINE_CLASS(TWindowsModule, framework::TzidCOMAddInModule,
                      b.Method<&Self::CardBeforeAdd>(L"CardBeforeAdd"))

namespace {
constexpr wchar_t kNewExplorer[] = L"NewExplorer", kNewInspector[] = L"NewInspector",
                  kExplorerActivate[] = L"ExplorerActivate", kFolderSwitch[] = L"FolderSwitch",
                  kViewSwitch[] = L"ViewSwitch", kExplorerDeactivate[] = L"ExplorerDeactivate",
                  kSelectionChange[] = L"SelectionChange", kExplorerClose[] = L"ExplorerClose",
                  kInspectorActivate[] = L"InspectorActivate",
                  kInspectorDeactivate[] = L"InspectorDeactivate", kInspectorClose[] = L"InspectorClose";
} // namespace

TWindowsModule::TWindowsModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
    ++Log().ModulesAlive;
    OnError = MakeEvent<&Self::ModuleError>(this);
    OnOLNewExplorer = MakeEvent<&Self::Reported<kNewExplorer>>(this);
    OnOLNewInspector = MakeEvent<&Self::Reported<kNewInspector>>(this);
    OnOLExplorerActivate = MakeEvent<&Self::Window<kExplorerActivate>>(this);
    OnOLExplorerFolderSwitch = MakeEvent<&Self::Window<kFolderSwitch>>(this);
    OnOLExplorerBeforeFolderSwitch = MakeEvent<&Self::BeforeFolderSwitch>(this);
    OnOLExplorerViewSwitch = MakeEvent<&Self::Window<kViewSwitch>>(this);
    OnOLExplorerBeforeViewSwitch = MakeEvent<&Self::BeforeViewSwitch>(this);
    OnOLExplorerDeactivate = MakeEvent<&Self::Window<kExplorerDeactivate>>(this);
    OnOLExplorerSelectionChange = MakeEvent<&Self::Window<kSelectionChange>>(this);
    OnOLExplorerClose = MakeEvent<&Self::Window<kExplorerClose>>(this);
    OnOLInspectorActivate = MakeEvent<&Self::Window<kInspectorActivate>>(this);
    OnOLInspectorDeactivate = MakeEvent<&Self::Window<kInspectorDeactivate>>(this);
    OnOLInspectorClose = MakeEvent<&Self::Window<kInspectorClose>>(this);
    OnAddInStartupComplete = MakeEvent<&Self::StartupComplete>(this);
}

TWindowsModule::~TWindowsModule() {
    --Log().ModulesAlive;
}

void TWindowsModule::Happened(const std::wstring &Event) {
    Log().Events.push_back(Event);
    if (Log().Action)
        Log().Action(Event);
}

// An explorer's event comes from its TzidExplorer, an inspector's from its TzidInspector.
void TWindowsModule::FromWindow(classlib::TObject *Sender, const std::wstring &Event) {
    const bool explorer = Event.find(L"Inspector") == std::wstring::npos;
    if (explorer ? dynamic_cast<framework::TzidExplorer *>(Sender) == nullptr
                 : dynamic_cast<framework::TzidInspector *>(Sender) == nullptr)
        Log().Events.push_back(L"WrongSender");
    Happened(Event);
}

template <const wchar_t *Name> void TWindowsModule::Window(classlib::TObject *Sender) {
    FromWindow(Sender, Name);
}

template <const wchar_t *Name> void TWindowsModule::Reported(classlib::TObject *, IDispatch *) {
    Happened(Name);
}

void TWindowsModule::BeforeFolderSwitch(classlib::TObject *Sender, IDispatch *, bool &Cancel) {
    Cancel = Log().CancelFolderSwitch;
    FromWindow(Sender, L"BeforeFolderSwitch");
}

void TWindowsModule::BeforeViewSwitch(classlib::TObject *Sender, const classlib::OleVariant &, bool &) {
    FromWindow(Sender, L"BeforeViewSwitch");
}

void TWindowsModule::CardBeforeAdd(framework::TzidOlInspectorCommandBar *, IDispatch *, bool &Cancel) {
    Cancel = Log().CancelCard;
    if (Log().Action)
        Log().Action(L"CardBeforeAdd");
}

void TWindowsModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Log().Events.push_back(L"Error:" + E.Message());
    Handled = true;
}

void TWindowsModule::StartupComplete(classlib::TObject *) {
    Happened(L"StartupComplete");
}

void TWindowsModule::CreateControl(framework::TzidCommandBarControl *Control,
                                   framework::TzidCustomCommandBar *Bar,
                                   framework::TzidCommandBarPopup *Parent) {
    Log().Events.push_back(L"Build:" + Control->StoredOfficeTag());
    if (Log().Action)
        Log().Action(L"Build");
    TzidCOMAddInModule::CreateControl(Control, Bar, Parent);
}

void TWindowsModule::OptionsPagesAdd(classlib::TObject *, IDispatch *Pages) {
    Happened(L"OptionsPagesAdd");
    if (Log().PagesAction)
        Log().PagesAction(Pages, nullptr);
}

void TWindowsModule::NameSpaceOptionsPagesAdd(classlib::TObject *, IDispatch *Pages, IDispatch *Folder) {
    Happened(L"FolderPagesAdd");
    if (Log().PagesAction)
        Log().PagesAction(Pages, Folder);
}

framework::TzidFactory &WindowsFactory() {
    static const bool registered = (framework::RegisterCommandBarClasses(), framework::InstallShortcuts(),
                                    framework::InstallHostWindows(), true);
    (void)registered;
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TWindowsTestAddIn>(),
        CLSID_WindowsTestAddIn, TWindowsModule::StaticClass(), L"WindowsTestAddIn", L"Window test add-in");
    return factory;
}

} // namespace wintest
