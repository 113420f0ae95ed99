#include "framework/core/AddInModule.h"

#include "classlib/Classes.h"
#include "classlib/ComGuard.h"
#include "classlib/Format.h"
#include "classlib/MessageDialogs.h"
#include "classlib/Reader.h"
#include "classlib/Trace.h"
#include "classlib/Writer.h"
#include "framework/core/Factory.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/HostEvents.h"
#include "framework/core/ModuleErrors.h"

namespace framework {

using Self = TzidCOMAddInModule;

CLASSLIB_DEFINE_CLASS(
    TzidCOMAddInModule, classlib::TDataModule,
    b.Property(L"AddInName", &Self::AddInName, &Self::SetAddInName).Default(L"");
    b.Property(L"Description", &Self::Description, &Self::SetDescription).Default(L"");
    b.Property(L"DisplayAlerts", &Self::DisplayAlerts, &Self::SetDisplayAlerts).Default(false);
    b.Property(L"LoadBehavior", &Self::LoadBehavior, &Self::SetLoadBehavior).Default(3);
    b.Property(L"RegisterForAllUsers", &Self::RegisterForAllUsers, &Self::SetRegisterForAllUsers)
        .Default(false);
    b.Property(L"SupportedApps", &Self::SupportedApps, &Self::SetSupportedApps)
        .Default(TzidHostAppSet{ohaExcel});
    b.Property(L"XLAutomationAddIn", &Self::XLAutomationAddIn, &Self::SetXLAutomationAddIn).Default(false);
    b.Property(L"HandleShortcuts", &Self::HandleShortcuts, &Self::SetHandleShortcuts).Default(false);
    b.Property(L"Namespace", &Self::Namespace, &Self::SetNamespace).Default(L"");
    b.Property(L"StartFromScratch", &Self::StartFromScratch, &Self::SetStartFromScratch)
        .Default(TzidRibbons{});
    b.Property(L"StartFromScratch2010", &Self::StartFromScratch2010, &Self::SetStartFromScratch2010)
        .Default(TzidRibbons2010{});
    b.Field(L"OnKeyDown", &Self::OnKeyDown); b.Field(L"OnError", &Self::OnError);
    b.Field(L"OnAddInInitialize", &Self::OnAddInInitialize);
    b.Field(L"OnAddInStartupComplete", &Self::OnAddInStartupComplete);
    b.Field(L"OnAddInBeginShutdown", &Self::OnAddInBeginShutdown);
    b.Field(L"OnAddInFinalize", &Self::OnAddInFinalize);
    b.Field(L"OnAfterAddinRegister", &Self::OnAfterAddinRegister);
    b.Field(L"OnBeforeAddinUnregister", &Self::OnBeforeAddinUnregister);
    b.Field(L"OnOLNewExplorer", &Self::OnOLNewExplorer);
    b.Field(L"OnOLNewInspector", &Self::OnOLNewInspector);
    b.Field(L"OnOLExplorerActivate", &Self::OnOLExplorerActivate);
    b.Field(L"OnOLExplorerFolderSwitch", &Self::OnOLExplorerFolderSwitch);
    b.Field(L"OnOLExplorerBeforeFolderSwitch", &Self::OnOLExplorerBeforeFolderSwitch);
    b.Field(L"OnOLExplorerViewSwitch", &Self::OnOLExplorerViewSwitch);
    b.Field(L"OnOLExplorerBeforeViewSwitch", &Self::OnOLExplorerBeforeViewSwitch);
    b.Field(L"OnOLExplorerDeactivate", &Self::OnOLExplorerDeactivate);
    b.Field(L"OnOLExplorerSelectionChange", &Self::OnOLExplorerSelectionChange);
    b.Field(L"OnOLExplorerClose", &Self::OnOLExplorerClose);
    b.Field(L"OnOLInspectorActivate", &Self::OnOLInspectorActivate);
    b.Field(L"OnOLInspectorDeactivate", &Self::OnOLInspectorDeactivate);
    b.Field(L"OnOLInspectorClose", &Self::OnOLInspectorClose);
    b.Field(L"OnTaskPaneBeforeCreate", &Self::OnTaskPaneBeforeCreate);
    b.Field(L"OnTaskPaneAfterCreate", &Self::OnTaskPaneAfterCreate);
    b.Field(L"OnTaskPaneBeforeShow", &Self::OnTaskPaneBeforeShow);
    b.Field(L"OnTaskPaneAfterShow", &Self::OnTaskPaneAfterShow);
    b.Field(L"OnTaskPaneBeforeDestroy", &Self::OnTaskPaneBeforeDestroy);
    b.Field(L"OnRibbonBeforeCreate", &Self::OnRibbonBeforeCreate);
    b.Field(L"OnRibbonBeforeLoad", &Self::OnRibbonBeforeLoad);
    b.Field(L"OnRibbonLoaded", &Self::OnRibbonLoaded);
    b.Field(L"OnOfficeColorSchemeChanged", &Self::OnOfficeColorSchemeChanged))

namespace {} // namespace

TzidCOMAddInModule::TzidCOMAddInModule(classlib::TComponent *AOwner)
    : TDataModule(AOwner), registry_(std::make_unique<classlib::TRegistry>()) {
    bars_ = TzidModuleBarsEngineMaker::Make(*this);
    taskPanesEngine_ = TzidTaskPanesEngineMaker::Make(*this);
    shortcuts_ = TzidShortcutsEngineMaker::Make(*this);
}

// Made when first asked for (Access's start-up starts it): a timer keeps a hidden window of its own,
// which no other host has a use for.
classlib::TTimer &TzidCOMAddInModule::AccessTimer() {
    if (!accessTimer_) {
        auto timer = std::make_unique<classlib::TTimer>(nullptr);
        timer->SetEnabled(false);
        timer->SetInterval(250);
        timer->OnTimer = classlib::MakeEvent<&Self::AccessTimerTick>(this);
        accessTimer_ = std::move(timer);
    }
    return *accessTimer_;
}

// "TaskPanes" is written only when the module has definitions: forms of modules without panes stay
// as they were.
void TzidCOMAddInModule::DefineProperties(classlib::TFiler &Filer) {
    TDataModule::DefineProperties(Filer);
    if (!TaskPanes())
        return;
    classlib::TCollection &panes = *TaskPanes();
    Filer.DefineProperty(
        L"TaskPanes",
        [&panes](classlib::TReader &Reader) {
            panes.Clear();
            classlib::TUpdateScope update(panes);
            Reader.ReadCollectionItems([&panes](int) -> classlib::TPersistent * { return panes.Add(); });
        },
        [&panes](classlib::TWriter &Writer) {
            std::vector<classlib::TPersistent *> items;
            for (int i = 0; i < panes.Count(); ++i)
                items.push_back(panes.Items(i));
            Writer.WriteCollectionItems(items);
        },
        panes.Count() > 0);
}

void TzidCOMAddInModule::RefreshNamedObjects() noexcept {
    RunGuarded([this] { RefreshHostObjects(*this); });
}

TzidCOMAddInModule::~TzidCOMAddInModule() {
    TzidHandlerCall::ObjectGone(this);
    registry_.reset();
    try {
        DisconnectFromHost();
    } catch (...) {
        // The host may be gone already; the module goes away either way.
        classlib::TraceException(L"AddIn", L"Disconnecting the module from its host");
    }
    eventSinks_.Clear();
    ribbonIds_.Clear();
    ribbonCommands_.Clear();
    ribbonTabs_.Clear();
    contextualTabs_.Clear();
    // Panes still live here are deleted without their events: the derived module is gone.
    taskPanesEngine_.reset();
    accessTimer_.reset();
    ReleaseRibbonUIs();
    ctpFactory_.Reset();
    commandBars_.Reset();
    addIn_ = nullptr;
    factory_ = nullptr;
    comAddIn_.Reset();
    hostApp_.Clear();
    // The hidden windows are components of the module: they go before the components do.
    shortcuts_.reset();
    // The components go before the bar list: a bar leaves the list when it is freed.
    DestroyComponents();
    commandBarList_.Clear();
}

void TzidCOMAddInModule::Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) {
    TDataModule::Notification(AComponent, Operation);
    if (Operation != classlib::TOperation::opRemove)
        return;
    if (AComponent == hostEvents_)
        hostEvents_ = nullptr;
    if (AComponent == outlook2007App_)
        outlook2007App_ = nullptr;
}

void TzidCOMAddInModule::AfterConstruction() {
    TDataModule::AfterConstruction();
    commandBars_.Reset();
    comAddIn_.Reset();
    ReleaseRibbonUIs();
    ctpFactory_.Reset();
    addIn_ = nullptr;
    factory_ = nullptr;
}

void TzidCOMAddInModule::SetAddInName(const std::wstring &Value) {
    if (Value.empty())
        RaiseZidError(zidErrEmptyProperty, classlib::Format(SzidEmptyProperty, {L"AddInName"}));
    addInName_ = Value;
}

void TzidCOMAddInModule::SetSupportedApps(TzidHostAppSet Value) {
    if (Value.Empty())
        RaiseZidError(zidErrEmptyProperty, classlib::Format(SzidEmptyProperty, {L"SupportedApps"}));
    supportedApps_ = Value;
}

void TzidCOMAddInModule::SetStartFromScratch(TzidRibbons Value) {
    startFromScratch_ = Value;
    if (Value.Contains(msrOutlookExplorer))
        startFromScratch2010_.Include(msrOutlookExplorer2010);
    else
        startFromScratch2010_.Exclude(msrOutlookExplorer2010);
}

void TzidCOMAddInModule::SetStartFromScratch2010(TzidRibbons2010 Value) {
    startFromScratch2010_ = Value;
    if (Value.Contains(msrOutlookExplorer2010))
        startFromScratch_.Include(msrOutlookExplorer);
    else
        startFromScratch_.Exclude(msrOutlookExplorer);
}

void TzidCOMAddInModule::DoError(const classlib::Exception &E) {
    classlib::Trace(L"AddIn", std::wstring(L"Error reported: ") + E.ClassName() + L": " + E.Message());
    bool handled = false;
    if (OnError) {
        try {
            OnError(E, handled);
        } catch (...) {
            // An error handler that fails has not handled the error: the user still sees it.
            classlib::TraceException(L"AddIn", L"The module's OnError handler");
            handled = false;
        }
    }
    if (!handled)
        classlib::MessageDlg(classlib::Format(L"%s error: the add-in has fired an exception.\r\n%s",
                                              {AddInName(), E.Message()}),
                             classlib::mtError, {classlib::mbOK}, 0);
}

void TzidCOMAddInModule::RunGuarded(const std::function<void()> &Body) noexcept {
    try {
        try {
            Body();
        } catch (const classlib::Exception &e) {
            DoError(e);
        } catch (...) {
            std::wstring message = classlib::CurrentExceptionMessage();
            DoError(classlib::Exception(message.empty() ? L"Unknown exception" : message));
        }
    } catch (...) {
        // The report itself failed (no message box could be shown): only the trace is left.
        classlib::TraceException(L"AddIn", L"Reporting an error");
    }
}

void TzidCOMAddInModule::NotifyCTPFactoryAvailable() {
    if (OnCTPFactoryAvailable)
        RunGuarded([this] { OnCTPFactoryAvailable(ctpFactory_.Get()); });
}

std::wstring TzidCOMAddInModule::AddInKey() const {
    return factory_ != nullptr ? factory_->GetAddInKey(hostType_) : std::wstring();
}

classlib::TRegistry *TzidCOMAddInModule::HeldAddInKey() const {
    std::wstring key = AddInKey();
    const std::wstring &open = registry_->CurrentPath();
    auto bare = [](const std::wstring &path) { return path.c_str() + (!path.empty() && path[0] == L'\\'); };
    if (key.empty() || registry_->CurrentKey() == nullptr || registry_->RootKey() != HKEY_CURRENT_USER ||
        _wcsicmp(bare(open), bare(key)) != 0)
        return nullptr;
    return registry_.get();
}

office::TWordApplication *TzidCOMAddInModule::WordApp() const {
    return dynamic_cast<office::TWordApplication *>(hostWrappers_[ohaWord].get());
}

office::TOutlookApplication *TzidCOMAddInModule::OutlookApp() const {
    return dynamic_cast<office::TOutlookApplication *>(hostWrappers_[ohaOutlook].get());
}

std::unique_ptr<office::THostWrapper> TzidCOMAddInModule::ReleaseHostWrapper(TzidOfficeHostApp Host) {
    return std::move(hostWrappers_[Host]);
}

void TzidCOMAddInModule::OptionsPagesAdd(classlib::TObject * /*Sender*/, IDispatch * /*Pages*/) {}

void TzidCOMAddInModule::NameSpaceOptionsPagesAdd(classlib::TObject * /*Sender*/, IDispatch * /*Pages*/,
                                                  IDispatch * /*Folder*/) {}

} // namespace framework
