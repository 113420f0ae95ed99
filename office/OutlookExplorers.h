// Wrappers of Outlook's Explorers collection and of one explorer (a main window).
#pragma once
#include "office/HostWrapper.h"

namespace office {

class TOutlookExplorers : public THostWrapper {
    CLASSLIB_CLASS(TOutlookExplorers)
public:
    explicit TOutlookExplorers(classlib::TComponent *owner);

    int Count() const;
    classlib::ComPtr<IDispatch> Item(int index) const; // 1-based, as Outlook counts

    TDispatchEvent OnNewExplorer; // Explorer: the new window, not yet shown

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

using TBeforeViewSwitchEvent =
    classlib::TEvent<void(classlib::TObject *Sender, const classlib::OleVariant &NewView, bool &Cancel)>;

// One explorer. Events come from ExplorerEvents_10 or the Outlook 2000 interface.
class TOutlookExplorer : public THostWrapper {
    CLASSLIB_CLASS(TOutlookExplorer)
public:
    explicit TOutlookExplorer(classlib::TComponent *owner);

    // The window's command bars, to be queried for _CommandBars by the caller.
    classlib::ComPtr<IDispatch> CommandBars() const;
    classlib::ComPtr<IDispatch> CurrentFolder() const;
    // The current folder's FolderPath; empty when no folder is shown.
    std::wstring CurrentFolderPath() const;
    std::wstring Caption() const;
    void Close() const;
    void Activate() const;

    TNotifyEvent OnActivate;
    TNotifyEvent OnFolderSwitch;
    TDispatchCancelEvent OnBeforeFolderSwitch; // NewFolder; Cancel keeps the current folder
    TNotifyEvent OnViewSwitch;
    TBeforeViewSwitchEvent OnBeforeViewSwitch; // NewView as Outlook passes it; Cancel keeps the view
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnSelectionChange;
    TNotifyEvent OnClose;

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

} // namespace office
