// Wrappers of Outlook's Inspectors collection and of one inspector (an item window).
#pragma once
#include "office/HostWrapper.h"

namespace office {

class TOutlookInspectors : public THostWrapper {
    CLASSLIB_CLASS(TOutlookInspectors)
public:
    explicit TOutlookInspectors(classlib::TComponent *owner);

    int Count() const;
    classlib::ComPtr<IDispatch> Item(int index) const; // 1-based, as Outlook counts

    TDispatchEvent OnNewInspector; // Inspector: the new window, not yet shown

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

// One inspector. Events come from InspectorEvents_10 or the Outlook 2000 interface. The framework
// derives its own inspector class from this one.
class TOutlookInspector : public THostWrapper {
    CLASSLIB_CLASS(TOutlookInspector)
public:
    explicit TOutlookInspector(classlib::TComponent *owner);

    // The window's command bars, to be queried for _CommandBars by the caller.
    classlib::ComPtr<IDispatch> CommandBars() const;
    classlib::ComPtr<IDispatch> CurrentItem() const;
    // The current item's Class (43 a mail, 44 a note ...), or -1 when the window shows no item.
    int CurrentItemClass() const;
    // The current item's MessageClass ("IPM.Note" ...); empty when the window shows no item.
    std::wstring CurrentItemMessageClass() const;
    std::wstring Caption() const;

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnClose;

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

} // namespace office
