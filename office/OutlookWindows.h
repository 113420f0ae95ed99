// What Outlook's two kinds of window share: their collections (Explorers, Inspectors: a count, an item
// and the one event, a new window) and the window itself (its command bars and caption, and the
// activation and close events every window raises). OutlookExplorers.h and OutlookInspectors.h add
// what is each kind's own.
#pragma once
#include "office/HostWrapper.h"

namespace office {

// A collection of Outlook windows.
class TOutlookWindows : public THostWrapper {
public:
    int Count() const;
    classlib::ComPtr<IDispatch> Item(int index) const; // 1-based, as Outlook counts

protected:
    // EventsIID: the collection's event interface, which raises NewWindow.
    TOutlookWindows(classlib::TComponent *owner, REFIID EventsIID);
    void HostEvent(DISPID id, THostEventArgs &args) override;

    TDispatchEvent OnNewWindow; // the new window, not yet shown; published under each kind's name
};

// One Outlook window. Events come from its Outlook 2002 interface or the Outlook 2000 one; the events
// decoded are the Outlook 2000 set, which the later interface keeps.
class TOutlookWindow : public THostWrapper {
public:
    // The window's command bars, to be queried for _CommandBars by the caller.
    classlib::ComPtr<IDispatch> CommandBars() const;
    std::wstring Caption() const;

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnClose;

protected:
    // Current: the window's Outlook 2002 event interface; Older: its Outlook 2000 one; Events: the
    // kind's events beyond Activate, Deactivate and Close.
    TOutlookWindow(classlib::TComponent *owner, REFIID Current, REFIID Older, std::vector<DISPID> Events);
    // Activate, Deactivate and Close.
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

} // namespace office
