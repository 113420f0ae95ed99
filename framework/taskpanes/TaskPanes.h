// Custom task panes: the module's pane definitions (published "TaskPanes") and the live panes the
// host makes of them, one per host window a definition fits. A definition names the ActiveX control
// the pane shows; the host's task-pane factory (ICTPFactory) makes the live pane, whose events reach
// the definition's handlers through a sink of its own.
#pragma once
#include <windows.h>

#include <new>

#include "classlib/Collection.h"
#include "classlib/ComPtr.h"
#include "classlib/EventSink.h"
#include "framework/core/AddInModule.h"
#include "office/office.h"

namespace framework {

// The host's dock positions and restrictions, by the host's own numbers.
enum TzidCTPDockPosition {
    zidCTPDockPositionLeft,
    zidCTPDockPositionTop,
    zidCTPDockPositionRight,
    zidCTPDockPositionBottom,
    zidCTPDockPositionFloating
};
CLASSLIB_ENUM(TzidCTPDockPosition, L"zidCTPDockPositionLeft", L"zidCTPDockPositionTop",
              L"zidCTPDockPositionRight", L"zidCTPDockPositionBottom", L"zidCTPDockPositionFloating")
enum TzidCTPDockPositionRestrict {
    zidCTPDockPositionRestrictNone,
    zidCTPDockPositionRestrictNoChange,
    zidCTPDockPositionRestrictNoHorizontal,
    zidCTPDockPositionRestrictNoVertical
};
CLASSLIB_ENUM(TzidCTPDockPositionRestrict, L"zidCTPDockPositionRestrictNone",
              L"zidCTPDockPositionRestrictNoChange", L"zidCTPDockPositionRestrictNoHorizontal",
              L"zidCTPDockPositionRestrictNoVertical")
// The Outlook window kinds a definition is shown in.
enum TzidCTPOutlookWindow { olExplorers, olInspectors };
CLASSLIB_ENUM(TzidCTPOutlookWindow, L"olExplorers", L"olInspectors")
using TzidCTPOutlookWindows = classlib::TSet<TzidCTPOutlookWindow>;

// The kinds of window CreatePanesForWindow is given.
constexpr int zidPaneWindowHost = 0, zidPaneWindowExplorer = 1, zidPaneWindowInspector = 2;

using TzidTaskPaneDockPositionStateChange = TzidTaskPaneInstanceEvent;
using TzidTaskPaneVisibleStateChange = TzidTaskPaneInstanceEvent;

class TzidCustomTaskPaneInstance;

// One live pane's events (VisibleStateChange, DockPositionStateChange), passed to its instance.
// Holds the pane while the instance lives; Detach breaks both links.
class TzidInternalCustomTaskPane : public classlib::TEventSinkBase {
public:
    TzidInternalCustomTaskPane(TzidCustomTaskPaneInstance &Instance, classlib::ComPtr<_CustomTaskPane> Pane);

    const classlib::ComPtr<_CustomTaskPane> &Pane() const noexcept { return pane_; }
    // Withdraws the advice and forgets the instance and the pane; later events find no one.
    void Detach() noexcept override;

protected:
    HRESULT DoInvoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                     VARIANT *result) override;

private:
    TzidCustomTaskPaneInstance *instance_;
    classlib::ComPtr<_CustomTaskPane> pane_;
};

class TzidCustomTaskPane;
class TzidCustomTaskPanes;

// A live pane of a definition in one host window.
class TzidCustomTaskPaneInstance : public classlib::TCollectionItem {
    CLASSLIB_CLASS(TzidCustomTaskPaneInstance)
public:
    explicit TzidCustomTaskPaneInstance(classlib::TCollection *Collection);
    // Fires OnTaskPaneBeforeDestroy, deletes the live pane in the host and drops its sink.
    ~TzidCustomTaskPaneInstance() override;

    TzidCustomTaskPane *Definition() const;
    TzidCOMAddInModule *Module() const;
    // The host window kept at creation (Word; PowerPoint 2010 and later); null otherwise.
    const classlib::ComPtr<IDispatch> &Window() const { return window_; }
    // The live pane's visibility as the host last reported it.
    bool VisibleState() const { return visibleState_; }
    // Set while the framework itself changes the pane's visibility.
    bool Changing() const { return changing_; }
    // Set while its destruction is announced: the definition going then only takes it off the list.
    bool Destroying() const { return destroying_; }
    void SetChanging(bool Value) { changing_ = Value; }
    TzidInternalCustomTaskPane *Pane() const { return pane_.Get(); }
    // The host's pane; null once it is gone.
    _CustomTaskPane *LivePane() const { return pane_ ? pane_->Pane().Get() : nullptr; }

    // Connects the sink of a pane the host made; KeepWindow: the window to keep (may be null). A
    // failing advice raises; the pane is then still the instance's, and goes with it.
    void Attach(classlib::ComPtr<_CustomTaskPane> LivePane, IDispatch *KeepWindow);
    // From now on the instance's destruction is announced (OnTaskPaneBeforeDestroy).
    void MarkAnnounced() { announced_ = true; }
    // Shows or hides the live pane with Changing set, so that VisibleState keeps the user's choice.
    void ShowUnderChange(bool Show);
    // Whether the host still answers for the pane: its dock restriction reads and writes back.
    bool Alive() const;
    // The window the pane is in, as FindInstance compares it: the kept one where the host's own
    // answer is not to be trusted, else the pane's; null when the pane cannot say.
    classlib::ComPtr<IDispatch> PaneWindow(bool Kept) const;

    TzidCTPDockPosition DockPosition() const { return dockPosition_; }
    void SetDockPosition(TzidCTPDockPosition Value);
    TzidCTPDockPositionRestrict DockPositionRestrict() const { return dockPositionRestrict_; }
    void SetDockPositionRestrict(TzidCTPDockPositionRestrict Value);
    int Height() const { return height_; }
    void SetHeight(int Value);
    int Width() const { return width_; }
    void SetWidth(int Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    const std::wstring &Title() const { return title_; }

    // From the sink: the host changed the pane.
    void VisibleStateChanged();
    void DockPositionStateChanged();

private:
    // Writes one property to the live pane, when it is alive; a failure goes to the module's
    // error reporter.
    template <class Write> void Apply(Write &&write);

    classlib::ComPtr<IDispatch> window_;
    bool visibleState_ = true;
    bool changing_ = false;
    bool announced_ = false;
    bool destroying_ = false;
    classlib::ComPtr<TzidInternalCustomTaskPane> pane_;
    TzidCTPDockPosition dockPosition_;
    TzidCTPDockPositionRestrict dockPositionRestrict_;
    int height_;
    std::wstring title_;
    bool visible_;
    int width_;
};

class TzidCustomTaskPaneInstances : public classlib::TOwnedCollection {
    CLASSLIB_CLASS(TzidCustomTaskPaneInstances)
public:
    explicit TzidCustomTaskPaneInstances(TzidCustomTaskPane *Owner);
    ~TzidCustomTaskPaneInstances() override;
    TzidCustomTaskPaneInstance *Items(int Index) const;
};

// A pane definition of the module.
class TzidCustomTaskPane : public classlib::TCollectionItem {
    CLASSLIB_CLASS(TzidCustomTaskPane)
public:
    explicit TzidCustomTaskPane(classlib::TCollection *Collection);
    ~TzidCustomTaskPane() override;
    // A definition deleted again while it is being destroyed (a BeforeDestroy handler of one of its
    // panes deleting its Sender) is left to the destruction under way.
    static void operator delete(TzidCustomTaskPane *Pane, std::destroying_delete_t) noexcept;

    TzidCOMAddInModule *Module() const;
    // The definitions it belongs to; while it is being destroyed, those it has left.
    TzidCustomTaskPanes *Panes() const;
    TzidCustomTaskPaneInstances &Instances() { return instances_; }
    std::wstring GetDisplayName() const override { return title_; }

    // ---- published ----
    const std::wstring &ControlProgID() const { return controlProgID_; }
    void SetControlProgID(const std::wstring &Value) { controlProgID_ = Value; }
    TzidCTPDockPosition DockPosition() const { return dockPosition_; }
    void SetDockPosition(TzidCTPDockPosition Value);
    TzidCTPDockPositionRestrict DockPositionRestrict() const { return dockPositionRestrict_; }
    void SetDockPositionRestrict(TzidCTPDockPositionRestrict Value);
    int Height() const { return height_; }
    void SetHeight(int Value);
    TzidCTPOutlookWindows OutlookWindows() const { return outlookWindows_; }
    void SetOutlookWindows(TzidCTPOutlookWindows Value) { outlookWindows_ = Value; }
    TzidHostAppSet SupportedApps() const { return supportedApps_; }
    void SetSupportedApps(TzidHostAppSet Value) { supportedApps_ = Value; }
    const std::wstring &Title() const { return title_; }
    void SetTitle(const std::wstring &Value) { title_ = Value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    int Width() const { return width_; }
    void SetWidth(int Value);
    TzidTaskPaneDockPositionStateChange OnDockPositionStateChange;
    TzidTaskPaneVisibleStateChange OnVisibleStateChange;

    // The live pane of Window, as the host decides which window a pane belongs to; null for none.
    TzidCustomTaskPaneInstance *FindInstance(IDispatch *Window) const;
    // Makes the live pane of Window, fires the create and show events; a failure goes to the
    // module's error reporter and leaves no pane behind.
    void CreateInstance(IDispatch *Window);
    // Deletes the live pane of Window, if any.
    void DeleteInstance(IDispatch *Window);
    // Word: drops the panes of closed windows and follows Word's one-window mode.
    void RecreateInstances();
    // InfoPath: drops the panes whose window is gone.
    void DropInstancesOfClosedWindows();

private:
    // Makes the live pane and writes its dock and size; a failing write deletes the pane again.
    classlib::ComPtr<_CustomTaskPane> MakeLivePane(IDispatch *Window);

    TzidCustomTaskPaneInstances instances_;
    std::wstring controlProgID_;
    TzidCTPDockPosition dockPosition_ = zidCTPDockPositionRight;
    TzidCTPDockPositionRestrict dockPositionRestrict_ = zidCTPDockPositionRestrictNone;
    int height_ = -1;
    TzidCTPOutlookWindows outlookWindows_{olExplorers, olInspectors};
    TzidHostAppSet supportedApps_;
    std::wstring title_;
    bool visible_ = true;
    int width_ = -1;
    TzidCustomTaskPanes *leftPanes_ = nullptr;
    bool destroying_ = false;
};

// The module's pane definitions.
class TzidCustomTaskPanes : public classlib::TOwnedCollection {
    CLASSLIB_CLASS(TzidCustomTaskPanes)
public:
    explicit TzidCustomTaskPanes(TzidCOMAddInModule &Module);
    // The definitions go while the collection is whole; their panes leave the host unannounced.
    ~TzidCustomTaskPanes() override;
    TzidCOMAddInModule &Module() const { return *module_; }
    bool Destroying() const { return destroying_; }
    TzidCustomTaskPane *Add() { return static_cast<TzidCustomTaskPane *>(TOwnedCollection::Add()); }
    TzidCustomTaskPane *Items(int Index) const;

    // Kind: 0 a host window, 1 an Outlook explorer, 2 an Outlook inspector. Nothing without the host's
    // task-pane factory.
    void CreatePanesForWindow(IDispatch *Window, int Kind);
    void DeleteInstancesForWindow(IDispatch *Window);
    // Word: every definition with live panes makes them again for the windows Word has now.
    void RecreateInstances();

private:
    TzidCOMAddInModule *module_;
    bool destroying_ = false;
};

// The task-pane definitions of Module; null when the module has none (no maker was installed).
TzidCustomTaskPanes *TaskPanesOf(const TzidCOMAddInModule &Module);
// Whether A and B are the same COM object.
bool SameComObject(IUnknown *A, IUnknown *B);

} // namespace framework
