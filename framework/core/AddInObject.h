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
#include "framework/core/AddInInterfaces.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/HostWindowsEngine.h"
#include "framework/core/RibbonEngine.h"
#include "office/HostWrapper.h"
#include "office/OutlookApplication.h"
#include "office/office.h"

namespace framework {

class IzidRibbonControlInternal;

// Also a TObject, so that host events can be bound to its handlers.
class TdivAzore : public classlib::TAutoObjectImpl<IzidAddIn, IDTExtensibility2, IzidAddInPrivate,
                                                   IRibbonExtensibility, ICustomTaskPaneConsumer>,
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

    // IRibbonExtensibility: the customUI document of a ribbon id, written by the ribbon engine.
    HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR *RibbonXml) override;

    // IzidAddInPrivate
    HRESULT STDMETHODCALLTYPE ModuleCall(LONG Code, VARIANT *Data) override;

    // IDispatch: the type library's members, then (through the ribbon engine) the ribbon callbacks by
    // their fixed names and ids.
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *Names, UINT Count, LCID Locale,
                                            DISPID *DispIds) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID DispId, REFIID riid, LCID Locale, WORD Flags, DISPPARAMS *Params,
                                     VARIANT *Result, EXCEPINFO *ExcepInfo, UINT *ArgErr) override;

    // ICustomTaskPaneConsumer: the host's task-pane factory (framework/core/TaskPanesForwards.cpp).
    HRESULT STDMETHODCALLTYPE CTPFactoryAvailable(ICTPFactory *CTPFactoryInst) override;

    // The model object a ribbon control id of the host stands for (a context-menu copy's id finds its
    // original); null when the module's id list has none, there is no module or no ribbon engine.
    IzidRibbonControlInternal *FindRibbonControl(const std::wstring &Id);
    // Outlook only: of the model objects that extend the built-in control IdMso differently per item
    // type, the one for the item open in the window Context; Control is left as it is when the window
    // does not decide.
    void IsControlForContext(const std::wstring &IdMso, IDispatch *Context,
                             IzidRibbonControlInternal *&Control);

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
    size_t ExplorerWrapperCount() const noexcept { return windows_ ? windows_->ExplorerWrapperCount() : 0; }
    size_t InspectorWrapperCount() const noexcept { return windows_ ? windows_->InspectorWrapperCount() : 0; }
    size_t PendingVisioTimers() const noexcept { return windows_ ? windows_->PendingVisioTimers() : 0; }

    // A bar of the module that is being freed leaves every tracked Outlook window's list.
    void ForgetWindowBar(const TzidCustomCommandBar *Bar) noexcept;
    // The Outlook windows the add-in follows: explorers, then inspectors; none without a window engine.
    std::vector<TzidFollowedWindow> FollowedOutlookWindows() const;

    // The task panes of a window the host shows. Kind: 0 a host window, 1 an Outlook explorer, 2 an
    // Outlook inspector.
    void CreatePanesForWindow(IDispatch *Window, int Kind = 0);
    // The live panes of a window that closes (Outlook explorers and inspectors).
    void DeletePanesForWindow(IDispatch *Window);
    // Word: the definitions with live panes make them again for the windows Word has now.
    void RecreatePaneInstances();

    // Runs Body as the host's call Entry that can reach the add-in's code: a handler run is open around
    // it (HandlerCall.h), so that the module a handler unloads is freed once the call has returned, and
    // the object outlives the call. What Body throws becomes the HRESULT (Guard).
    template <class Body> HRESULT EntryCall(const classlib::TComEntry &Entry, Body &&body) noexcept {
        TzidHandlerCall call(*this);
        return Guard(Entry, std::forward<Body>(body));
    }

protected:
    // Whether Module is still this object's module: a handler may have unloaded the add-in, and what
    // the framework does after add-in code goes on only while it has not.
    bool Connected(const TzidCOMAddInModule &Module) const noexcept { return module_.get() == &Module; }

    // The bodies of the interface methods; they throw, the interface methods turn that into HRESULTs.
    void Connection(IDispatch *Application, int ConnectMode, IDispatch *AddInInst);
    void StartupComplete();
    void BeginShutdown();
    void Disconnection(int RemoveMode);

private:
    // The steps of the start-up sequence that are more than a line.
    void OpenAddInKey();
    void ReadStartMode();
    void ReadColorScheme();
    void BuildCommandBars();
    void CreateStartupTaskPanes();
    // The panes of the windows the host shows when it hands over its task-pane factory.
    void CreatePanesForOpenWindows();
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

    // Handlers chained into the host wrappers' events; those that put the module's bars or panes into
    // a window are the window engine's.
    void ExcelWorkbookActivate(classlib::TObject *Sender, IDispatch *Wb);
    void ExcelSheetActivate(classlib::TObject *Sender, IDispatch *Sh);
    void InfoPathNewXDocument(classlib::TObject *Sender, IDispatch *Document);
    void InfoPathXDocumentOpen(classlib::TObject *Sender, IDispatch *Document);
    void PowerPointWindowActivate(classlib::TObject *Sender, IDispatch *Pres, IDispatch *Wn);
    void OutlookOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages);
    void NameSpaceOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages, IDispatch *Folder);

    std::unique_ptr<TzidCOMAddInModule> module_;
    // Follows the host's windows with the module's bars and panes; null when no engine is installed.
    std::unique_ptr<IzidHostWindowsEngine> windows_ = TzidHostWindowsEngineMaker::Make(*this);
    office::TDispatchEvent PrevOptionsPagesAdd;
    office::TNotifyEvent PrevOutlookQuit;
    struct {
        office::TDispatchEvent WorkbookActivate;
        office::TDispatchEvent SheetActivate;
    } PrevExcelHandlers;
    struct {
        office::TDispatchEvent NewXDocument;
        office::TDispatchEvent XDocumentOpen;
    } PrevInfoPathHandlers;
    office::TDispatchPairEvent PrevPowerPointHandler;
    bool suppressModuleEvents_ = false;
    // The ribbon's documents and callbacks; null while no maker is installed.
    std::unique_ptr<IzidRibbonEngine> ribbon_ = TzidRibbonEngineMaker::Make(*this);
    std::unique_ptr<office::TOutlookNameSpace> NameSpace;
};

} // namespace framework
