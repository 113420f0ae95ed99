// TdivAzore: the COM object an Office host creates for the add-in and keeps while the add-in is
// loaded. Through IDTExtensibility2 it creates the add-in module on connection, runs the start-up
// sequence that connects the module to the host, fires the module's life-cycle events and tears
// everything down on disconnection, on a user unload and on Outlook's fast shutdown.
//
// Every interface method is a safe call: whatever fails inside becomes the method's HRESULT (with
// IErrorInfo), nothing is thrown at the host. The application's COM class derives from it without
// overriding anything; its type library gives the class its dual interface (see IzidAddIn).
#pragma once
#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "classlib/AutoObject.h"
#include "classlib/ComPtr.h"
#include "classlib/EventSink.h"
#include "framework/core/AddInInterfaces.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/RibbonIdIndex.h"
#include "office/HostWrapper.h"
#include "office/OutlookApplication.h"
#include "office/OutlookExplorers.h"
#include "office/OutlookInspectors.h"
#include "office/office.h"

namespace framework {

class IzidRibbonControlInternal;
class TzidInspector;

// Also a TObject, so that host events can be bound to its handlers.
class TdivAzore
    : public classlib::TAutoObjectImpl<IzidAddIn, IDTExtensibility2, IzidAddInPrivate, IRibbonExtensibility,
                                       ICustomTaskPaneConsumer>,
      public classlib::TObject {
    CLASSLIB_CLASS(TdivAzore)
public:
    TdivAzore();
    ~TdivAzore() override;

    // IDTExtensibility2
    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch *Application, ext_ConnectMode ConnectMode,
                                           IDispatch *AddInInst, SAFEARRAY **custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY **custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY **custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY **custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY **custom) override;

    // IRibbonExtensibility: the customUI document of a ribbon id (framework/ribbon/CustomUI.cpp).
    HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR *RibbonXml) override;

    // IzidAddInPrivate
    HRESULT STDMETHODCALLTYPE ModuleCall(LONG Code, VARIANT *Data) override;

    // IDispatch: the type library's members, then the ribbon callbacks by their fixed names and ids
    // (framework/ribbon/RibbonCallbacks.cpp).
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *Names, UINT Count, LCID Locale,
                                            DISPID *DispIds) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID DispId, REFIID riid, LCID Locale, WORD Flags, DISPPARAMS *Params,
                                     VARIANT *Result, EXCEPINFO *ExcepInfo, UINT *ArgErr) override;

    // ICustomTaskPaneConsumer: the host's task-pane factory (framework/core/TaskPanesForwards.cpp).
    HRESULT STDMETHODCALLTYPE CTPFactoryAvailable(ICTPFactory *CTPFactoryInst) override;

    // The model object a ribbon control id of the host stands for (a context-menu copy's id finds its
    // original); null when the module's id list has none or there is no module
    // (framework/ribbon/RibbonCallbackBodies.cpp).
    IzidRibbonControlInternal *FindRibbonControl(const std::wstring &Id);
    // Outlook only: of the model objects that extend the built-in control IdMso differently per item
    // type, the one for the item open in the window Context; Control is left as it is when the window
    // does not decide.
    void IsControlForContext(const std::wstring &IdMso, IDispatch *Context, IzidRibbonControlInternal *&Control);

    // The application's dual interface (ITSY ...) is answered under the id its type library gives.
    void *ExtraInterface(REFIID riid) noexcept override;
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

    // The object's IDispatch, as the host gets it (COMAddIn.Object, MapPoint).
    IDispatch *AddInDispatch() noexcept { return static_cast<IzidAddIn *>(this); }

    // The module this object created on connection; null before and after.
    TzidCOMAddInModule *Module() const noexcept { return module_.get(); }
    // Set only by the Outlook fast-shutdown path, never cleared: begin-shutdown and finalize are
    // then not fired.
    bool SuppressModuleEvents() const noexcept { return suppressModuleEvents_; }

    // The chained Outlook Quit handler of the fast-shutdown path.
    void DoOutlookQuit(classlib::TObject *Sender);

    // EnumThreadWindows callback: stops at the first window whose class is the host's main window
    // class (HostWindowClasses of HostKind) and keeps it in HostMainWindow.
    static BOOL CALLBACK FindHostMainWindow(HWND Window, LPARAM Unused);

    // Tracked Outlook windows, for the tests and the inspector wrappers.
    size_t ExplorerWrapperCount() const noexcept { return ExplorerWrappers.size(); }
    size_t InspectorWrapperCount() const noexcept { return InspectorWrappers.size(); }
    size_t PendingVisioTimers() const noexcept { return VisioTimers.size(); }
    // The Outlook explorers and inspectors the add-in follows, each with its kind of pane window (1 an
    // explorer, 2 an inspector), explorers first; the task panes go into these.
    std::vector<std::pair<classlib::ComPtr<IDispatch>, int>> FollowedOutlookWindows() const;

    // A bar of the module that is being freed leaves every tracked Outlook window's list
    // (framework/commandbars/WindowBars.cpp).
    void ForgetWindowBar(const TzidCustomCommandBar *Bar) noexcept;

protected:
    // Runs Body as a host's call that can reach the add-in's code: a handler run is open around it
    // (HandlerCall.h), so that the module a handler unloads is freed once the call has returned, and
    // the object outlives the call. What Body throws becomes the HRESULT.
    template <class Body> HRESULT EntryCall(Body &&body) noexcept {
        TzidHandlerCall call(*this);
        return Guard(std::forward<Body>(body));
    }
    // Whether Module is still this object's module: a handler may have unloaded the add-in, and what
    // the framework does after add-in code goes on only while it has not.
    bool Connected(const TzidCOMAddInModule &Module) const noexcept { return module_.get() == &Module; }

    // The bodies of the interface methods; they throw, the interface methods turn that into HRESULTs.
    void Connection(IDispatch *Application, int ConnectMode, IDispatch *AddInInst);
    void StartupComplete();
    void BeginShutdown();
    void Disconnection(int RemoveMode);

private:
    friend class TzidInspector; // its handlers report to the add-in object's module and panes

    // The steps of the start-up sequence that are more than a line.
    void OpenAddInKey();
    void ReadStartMode();
    void ReadColorScheme();
    void BuildCommandBars();
    void CreateStartupTaskPanes();
    // Kind: 0 a host window, 1 an Outlook explorer, 2 an Outlook inspector.
    void CreatePanesForWindow(IDispatch *Window, int Kind = 0);
    // The panes of the windows the host shows when it hands over its task-pane factory.
    void CreatePanesForOpenWindows();
    // The live panes of a window that closes (Outlook explorers and inspectors).
    void DeletePanesForWindow(IDispatch *Window);
    // Word: the definitions with live panes make them again for the windows Word has now.
    void RecreatePaneInstances();
    void WriteNormalStartMode();
    void ChainHostHandlers();
    void HookOutlook();
    void InstallShortcuts();
    void CreateColorWindow();

    // The steps of a user unload that take the add-in out of the host.
    void RemoveFromHost();
    // The module's bars leave every Outlook window that holds them.
    void RemoveOutlookWindowBars();
    // The final part of every disconnection: drops the hooks and wrappers and frees the module.
    void ReleaseConnection() noexcept;
    // Reports a failure that has no module left to report it.
    static void ReportAfterTeardown(const std::wstring &AddInName, const classlib::Exception &E) noexcept;

    // Handlers chained into the host wrappers' events.
    void WordWindowActivate(classlib::TObject *Sender, IDispatch *Doc, IDispatch *Wn);
    void WordDocumentOpen(classlib::TObject *Sender, IDispatch *Doc);
    void WordNewDocument(classlib::TObject *Sender, IDispatch *Doc);
    void WordDocumentChange(classlib::TObject *Sender);
    void ExcelWorkbookActivate(classlib::TObject *Sender, IDispatch *Wb);
    void ExcelSheetActivate(classlib::TObject *Sender, IDispatch *Sh);
    void InfoPathWindowActivate(classlib::TObject *Sender, IDispatch *Document, IDispatch *Window);
    void InfoPathNewXDocument(classlib::TObject *Sender, IDispatch *Document);
    void InfoPathXDocumentOpen(classlib::TObject *Sender, IDispatch *Document);
    void PowerPointWindowActivate(classlib::TObject *Sender, IDispatch *Pres, IDispatch *Wn);
    void VisioWindowActivated(classlib::TObject *Sender, IDispatch *Window);
    void OutlookOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages);
    void NameSpaceOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages, IDispatch *Folder);
    void NewExplorer(classlib::TObject *Sender, IDispatch *Explorer);
    void NewInspector(classlib::TObject *Sender, IDispatch *Inspector);
    // Follows the explorers open at start-up (each is activated at once); one whose collection entry
    // or events Outlook refused is followed later, by FollowMissedExplorers.
    void FollowOpenExplorers();
    // Follows, without activating them, the open explorers that an earlier refusal left unfollowed:
    // their own next activation then binds the bars in them. Runs as another window is followed or
    // activated.
    void FollowMissedExplorers();
    // The wrapper of Explorer, made and connected to its events when it is not tracked yet; a refused
    // connection raises and leaves the explorer to FollowMissedExplorers.
    office::TOutlookExplorer *TrackExplorer(IDispatch *Explorer);

    // The handlers of each tracked explorer (framework/commandbars/ExplorerTracking.cpp); Sender is
    // the explorer's wrapper.
    void ExplorerActivate(classlib::TObject *Sender);
    void ExplorerFolderSwitch(classlib::TObject *Sender);
    void ExplorerBeforeFolderSwitch(classlib::TObject *Sender, IDispatch *NewFolder, bool &Cancel);
    void ExplorerViewSwitch(classlib::TObject *Sender);
    void ExplorerBeforeViewSwitch(classlib::TObject *Sender, const classlib::OleVariant &NewView,
                                  bool &Cancel);
    void ExplorerDeactivate(classlib::TObject *Sender);
    void ExplorerSelectionChange(classlib::TObject *Sender);
    void ExplorerClose(classlib::TObject *Sender);
    // The wrapper of an explorer Outlook reports, or null when it is not tracked (compared by window
    // handle, else by COM identity).
    office::TOutlookExplorer *FindExplorerWrapper(IDispatch *Explorer) const;
    // Whether Wrapper is still tracked by a connected module (a handler may have closed its window,
    // or unloaded the add-in, inside a module event).
    bool Tracks(const office::TOutlookExplorer *Wrapper) const;
    bool Tracks(const office::TOutlookInspector *Wrapper) const;
    // Takes a closed window's wrapper out of its list and frees it once its event call has returned.
    void DropExplorerWrapper(office::TOutlookExplorer *Wrapper);
    void DropInspectorWrapper(office::TOutlookInspector *Wrapper);

    // The module's bars in the command bars of the window that became active (Word, InfoPath and
    // Visio; framework/commandbars/WindowBars.cpp): found and re-bound, or built. A window whose bars
    // cannot be read (null) keeps the module's CommandBars.
    void BarsForWindow(classlib::ComPtr<_CommandBars> WindowBars);
    // The Visio timer's tick: the bars of Visio's active window.
    void VisioTimerTick(classlib::TObject *Sender);

    // The event sink advised on the host's CommandBars (bar updates); dropped on disconnection.
    classlib::ComPtr<classlib::TEventSinkBase> CommandBarsSink;
    std::unique_ptr<TzidCOMAddInModule> module_;
    std::vector<std::unique_ptr<office::TOutlookExplorer>> ExplorerWrappers;
    std::vector<std::unique_ptr<office::TOutlookInspector>> InspectorWrappers;
    // The one-shot timers of Visio's window activations that have not fired yet.
    std::vector<std::unique_ptr<classlib::TComponent>> VisioTimers;
    office::TDispatchEvent PrevOptionsPagesAdd;
    office::TNotifyEvent PrevOutlookQuit;
    struct {
        office::TDispatchPairEvent WindowActivate;
        office::TDispatchEvent DocumentOpen;
        office::TDispatchEvent NewDocument;
        office::TNotifyEvent DocumentChange;
    } PrevWordHandlers;
    struct {
        office::TDispatchEvent WorkbookActivate;
        office::TDispatchEvent SheetActivate;
    } PrevExcelHandlers;
    struct {
        office::TDispatchPairEvent WindowActivate;
        office::TDispatchEvent NewXDocument;
        office::TDispatchEvent XDocumentOpen;
    } PrevInfoPathHandlers;
    office::TDispatchEvent PrevVisioHandler;
    office::TDispatchPairEvent PrevPowerPointHandler;
    bool suppressModuleEvents_ = false;
    TzidRibbonIdIndex RibbonIdIndex;
    // The ribbon callbacks the type library answered it does not know, by name (a bit per place in the
    // callback table) and by id (a bit per id from 10): a library does not change, so it is not asked
    // about them again on the host's every call.
    unsigned long long callbackNamesOutsideTypeLib_ = 0, callbackIdsOutsideTypeLib_ = 0;
    std::unique_ptr<office::TOutlookExplorers> Explorers;
    bool explorersMissed_ = false; // an open explorer may be unfollowed (FollowMissedExplorers)
    std::unique_ptr<office::TOutlookInspectors> Inspectors;
    std::unique_ptr<office::TOutlookNameSpace> NameSpace;
};

} // namespace framework
