// Wrappers of Outlook's Inspectors collection and of one inspector (an item window).
#pragma once
#include "office/OutlookWindows.h"

namespace office {

class TOutlookInspectors : public TOutlookWindows {
    CLASSLIB_CLASS(TOutlookInspectors)
public:
    explicit TOutlookInspectors(classlib::TComponent *owner);

    TDispatchEvent &OnNewInspector = OnNewWindow; // Inspector: the new window, not yet shown
};

// One inspector. Events come from InspectorEvents_10 or the Outlook 2000 interface. The framework
// derives its own inspector class from this one.
class TOutlookInspector : public TOutlookWindow {
    CLASSLIB_CLASS(TOutlookInspector)
public:
    explicit TOutlookInspector(classlib::TComponent *owner);

    classlib::ComPtr<IDispatch> CurrentItem() const;
    // The current item's Class (43 a mail, 44 a note ...), or -1 when the window shows no item.
    int CurrentItemClass() const;
    // The current item's MessageClass ("IPM.Note" ...); empty when the window shows no item.
    std::wstring CurrentItemMessageClass() const;
};

} // namespace office
