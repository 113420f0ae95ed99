// Wrappers of Outlook's Application and NameSpace objects.
#pragma once
#include "office/HostWrapper.h"

namespace office {

// Outlook's Application. Events come from ApplicationEvents_11, _10 or the Outlook 2000 interface,
// whichever the running Outlook offers.
class TOutlookApplication : public THostWrapper {
    CLASSLIB_CLASS(TOutlookApplication)
public:
    explicit TOutlookApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    classlib::ComPtr<IDispatch> Explorers() const;
    classlib::ComPtr<IDispatch> Inspectors() const;
    // Null when no such window is open.
    classlib::ComPtr<IDispatch> ActiveExplorer() const;
    classlib::ComPtr<IDispatch> ActiveInspector() const;
    classlib::ComPtr<IDispatch> ActiveWindow() const;
    classlib::ComPtr<IDispatch> GetNamespace(const std::wstring &type) const;
    void Quit() const;

    // Item: the item being sent; setting Cancel keeps it from being sent.
    TDispatchCancelEvent OnItemSend;
    TNotifyEvent OnNewMail;
    TDispatchEvent OnReminder;        // Item
    TDispatchEvent OnOptionsPagesAdd; // Pages: the Options dialog's page collection
    TNotifyEvent OnStartup;
    TNotifyEvent OnQuit;

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

// Outlook's NameSpace ("MAPI"): only its event of the folder property dialog is used.
class TOutlookNameSpace : public THostWrapper {
    CLASSLIB_CLASS(TOutlookNameSpace)
public:
    explicit TOutlookNameSpace(classlib::TComponent *owner);

    // Pages: the folder Properties dialog's page collection; Folder: the folder it shows.
    TDispatchPairEvent OnOptionsPagesAdd;

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

} // namespace office
