#include "hostsim/OutlookApplication.h"

#include "hostsim/OutlookFolders.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/OutlookWindows.h"
#include "office/office.h"

namespace hostsim {

using classlib::ComPtr;
using classlib::OleVariant;

SimOutlookApplication::SimOutlookApplication(SimWorld &world, OutlookHost &host)
    : SimDispObject(world, L"Application", DIID_OutlookApplication), host_(&host) {
    Events().Add(DIID_OutlookApplicationEvents);
    if (host.MajorVersion() >= 10)
        Events().Add(DIID_OutlookApplicationEvents_10);
    if (host.MajorVersion() >= 11)
        Events().Add(DIID_OutlookApplicationEvents_11);

    OnGet(L"Application", [this] { return DispatchOf(this); });
    OnGet(L"Class", [] { return OleVariant(static_cast<long>(ol::olApplication)); });
    OnGet(L"Session", [this] { return DispatchOf(&host_->NameSpace()); });
    OnGet(L"Parent", [] { return OleVariant(static_cast<IDispatch *>(nullptr)); });
    OnGet(L"Name", [] { return OleVariant(L"Outlook"); });
    OnGet(L"Version", [this] { return OleVariant(host_->Version()); });
    OnMethod(L"ActiveExplorer", [this](DispArgs &) { return DispatchOf(host_->ActiveExplorer()); });
    OnMethod(L"ActiveInspector", [this](DispArgs &) { return DispatchOf(host_->ActiveInspector()); });
    OnMethod(L"ActiveWindow", [this](DispArgs &) { return DispatchOf(host_->ActiveWindow()); });
    OnMethod(L"GetNamespace", [this](DispArgs &args) {
        if (_wcsicmp(args.String(0).c_str(), L"MAPI") != 0)
            throw classlib::EOleSysError(L"Only the MAPI name space is supported", E_INVALIDARG);
        return DispatchOf(&host_->NameSpace());
    });
    OnMethod(L"Quit", [this](DispArgs &) {
        host_->Quit();
        return OleVariant();
    });
    OnGet(L"COMAddIns", [this] {
        ComPtr<IDispatch> dispatch = comAddIns_.TryAs<IDispatch>(IID_IDispatch);
        return OleVariant(dispatch.Get());
    });
    OnGet(L"Explorers", [this] { return DispatchOf(&host_->Explorers()); });
    OnGet(L"Inspectors", [this] { return DispatchOf(&host_->Inspectors()); });
    // Reminders came with Outlook 2002.
    if (host.MajorVersion() >= 10)
        OnGet(L"Reminders", [this] { return DispatchOf(host_->Reminders()); });
}

void SimOutlookApplication::OnDisconnect() noexcept {
    host_ = nullptr;
    comAddIns_.Reset();
}

SimOutlookNameSpace::SimOutlookNameSpace(SimWorld &world, OutlookHost &host)
    : SimDispObject(world, L"NameSpace", DIID_OutlookNameSpace), host_(&host) {
    Events().Add(DIID_OutlookNameSpaceEvents);
    OnGet(L"Class", [] { return OleVariant(static_cast<long>(ol::olNamespace)); });
    // The logged-on user's Recipient object has no description here: no one is logged on.
    OnGet(L"CurrentUser", [] { return OleVariant(static_cast<IDispatch *>(nullptr)); });
    // GetDefaultFolder's dispatch id is not in the library: reached by name.
    OnExtra(0x7F000001, L"GetDefaultFolder", DISPATCH_METHOD, {VT_I4}, 1, [this](DispArgs &args) {
        SimOutlookFolder *folder = host_->DefaultFolder(static_cast<ol::DefaultFolder>(args.Int(0)));
        if (folder == nullptr)
            throw classlib::EOleSysError(L"The folder does not exist.", E_INVALIDARG);
        return DispatchOf(folder);
    });
}

void SimOutlookNameSpace::OnDisconnect() noexcept {
    host_ = nullptr;
    stores_.clear();
}

SimOutlookReminders::SimOutlookReminders(SimWorld &world)
    : SimDispObject(world, L"Reminders", DIID_OutlookReminders) {
    Events().Add(DIID_OutlookReminderCollectionEvents);
    OnGet(L"Count", [this] { return OleVariant(static_cast<long>(entries_.size())); });
    OnMethod(L"Item", [this](DispArgs &args) {
        return DispatchOf(entries_[CollectionIndex(args.Value(0), entries_.size())]);
    });
}

} // namespace hostsim
