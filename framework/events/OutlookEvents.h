// TzidOutlookAppEvents: the component a module's form holds to receive Outlook's events. Besides the
// Application it listens, through child sinks it makes itself (OutlookSinks.h), to the NameSpace, the
// Explorers and Inspectors collections, the Reminders and every explorer and inspector window; all of
// them fire this component's events, with this component as the sender.
//
// Explorer windows get a sink when connected and as Outlook reports them; inspectors too, except those
// showing a note (Class 44), which Outlook gives no inspector events worth having. A window's sink goes
// with its window's Close; when the last explorer closes, the inspectors' sinks go with it.
#pragma once
#include <string>
#include <vector>

#include "framework/events/CustomEvents.h"

// X(TypePrefix, DispID, Name, parameters...): see EventArgs.h.
#define ZID_OUTLOOK_APPLICATION_EVENTS(X, P)                                                                 \
    X(P, 0xF002, ItemSend, IDispatch *Item, bool &Cancel)                                                    \
    X(P, 0xF003, NewMail)                                                                                    \
    X(P, 0xF004, Reminder, IDispatch *Item)                                                                  \
    X(P, 0xF005, OptionsPagesAdd, IDispatch *Pages)                                                          \
    X(P, 0xF006, Startup)                                                                                    \
    X(P, 0xF007, Quit)                                                                                       \
    X(P, 0xFA6A, AdvancedSearchComplete, IDispatch *SearchObject)                                            \
    X(P, 0xFA6B, AdvancedSearchStopped, IDispatch *SearchObject)                                             \
    X(P, 0xFA90, MAPILogonComplete)                                                                          \
    X(P, 0xFAB5, NewMailEx, const std::wstring &EntryIDCollection)                                           \
    X(P, 0xFBA7, ItemLoad, IDispatch *Item)                                                                  \
    X(P, 0xFC01, BeforeFolderSharingDialog, IDispatch *FolderToShare, bool &Cancel)

#define ZID_OUTLOOK_NAMESPACE_EVENTS(X, P)                                                                   \
    X(P, 0xF005, NameSpaceOptionsPagesAdd, IDispatch *Pages, IDispatch *Folder)                              \
    X(P, 0xFC2D, NameSpaceAutoDiscoverComplete)

#define ZID_OUTLOOK_EXPLORERS_EVENTS(X, P) X(P, 0xF001, NewExplorer, IDispatch *Explorer)
#define ZID_OUTLOOK_INSPECTORS_EVENTS(X, P) X(P, 0xF001, NewInspector, IDispatch *Inspector)

#define ZID_OUTLOOK_REMINDERS_EVENTS(X, P)                                                                   \
    X(P, 0xFA93, BeforeReminderShow, bool &Cancel)                                                           \
    X(P, 0xFA94, ReminderAdd, IDispatch *ReminderObject)                                                     \
    X(P, 0xFA95, ReminderChange, IDispatch *ReminderObject)                                                  \
    X(P, 0xFA96, ReminderFire, IDispatch *ReminderObject)                                                    \
    X(P, 0xFA97, ReminderRemove)                                                                             \
    X(P, 0xFA98, Snooze, IDispatch *ReminderObject)

#define ZID_OUTLOOK_EXPLORER_EVENTS(X, P)                                                                    \
    X(P, 0xF001, ExplorerActivate)                                                                           \
    X(P, 0xF002, ExplorerFolderSwitch)                                                                       \
    X(P, 0xF003, ExplorerBeforeFolderSwitch, IDispatch *NewFolder, bool &Cancel)                             \
    X(P, 0xF004, ExplorerViewSwitch)                                                                         \
    X(P, 0xF005, ExplorerBeforeViewSwitch, const classlib::OleVariant &NewView, bool &Cancel)                \
    X(P, 0xF006, ExplorerDeactivate)                                                                         \
    X(P, 0xF007, ExplorerSelectionChange)                                                                    \
    X(P, 0xF008, ExplorerClose)                                                                              \
    X(P, 0xFA0E, ExplorerBeforeItemCopy, bool &Cancel)                                                       \
    X(P, 0xFA0F, ExplorerBeforeItemCut, bool &Cancel)                                                        \
    X(P, 0xFA10, ExplorerBeforeItemPaste, classlib::OleVariant &ClipboardContent, IDispatch *Target,         \
      bool &Cancel)                                                                                          \
    X(P, 0xFA11, ExplorerBeforeMaximize, bool &Cancel)                                                       \
    X(P, 0xFA12, ExplorerBeforeMinimize, bool &Cancel)                                                       \
    X(P, 0xFA13, ExplorerBeforeMove, bool &Cancel)                                                           \
    X(P, 0xFA14, ExplorerBeforeSize, bool &Cancel)                                                           \
    X(P, 0xFC79, ExplorerAttachmentSelectionChange)

#define ZID_OUTLOOK_INSPECTOR_EVENTS(X, P)                                                                   \
    X(P, 0xF001, InspectorActivate)                                                                          \
    X(P, 0xF006, InspectorDeactivate)                                                                        \
    X(P, 0xF008, InspectorClose)                                                                             \
    X(P, 0xFA11, InspectorBeforeMaximize, bool &Cancel)                                                      \
    X(P, 0xFA12, InspectorBeforeMinimize, bool &Cancel)                                                      \
    X(P, 0xFA13, InspectorBeforeMove, bool &Cancel)                                                          \
    X(P, 0xFA14, InspectorBeforeSize, bool &Cancel)                                                          \
    X(P, 0xFBF4, InspectorPageChange, std::wstring &ActivePageName)                                          \
    X(P, 0xFC79, InspectorAttachmentSelectionChange)

// Fired through the Do... methods below (by the Outlook 2007 application sink), never by dispatch id.
#define ZID_OUTLOOK_CONTEXT_MENU_EVENTS(X, P)                                                                \
    X(P, 0xFB3E, AttachmentContextMenuDisplay, CommandBar *Menu, IDispatch *Attachments)                     \
    X(P, 0xFB40, ViewContextMenuDisplay, CommandBar *Menu, IDispatch *View)                                  \
    X(P, 0xFB41, ItemContextMenuDisplay, CommandBar *Menu, IDispatch *Selection)                             \
    X(P, 0xFB42, FolderContextMenuDisplay, CommandBar *Menu, IDispatch *Folder)                              \
    X(P, 0xFB43, StoreContextMenuDisplay, CommandBar *Menu, IDispatch *Store)                                \
    X(P, 0xFB44, ShortcutContextMenuDisplay, CommandBar *Menu, IDispatch *Shortcut)                          \
    X(P, 0xFBA6, ContextMenuClose, int ContextMenu)

namespace framework {

ZID_OUTLOOK_APPLICATION_EVENTS(ZID_EVENT_TYPE, TzidOutlookApplication)
ZID_OUTLOOK_NAMESPACE_EVENTS(ZID_EVENT_TYPE, TzidOutlook)
ZID_OUTLOOK_EXPLORERS_EVENTS(ZID_EVENT_TYPE, TzidOutlookInspectors)
ZID_OUTLOOK_INSPECTORS_EVENTS(ZID_EVENT_TYPE, TzidOutlookInspectors)
ZID_OUTLOOK_REMINDERS_EVENTS(ZID_EVENT_TYPE, TzidOutlookReminders)
ZID_OUTLOOK_EXPLORER_EVENTS(ZID_EVENT_TYPE, TzidOutlook)
ZID_OUTLOOK_INSPECTOR_EVENTS(ZID_EVENT_TYPE, TzidOutlook)
ZID_OUTLOOK_CONTEXT_MENU_EVENTS(ZID_EVENT_TYPE, TzidOutlookApplication)

class TzidOutlookNameSpaceEvents;
class TzidOutlookExplorersEvents;
class TzidOutlookInspectorsEvents;
class TzidOutlookRemindersEvents;
class TzidOutlookExplorerEvents;
class TzidOutlookInspectorEvents;

// Whether Outlook's Quit has been fired in this process; it is fired at most once (the fast shutdown
// fires it itself before Outlook's own event arrives).
bool OutlookQuitFired() noexcept;

class TzidOutlookAppEvents : public TzidCustomEvents {
    CLASSLIB_CLASS(TzidOutlookAppEvents)
public:
    explicit TzidOutlookAppEvents(classlib::TComponent *AOwner);
    ~TzidOutlookAppEvents() override;
    // The owner check, then the four child sinks.
    void AfterConstruction() override;

    // The Application (as _Application), then its NameSpace, Explorers, Inspectors, Reminders (not for
    // version "9"; a missing Reminders is tolerated) and every open explorer and inspector window.
    void ConnectTo(IUnknown *Source) override;
    // Version decides the event interfaces of the Application and of the windows.
    void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;
    // Disconnects the child sinks and frees the windows' sinks, then its own connection.
    void Disconnect() override;
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

    // The context-menu events, each fired (when assigned) under a guard that reports to DoError.
    void DoAttachmentContextMenuDisplay(CommandBar *Menu, IDispatch *Attachments);
    void DoViewContextMenuDisplay(CommandBar *Menu, IDispatch *View);
    void DoItemContextMenuDisplay(CommandBar *Menu, IDispatch *Selection);
    void DoFolderContextMenuDisplay(CommandBar *Menu, IDispatch *Folder);
    void DoStoreContextMenuDisplay(CommandBar *Menu, IDispatch *Store);
    void DoShortcutContextMenuDisplay(CommandBar *Menu, IDispatch *Shortcut);
    void DoContextMenuClose(int ContextMenu);

    // The host's major version the component was connected with; "9" until then.
    const std::wstring &Version() const noexcept { return version_; }
    TzidOutlookNameSpaceEvents *NameSpaceSink() const noexcept { return nameSpaceSink_; }
    TzidOutlookExplorersEvents *ExplorersSink() const noexcept { return explorersSink_; }
    TzidOutlookInspectorsEvents *InspectorsSink() const noexcept { return inspectorsSink_; }
    TzidOutlookRemindersEvents *RemindersSink() const noexcept { return remindersSink_; }
    const std::vector<TzidOutlookExplorerEvents *> &ExplorerSinks() const noexcept { return explorerSinks_; }
    const std::vector<TzidOutlookInspectorEvents *> &InspectorSinks() const noexcept {
        return inspectorSinks_;
    }

    // The window sinks' bookkeeping, for the child sinks: a sink for a new window (an inspector only
    // when it does not show a note), and the end of a window's sink.
    void AddExplorer(IDispatch *Explorer);
    void AddInspector(IDispatch *Inspector);
    void ExplorerClosed(TzidOutlookExplorerEvents *Sink);
    void InspectorClosed(TzidOutlookInspectorEvents *Sink);

    // ---- published events ----
    ZID_OUTLOOK_APPLICATION_EVENTS(ZID_EVENT_FIELD, _)
    ZID_OUTLOOK_NAMESPACE_EVENTS(ZID_EVENT_FIELD, _)
    ZID_OUTLOOK_EXPLORERS_EVENTS(ZID_EVENT_FIELD, _)
    ZID_OUTLOOK_INSPECTORS_EVENTS(ZID_EVENT_FIELD, _)
    ZID_OUTLOOK_REMINDERS_EVENTS(ZID_EVENT_FIELD, _)
    ZID_OUTLOOK_EXPLORER_EVENTS(ZID_EVENT_FIELD, _)
    ZID_OUTLOOK_INSPECTOR_EVENTS(ZID_EVENT_FIELD, _)
    ZID_OUTLOOK_CONTEXT_MENU_EVENTS(ZID_EVENT_FIELD, _)

protected:
    void InitServerData() override;
    // A window sink freed by anyone leaves its list.
    void Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) override;

private:
    template <class Body> void FireGuarded(Body &&body);
    void FreeWindowSinks();

    std::wstring version_ = L"9";
    TzidOutlookNameSpaceEvents *nameSpaceSink_ = nullptr;
    TzidOutlookExplorersEvents *explorersSink_ = nullptr;
    TzidOutlookInspectorsEvents *inspectorsSink_ = nullptr;
    TzidOutlookRemindersEvents *remindersSink_ = nullptr;
    std::vector<TzidOutlookExplorerEvents *> explorerSinks_;
    std::vector<TzidOutlookInspectorEvents *> inspectorSinks_;
};

} // namespace framework
