// TzidCOMAddInModule: the container an add-in is designed in. It owns the add-in's components (read
// from the form resource of the add-in's module class), carries the registration settings as
// published properties, fires the add-in's life-cycle and host events, and holds the state of one
// connection to a host: the detected host and its version, the host's wrapper and command bars, the
// add-in's registry key and the ribbon's bookkeeping.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/Collection.h"
#include "classlib/ComPtr.h"
#include "classlib/DataModule.h"
#include "classlib/Events.h"
#include "classlib/List.h"
#include "classlib/OleVariant.h"
#include "classlib/Registry.h"
#include "classlib/StringList.h"
#include "classlib/Timer.h"
#include "framework/core/HostApps.h"
#include "framework/core/ModuleBarsEngine.h"
#include "framework/core/NamedObjects.h"
#include "framework/core/RibbonKinds.h"
#include "framework/core/RibbonObject.h"
#include "framework/core/ShortcutsEngine.h"
#include "framework/core/StartMode.h"
#include "framework/core/TaskPanesEngine.h"
#include "office/HostWrapper.h"
#include "office/OutlookApplication.h"
#include "office/WordApplication.h"
#include "office/office.h"

namespace framework {

class TdivAzore;
class TzidFactory;
class TzidBackstage;
class TzidRibbonTab;
class TzidHostEvents;
class TzidCustomCommandBar;
class TzidCommandBarControl;
class TzidCommandBarPopup;
class TzidCustomTaskPane;
class TzidCustomTaskPaneInstance;
struct TzidKeyDownEventArgs;

// Office's colour schemes, as its "Theme" value numbers them.
enum class TzidOfficeColorScheme : unsigned char { Unknown, Blue, Silver, Black };
// The scheme a "Theme" value names: its low byte when that is one of the schemes above, Unknown for
// any other number (a later Office's, or a value someone else wrote).
inline TzidOfficeColorScheme ColorSchemeOfTheme(int Theme) {
    const int scheme = Theme & 0xFF;
    return scheme <= static_cast<int>(TzidOfficeColorScheme::Black)
               ? static_cast<TzidOfficeColorScheme>(scheme)
               : TzidOfficeColorScheme::Unknown;
}

using TNotifyEvent = classlib::TEvent<void(classlib::TObject *Sender)>;
using TzidOnError = classlib::TEvent<void(const classlib::Exception &E, bool &Handled)>;
using TzidKeyDownEventHandler = classlib::TEvent<void(classlib::TObject *Sender, TzidKeyDownEventArgs &args)>;
using TzidNewExplorer = classlib::TEvent<void(classlib::TObject *ASender, IDispatch *Explorer)>;
using TzidNewInspector = classlib::TEvent<void(classlib::TObject *ASender, IDispatch *Inspector)>;
using TzidExplorerBeforeFolderSwitch =
    classlib::TEvent<void(classlib::TObject *ASender, IDispatch *NewFolder, bool &Cancel)>;
using TzidExplorerBeforeViewSwitch =
    classlib::TEvent<void(classlib::TObject *ASender, const classlib::OleVariant &NewView, bool &Cancel)>;
using TzidTaskPaneBeforeCreate =
    classlib::TEvent<void(TzidCustomTaskPane *Sender, IDispatch *Window, bool &Cancel)>;
using TzidTaskPaneInstanceEvent =
    classlib::TEvent<void(TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *Instance)>;
using TzidTaskPaneBeforeShow =
    classlib::TEvent<void(TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *Instance, bool &Cancel)>;
using TzidRibbonBeforeCreate =
    classlib::TEvent<void(classlib::TObject *Sender, const std::wstring &RibbonID)>;
using TzidRibbonBeforeLoad =
    classlib::TEvent<void(classlib::TObject *Sender, const std::wstring &RibbonID, std::wstring &Xml)>;
using TzidRibbonLoaded = classlib::TEvent<void(classlib::TObject *Sender, IRibbonUI *RibbonUI)>;
using TzidOfficeColorSchemeChanged =
    classlib::TEvent<void(classlib::TObject *Sender, TzidOfficeColorScheme ColorScheme)>;
using TzidCTPFactoryAvailable = classlib::TEvent<void(ICTPFactory *CTPFactoryInst)>;
using TzidDocumentRecognized = classlib::TEvent<void(IDispatch *Document)>;
// The add-in object's private interface hands its arguments on unchanged.
using TzidPrivateInterfaceCall = classlib::TEvent<void(LONG Code, VARIANT *Data)>;

class TzidCOMAddInModule : public classlib::TDataModule {
    CLASSLIB_CLASS(TzidCOMAddInModule)
public:
    // The empty module with its defaults; Create<T>(owner) also reads the form (AfterConstruction).
    explicit TzidCOMAddInModule(classlib::TComponent *AOwner);
    ~TzidCOMAddInModule() override;
    // Reads the form of the actual class, fires OnCreate, then forgets any host object the form's
    // handlers may have touched: a new module is bound to nothing.
    void AfterConstruction() override;
    void DefineProperties(classlib::TFiler &Filer) override;
    // A host-events component freed by a handler is the module's no longer.
    void Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) override;

    // ---- published properties ----
    const std::wstring &AddInName() const { return addInName_; }
    void SetAddInName(const std::wstring &Value); // refuses "" (31101)
    const std::wstring &Description() const { return description_; }
    void SetDescription(const std::wstring &Value) { description_ = Value; }
    bool DisplayAlerts() const { return displayAlerts_; }
    void SetDisplayAlerts(bool Value) { displayAlerts_ = Value; }
    int LoadBehavior() const { return loadBehavior_; }
    void SetLoadBehavior(int Value) { loadBehavior_ = Value; }
    bool RegisterForAllUsers() const { return registerForAllUsers_; }
    void SetRegisterForAllUsers(bool Value) { registerForAllUsers_ = Value; }
    TzidHostAppSet SupportedApps() const { return supportedApps_; }
    void SetSupportedApps(TzidHostAppSet Value); // refuses [] (31101)
    bool XLAutomationAddIn() const { return xlAutomationAddIn_; }
    void SetXLAutomationAddIn(bool Value) { xlAutomationAddIn_ = Value; }
    bool HandleShortcuts() const { return handleShortcuts_; }
    // True makes the shortcut window and installs the thread keyboard hook (once); false removes both.
    void SetHandleShortcuts(bool Value);
    const std::wstring &Namespace() const { return namespace_; }
    void SetNamespace(const std::wstring &Value) { namespace_ = Value; }
    // The explorer is one window kind under two names: each setter keeps the other set's element equal.
    TzidRibbons StartFromScratch() const { return startFromScratch_; }
    void SetStartFromScratch(TzidRibbons Value);
    TzidRibbons2010 StartFromScratch2010() const { return startFromScratch2010_; }
    void SetStartFromScratch2010(TzidRibbons2010 Value);

    // An explorer Outlook reported still waits for its first activation, which its first folder
    // switch runs (Outlook 2007 activates it at once).
    bool ExplorerActivationPending() const { return explorerActivationPending_; }
    void SetExplorerActivationPending(bool Value) { explorerActivationPending_ = Value; }

    // ---- published events ----
    TzidKeyDownEventHandler OnKeyDown;
    TzidOnError OnError;
    TNotifyEvent OnAddInFinalize;
    TNotifyEvent OnAddInInitialize;
    TNotifyEvent OnAddInStartupComplete;
    TNotifyEvent OnAddInBeginShutdown;
    TNotifyEvent OnAfterAddinRegister;
    TNotifyEvent OnBeforeAddinUnregister;
    TzidNewExplorer OnOLNewExplorer;
    TzidNewInspector OnOLNewInspector;
    TNotifyEvent OnOLExplorerActivate;
    TNotifyEvent OnOLExplorerFolderSwitch;
    TzidExplorerBeforeFolderSwitch OnOLExplorerBeforeFolderSwitch;
    TNotifyEvent OnOLExplorerViewSwitch;
    TzidExplorerBeforeViewSwitch OnOLExplorerBeforeViewSwitch;
    TNotifyEvent OnOLExplorerDeactivate;
    TNotifyEvent OnOLExplorerSelectionChange;
    TNotifyEvent OnOLExplorerClose;
    TNotifyEvent OnOLInspectorActivate;
    TNotifyEvent OnOLInspectorDeactivate;
    TNotifyEvent OnOLInspectorClose;
    TzidTaskPaneBeforeCreate OnTaskPaneBeforeCreate;
    TzidTaskPaneInstanceEvent OnTaskPaneAfterCreate;
    TzidTaskPaneBeforeShow OnTaskPaneBeforeShow;
    TzidTaskPaneInstanceEvent OnTaskPaneAfterShow;
    TzidTaskPaneInstanceEvent OnTaskPaneBeforeDestroy;
    TzidRibbonBeforeCreate OnRibbonBeforeCreate;
    TzidRibbonBeforeLoad OnRibbonBeforeLoad;
    TzidRibbonLoaded OnRibbonLoaded;
    TzidOfficeColorSchemeChanged OnOfficeColorSchemeChanged;

    // ---- unpublished events: for code, not forms ----
    TzidCTPFactoryAvailable OnCTPFactoryAvailable;
    TzidPrivateInterfaceCall OnPrivateInterfaceCall;
    // The active document carries the custom property DocumentMarkName = DocumentMarkValue.
    TzidDocumentRecognized OnDocumentRecognized;

    // ---- error reporting ----
    // OnError decides (Handled); unhandled, the user sees "<AddInName> error: the add-in has fired an
    // exception." with the message, in an error box through the class library's message-box hook.
    void DoError(const classlib::Exception &E);
    // Runs Body; whatever it throws goes to DoError. What the application's handlers raise must not
    // stop the framework's own work.
    void RunGuarded(const std::function<void()> &Body) noexcept;
    // Fires OnCTPFactoryAvailable with CTPFactory, guarded.
    void NotifyCTPFactoryAvailable();

    // ---- the host ----
    // Detects the host from HostApp (the first of the eleven host interfaces it answers), connects
    // its wrapper, reads its version, and connects the module's host-events component of that host.
    void ConnectToHost();
    // The major version of a version text ("14.0.0.4760" -> 14, "12,0" -> 12); 9 when none can be read.
    static int ParseHostVersion(const std::wstring &Text);
    // The first component (in component order) of Class or a class derived from it; null when none.
    TzidHostEvents *FindHostEventsComponent(const classlib::TClassInfo &Class) const;
    // Disconnects the host-events component and frees the host's wrapper.
    void DisconnectFromHost();
    // The host's Office CommandBars as the host's object model gives them; null when there are none
    // or the host refuses (no failure leaves here).
    classlib::ComPtr<_CommandBars> GetHostCommandBars();
    // The add-in key of the detected host (absolute, below HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE);
    // empty without a factory.
    std::wstring AddInKey() const;
    // Whether unregistration has taken the module's bars out of the host while it runs: the add-in key
    // is gone, or its start mode says uninstall where it did not at start-up. The module then builds
    // no bar and no control for the rest of the session.
    bool UninstalledMeanwhile() const;
    // Whether the add-in follows Outlook's fast shutdown (Outlook 2010 and later, unless the user's
    // Outlook or the add-in's key asks for the shutdown notifications).
    bool FastShutdownEnabled() const;
    // The Access poll: builds the bars once a database is open, releases them when it closes.
    void AccessTimerTick(classlib::TObject *Sender);
    // Unbinds the bars (except Outlook's window bars) from Office and drops CommandBars; nothing is
    // deleted in the host.
    void ReleaseCommandBars();

    // ---- command bars and ribbon look-up ----
    // The build, release and removal of the module's bars are done by its bars engine (BarsEngine).
    // The host's bar whose Name (ASCII letters in any case) or NameLocal (any case) is Name, the first
    // in Office's order; null when there is none. Look-ups never raise: a failing Office call answers
    // null.
    classlib::ComPtr<CommandBar> FindCommandBar(const std::wstring &Name);
    // A control of Office type Type (MsoControlType) by its Id or Tag: on Bar and in its popups (null
    // Bar: none), or on all of the host's bars. Null when there is none or Office fails.
    classlib::ComPtr<CommandBarControl> FindBarControlById(CommandBar *Bar, long Type, long Id);
    classlib::ComPtr<CommandBarControl> FindBarControlByTag(CommandBar *Bar, long Type,
                                                            const std::wstring &Tag);
    classlib::ComPtr<CommandBarControl> FindControlById(long Type, long Id);
    classlib::ComPtr<CommandBarControl> FindControlByTag(long Type, const std::wstring &Tag);
    // Builds or binds one control of Bar (inside Parent when given) and a popup's children. Virtual:
    // the one step of a build that can be played without building everything. The engine builds
    // every control through it; this default hands the control back to the engine's own step.
    virtual void CreateControl(TzidCommandBarControl *Control, TzidCustomCommandBar *Bar,
                               TzidCommandBarPopup *Parent);
    // Builds every bar of the module for the connected host; a bar that fails goes to DoError and the
    // next one is built.
    void CreateCommandBars();
    // Builds one bar and its controls, reusing what the host has. MapPoint (31110) and an apostrophe
    // in an Outlook bar's name (31102) raise; every other failure goes to DoError.
    void CreateCommandBar(TzidCustomCommandBar *Bar);
    // The positions of the temporary explorer bars, kept across Outlook's runs; failures are traced.
    void SaveExplorerBarPositions();
    // Removes the controls and bars of the module's bars for the connected host (WindowBars: Outlook's
    // explorer and inspector bars too), and a Word bar from Word's normal template; a failing removal
    // raises.
    void RemoveCommandBarsFromHost(bool WindowBars);
    // The user's unload: each bar (window bars included) leaves the host on its own, a failure going
    // to DoError; the "\CommandBars" and "\Controls" records of what left the host go, those of
    // what stays there (a bar that stayed, what an earlier design built) stay for unregistration.
    void RemoveCommandBarsOnUnload();
    void RestoreExplorerBarPositions();
    classlib::TObject *FindRibbonObject(const std::wstring &Id) const;
    // The engine that builds and removes the module's bars; null when the module was made while no
    // maker was installed (then the operations above that need it do nothing).
    IzidModuleBarsEngine *BarsEngine() const noexcept { return bars_.get(); }

    // Outlook's Options dialog and a folder's Properties dialog ask for property pages; a descendant
    // adds its own here.
    virtual void OptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages);
    virtual void NameSpaceOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages, IDispatch *Folder);

    // ---- connection state ----
    classlib::TList<> &EventSinks() { return eventSinks_; }
    classlib::TList<TzidCustomCommandBar> &CommandBarList() { return commandBarList_; }
    const classlib::OleVariant &HostApp() const { return hostApp_; }
    void SetHostApp(const classlib::OleVariant &Value) { hostApp_ = Value; }
    TzidOfficeHostApp HostType() const { return hostType_; }
    void SetHostType(TzidOfficeHostApp Value) { hostType_ = Value; }
    // The host's COMAddIn entry of this add-in.
    const classlib::ComPtr<::COMAddIn> &COMAddIn() const { return comAddIn_; }
    void SetCOMAddIn(classlib::ComPtr<::COMAddIn> Value) { comAddIn_ = std::move(Value); }
    TdivAzore *AddIn() const { return addIn_; }
    void SetAddIn(TdivAzore *Value) { addIn_ = Value; }
    TzidFactory *Factory() const { return factory_; }
    void SetFactory(TzidFactory *Value) { factory_ = Value; }
    TzidStartMode StartMode() const { return startMode_; }
    void SetStartMode(TzidStartMode Value) { startMode_ = Value; }
    const classlib::ComPtr<_CommandBars> &CommandBars() const { return commandBars_; }
    void SetCommandBars(classlib::ComPtr<_CommandBars> Value) { commandBars_ = std::move(Value); }
    // The add-in key under HKEY_CURRENT_USER, held open from start-up complete to disconnection.
    classlib::TRegistry &Registry() const { return *registry_; }
    // Registry() while it holds the add-in's key of the current user open (from start-up to
    // disconnection), else null: whoever reads or writes that key uses it rather than opening it again.
    classlib::TRegistry *HeldAddInKey() const;

    // The connected host's Application wrapper; null for the other hosts.
    office::THostWrapper *HostWrapper(TzidOfficeHostApp Host) const { return hostWrappers_[Host].get(); }
    office::TWordApplication *WordApp() const;
    office::TOutlookApplication *OutlookApp() const;
    // Takes the host's wrapper out of the module, which then no longer frees it.
    std::unique_ptr<office::THostWrapper> ReleaseHostWrapper(TzidOfficeHostApp Host);

    TzidHostEvents *HostEvents() const { return hostEvents_; }
    TzidHostEvents *Outlook2007App() const { return outlook2007App_; }
    // ---- shortcuts and hidden windows (the shortcuts engine's; none without one) ----
    classlib::TComponent *NativeWindow() const;
    classlib::TComponent *ColorWindow() const;
    // Upper-cased shortcut texts, each with its TzidCommandBarButton as object; made on first use.
    classlib::TStringList *ShortcutList();
    // ShortcutList rebuilt from the bars usable in the host's active window.
    classlib::TStringList &BuildShortcutList();
    // Drops the hook and shortcut window, makes a new window (named by a new GUID) and installs the hook.
    void MakeShortcutWindow();
    // Replaces the colour-scheme window by a new one.
    void MakeColorWindow();

    // The IRibbonUI the host handed over last. Office hands each ribbon kind (explorer, mail read,
    // mail compose...) an object of its own, and a kind re-queries only its own controls: RibbonUIs
    // keeps every one, in the order they came, so that a change reaches every window kind.
    const classlib::ComPtr<IRibbonUI> &RibbonUI() const { return ribbonUI_; }
    const std::vector<classlib::ComPtr<IRibbonUI>> &RibbonUIs() const { return ribbonUIs_; }
    // Value becomes the latest and joins RibbonUIs unless that object is kept already.
    void SetRibbonUI(classlib::ComPtr<IRibbonUI> Value);
    // Forgets every IRibbonUI the host handed over.
    void ReleaseRibbonUIs();
    const classlib::ComPtr<ICTPFactory> &CTPFactory() const { return ctpFactory_; }
    void SetCTPFactory(classlib::ComPtr<ICTPFactory> Value) { ctpFactory_ = std::move(Value); }
    bool UsesRibbon() const { return usesRibbon_; }
    void SetUsesRibbon(bool Value) { usesRibbon_ = Value; }
    int ConnectCount() const { return connectCount_; }
    // The module's ribbon objects, kept by their types: the ribbon reads them without asking what
    // they are. Tabs without a Context are RibbonTabs, those with one ContextualTabs.
    classlib::TList<IzidRibbonObject> &RibbonCommands() { return ribbonCommands_; }
    classlib::TList<TzidRibbonTab> &RibbonTabs() { return ribbonTabs_; }
    classlib::TList<TzidRibbonTab> &ContextualTabs() { return contextualTabs_; }
    classlib::TStringList &RibbonIds() { return ribbonIds_; }
    const classlib::TStringList &RibbonIds() const { return ribbonIds_; }
    // The module's Backstage view (one at most, among its components; it enters and leaves itself).
    TzidBackstage *Backstage() const { return backstage_; }
    void SetBackstage(TzidBackstage *Value) { backstage_ = Value; }

    classlib::TTimer &AccessTimer();
    // Whether the Access timer has been made (it is made when first asked for).
    bool HasAccessTimer() const { return accessTimer_ != nullptr; }
    bool AccessBusy() const { return accessBusy_; }
    void SetAccessBusy(bool Value) { accessBusy_ = Value; }
    bool AccessProjectOpen() const { return accessProjectOpen_; }
    const std::wstring &AccessProjectName() const { return accessProjectName_; }
    int OfficeVersion() const { return officeVersion_; }
    void SetOfficeVersion(int Value) { officeVersion_ = Value; }
    TzidOfficeColorScheme ColorScheme() const { return colorScheme_; }
    void SetColorScheme(TzidOfficeColorScheme Value) { colorScheme_ = Value; }
    const std::wstring &CustomUINamespace() const { return customUINamespace_; }
    void SetCustomUINamespace(const std::wstring &Value) { customUINamespace_ = Value; }

    // ---- task panes ----
    // The task-pane definitions (streamed as "TaskPanes"), held by the task-pane engine made when the
    // module was created; null without one.
    classlib::TCollection *TaskPanes() const;
    // The task-pane engine, made by the maker installed when the module was created; null without one.
    IzidTaskPanesEngine *TaskPanesEngine() const noexcept { return taskPanesEngine_.get(); }
    // Drops every definition, deleting their live panes in the host; failures are reported.
    void ClearTaskPanes() noexcept;
    // Word's "ShowWindowsInTaskbar" as last read: false when all documents share one window.
    bool ShowWindowsInTaskbar() const { return showWindowsInTaskbar_; }
    void SetShowWindowsInTaskbar(bool Value) { showWindowsInTaskbar_ = Value; }

    // ---- named objects ----
    TzidNamedObjects &NamedObjects() { return namedObjects_; }
    const TzidNamedObjects &NamedObjects() const { return namedObjects_; }
    const std::wstring &DocumentMarkName() const { return documentMarkName_; }
    const std::wstring &DocumentMarkValue() const { return documentMarkValue_; }
    void SetDocumentMark(const std::wstring &Name, const std::wstring &Value) {
        documentMarkName_ = Name;
        documentMarkValue_ = Value;
    }
    // Hands the active document's embedded objects to the named objects (Word and Excel) at start-up
    // complete and when the host's windows or documents change; a failure goes to DoError.
    void RefreshNamedObjects() noexcept;

private:
    friend class TdivAzore; // counts the starts and owns the per-connection hooks

    // The Access wrapper's current project: false when there is none; else whether it is open and its
    // name (closed and unnamed when they cannot be read).
    bool ReadAccessProject(bool &Open, std::wstring &Name) const;

    classlib::TList<> eventSinks_;
    classlib::TList<TzidCustomCommandBar> commandBarList_;
    TzidHostAppSet supportedApps_{ohaExcel};
    std::wstring description_;
    std::wstring addInName_;
    int loadBehavior_ = 3;
    bool displayAlerts_ = false;
    bool xlAutomationAddIn_ = false;
    bool explorerActivationPending_ = false;

    classlib::OleVariant hostApp_;
    TzidOfficeHostApp hostType_ = ohaExcel;
    classlib::ComPtr<::COMAddIn> comAddIn_;
    TdivAzore *addIn_ = nullptr;
    TzidFactory *factory_ = nullptr;
    TzidStartMode startMode_ = zsmFirstStart;
    classlib::ComPtr<_CommandBars> commandBars_;
    std::unique_ptr<classlib::TRegistry> registry_;
    bool registerForAllUsers_ = false;

    std::array<std::unique_ptr<office::THostWrapper>, HostAppCount> hostWrappers_;

    bool handleShortcuts_ = false;
    std::unique_ptr<IzidShortcutsEngine> shortcuts_;
    TzidHostEvents *hostEvents_ = nullptr;
    std::wstring namespace_;
    TzidRibbons startFromScratch_;
    TzidRibbons2010 startFromScratch2010_;
    classlib::ComPtr<IRibbonUI> ribbonUI_;
    std::vector<classlib::ComPtr<IRibbonUI>> ribbonUIs_;
    classlib::ComPtr<ICTPFactory> ctpFactory_;
    bool usesRibbon_ = false;
    int connectCount_ = 0;
    classlib::TList<IzidRibbonObject> ribbonCommands_;
    classlib::TList<TzidRibbonTab> ribbonTabs_;
    classlib::TList<TzidRibbonTab> contextualTabs_;
    classlib::TStringList ribbonIds_;
    TzidBackstage *backstage_ = nullptr;

    std::unique_ptr<classlib::TTimer> accessTimer_;
    bool accessBusy_ = false;
    bool accessProjectOpen_ = false;
    std::wstring accessProjectName_;
    int officeVersion_ = 0; // until a host is detected
    TzidOfficeColorScheme colorScheme_ = TzidOfficeColorScheme::Unknown;
    TzidHostEvents *outlook2007App_ = nullptr;
    std::wstring customUINamespace_;
    std::unique_ptr<IzidTaskPanesEngine> taskPanesEngine_;
    bool showWindowsInTaskbar_ = true;
    TzidNamedObjects namedObjects_;
    std::wstring documentMarkName_, documentMarkValue_;
    // Last: it drives the module and goes before the rest of its state.
    std::unique_ptr<IzidModuleBarsEngine> bars_;
};

} // namespace framework
