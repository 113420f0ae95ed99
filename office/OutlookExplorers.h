// Wrappers of Outlook's Explorers collection and of one explorer (a main window).
#pragma once
#include "office/OutlookWindows.h"

namespace office {

class TOutlookExplorers : public TOutlookWindows {
    CLASSLIB_CLASS(TOutlookExplorers)
public:
    explicit TOutlookExplorers(classlib::TComponent *owner);

    TDispatchEvent &OnNewExplorer = OnNewWindow; // Explorer: the new window, not yet shown
};

using TBeforeViewSwitchEvent =
    classlib::TEvent<void(classlib::TObject *Sender, const classlib::OleVariant &NewView, bool &Cancel)>;

// One explorer. Events come from ExplorerEvents_10 or the Outlook 2000 interface.
class TOutlookExplorer : public TOutlookWindow {
    CLASSLIB_CLASS(TOutlookExplorer)
public:
    explicit TOutlookExplorer(classlib::TComponent *owner);

    classlib::ComPtr<IDispatch> CurrentFolder() const;
    // The current folder's FolderPath; empty when no folder is shown.
    std::wstring CurrentFolderPath() const;
    void Close() const;
    void Activate() const;

    TNotifyEvent OnFolderSwitch;
    TDispatchCancelEvent OnBeforeFolderSwitch; // NewFolder; Cancel keeps the current folder
    TNotifyEvent OnViewSwitch;
    TBeforeViewSwitchEvent OnBeforeViewSwitch; // NewView as Outlook passes it; Cancel keeps the view
    TNotifyEvent OnSelectionChange;

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

} // namespace office
