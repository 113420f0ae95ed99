// TzidHostWindowsEngine: how the add-in follows the host's windows. It tracks Outlook's explorers and
// inspectors with a wrapper each, whose events put the module's bars into the window, become the
// module's OnOL... events and take the window's bars and panes along when it closes; and it hooks the
// window events of Word, InfoPath and Visio, whose window that becomes active gets the module's bars
// and task panes. The add-in object owns it from creation and hands it the connection's start-up and
// teardown (IzidHostWindowsEngine).
#pragma once
#include <memory>
#include <vector>

#include "classlib/ComPtr.h"
#include "classlib/EventSink.h"
#include "framework/core/AddInObject.h"
#include "framework/core/HostWindowsEngine.h"
#include "office/OtherHostWrappers.h"
#include "office/OutlookExplorers.h"
#include "office/OutlookInspectors.h"

namespace framework {

class TzidInspector;

// The add-in objects made from now on follow the host's windows.
void InstallHostWindows();

// Also a TObject, so that host events can be bound to its handlers.
class TzidHostWindowsEngine final : public IzidHostWindowsEngine, public classlib::TObject {
    CLASSLIB_CLASS(TzidHostWindowsEngine)
public:
    explicit TzidHostWindowsEngine(TdivAzore &Owner) noexcept : owner_(Owner) {}

    void ChainWindowHandlers() override;
    void FollowOutlookWindows(office::TOutlookApplication &App) override;
    std::vector<TzidFollowedWindow> FollowedOutlookWindows() const override;
    void RemoveOutlookWindowBars() override;
    void ForgetWindowBar(const TzidCustomCommandBar *Bar) noexcept override;
    void DetachCommandBarsSink() noexcept override;
    void Release() noexcept override;

    size_t ExplorerWrapperCount() const noexcept override { return ExplorerWrappers.size(); }
    size_t InspectorWrapperCount() const noexcept override { return InspectorWrappers.size(); }
    size_t PendingVisioTimers() const noexcept override { return VisioTimers.size(); }

    // The add-in object the engine follows windows for: its handler calls hold it.
    TdivAzore &Owner() const noexcept { return owner_; }

private:
    friend class TzidInspector; // its handlers report to the engine's module and panes

    // The add-in object's module; null before the connection, after it, and once a handler unloaded
    // the add-in.
    TzidCOMAddInModule *Module() const noexcept { return owner_.Module(); }

    // Handlers chained into the host wrappers' window events (framework/windows/WindowHandlers.cpp).
    void WordWindowActivate(classlib::TObject *Sender, IDispatch *Doc, IDispatch *Wn);
    void WordDocumentOpen(classlib::TObject *Sender, IDispatch *Doc);
    void WordNewDocument(classlib::TObject *Sender, IDispatch *Doc);
    void WordDocumentArrived(const office::TDispatchEvent &Previous, classlib::TObject *Sender,
                             IDispatch *Doc);
    void WordDocumentChange(classlib::TObject *Sender);
    void InfoPathWindowActivate(classlib::TObject *Sender, IDispatch *Document, IDispatch *Window);
    void VisioWindowActivated(classlib::TObject *Sender, IDispatch *Window);

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

    // The handlers of each tracked explorer (framework/windows/ExplorerTracking.cpp); Sender is the
    // explorer's wrapper.
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
    // Visio): found and re-bound, or built. A window whose bars cannot be read (null) keeps the
    // module's CommandBars.
    void BarsForWindow(classlib::ComPtr<_CommandBars> WindowBars);
    // The Visio timer's tick: the bars of Visio's active window.
    void VisioTimerTick(classlib::TObject *Sender);

    TdivAzore &owner_;
    // The event sink advised on the host's CommandBars (bar updates); dropped on disconnection.
    classlib::ComPtr<classlib::TEventSinkBase> CommandBarsSink;
    std::vector<std::unique_ptr<office::TOutlookExplorer>> ExplorerWrappers;
    std::vector<std::unique_ptr<office::TOutlookInspector>> InspectorWrappers;
    // The one-shot timers of Visio's window activations that have not fired yet.
    std::vector<std::unique_ptr<classlib::TComponent>> VisioTimers;
    struct {
        office::TDispatchPairEvent WindowActivate;
        office::TDispatchEvent DocumentOpen;
        office::TDispatchEvent NewDocument;
        office::TNotifyEvent DocumentChange;
    } PrevWordHandlers;
    office::TDispatchPairEvent PrevInfoPathWindowActivate;
    office::TDispatchEvent PrevVisioHandler;
    std::unique_ptr<office::TOutlookExplorers> Explorers;
    bool explorersMissed_ = false; // an open explorer may be unfollowed (FollowMissedExplorers)
    std::unique_ptr<office::TOutlookInspectors> Inspectors;
};

} // namespace framework
