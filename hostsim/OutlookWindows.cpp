#include "hostsim/OutlookWindows.h"

#include "hostsim/OutlookApplication.h"
#include "hostsim/OutlookFolders.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

namespace hostsim {

using classlib::ComPtr;
using classlib::OleVariant;

SimOutlookWindow::SimOutlookWindow(SimWorld &world, OutlookHost &host, const std::wstring &name, REFIID diid,
                                   REFIID events, REFIID events10, const std::wstring &caption)
    : SimDispObject(world, name, diid), host_(&host), window_(std::make_unique<SimWindow>(caption)),
      caption_(caption) {
    Events().Add(events);
    if (host.MajorVersion() >= 10)
        Events().Add(events10);
    OnGet(L"CommandBars", [this] {
        ComPtr<IDispatch> dispatch = commandBars_.TryAs<IDispatch>(IID_IDispatch);
        return OleVariant(dispatch.Get());
    });
    OnGet(L"Caption", [this] { return OleVariant(caption_); });
}

void SimOutlookWindow::SetCaption(const std::wstring &caption) {
    caption_ = caption;
    if (window_)
        window_->SetCaption(caption);
}

HRESULT SimOutlookWindow::GetWindow(HWND *window) {
    if (window == nullptr)
        return E_POINTER;
    *window = nullptr;
    return Call(L"GetWindow", {}, [&] { *window = Handle(); });
}

HRESULT SimOutlookWindow::ContextSensitiveHelp(BOOL) {
    return Call(L"ContextSensitiveHelp", {}, [] {});
}

void SimOutlookWindow::OnDisconnect() noexcept {
    host_ = nullptr;
    commandBars_.Reset();
    window_.reset();
}

SimOutlookExplorer::SimOutlookExplorer(SimWorld &world, OutlookHost &host, const std::wstring &name,
                                       SimOutlookFolder *folder)
    : SimOutlookWindow(world, host, name, DIID_OutlookExplorer, DIID_OutlookExplorerEvents,
                       DIID_OutlookExplorerEvents_10, (folder ? folder->FolderName() : L"") + L" - Outlook"),
      folder_(folder) {
    OnGet(L"Class", [] { return OleVariant(static_cast<long>(ol::olExplorer)); });
    OnGet(L"CurrentFolder", [this] { return DispatchOf(folder_); });
    OnPutRef(L"CurrentFolder", [this](const OleVariant &value) {
        ComPtr<IDispatch> dispatch = value.ToDispatch();
        auto *folder = dynamic_cast<SimOutlookFolder *>(SimObject::FromUnknown(dispatch.Get()));
        if (folder == nullptr || !folder->Connected())
            throw classlib::EOleSysError(L"The object is not a folder of this session.", E_INVALIDARG);
        host_->SwitchFolder(this, folder);
    });
    OnMethod(L"Close", [this](DispArgs &) {
        host_->Close(this);
        return OleVariant();
    });
    OnGet(L"Selection",
          [this] { return DispatchOf(host_->World().Create<SimOutlookSelection>(selection_)); });
    OnMethod(L"Activate", [this](DispArgs &) {
        host_->Activate(this);
        return OleVariant();
    });
}

void SimOutlookExplorer::OnDisconnect() noexcept {
    SimOutlookWindow::OnDisconnect();
    folder_ = nullptr;
    selection_.clear();
}

namespace {

std::wstring InspectorCaption(const SimOutlookItem *item) {
    std::wstring subject = item ? item->Subject() : L"";
    return (subject.empty() ? L"Untitled" : subject) + L" - Message";
}

} // namespace

SimOutlookInspector::SimOutlookInspector(SimWorld &world, OutlookHost &host, const std::wstring &name,
                                         SimOutlookItem *item)
    : SimOutlookWindow(world, host, name, DIID_OutlookInspector, DIID_OutlookInspectorEvents,
                       DIID_OutlookInspectorEvents_10, InspectorCaption(item)),
      item_(item) {
    OnGet(L"Class", [] { return OleVariant(static_cast<long>(ol::olInspector)); });
    OnGet(L"CurrentItem", [this] { return DispatchOf(item_); });
    // SaveMode (olSave, olDiscard, olPromptForSave) changes nothing here: items are not stored.
    OnMethod(L"Close", [this](DispArgs &) {
        host_->Close(this);
        return OleVariant();
    });
    OnMethod(L"Activate", [this](DispArgs &) {
        host_->Activate(this);
        return OleVariant();
    });
}

void SimOutlookInspector::ShowItem(SimOutlookItem *item) {
    item_ = item;
    SetCaption(InspectorCaption(item));
}

void SimOutlookInspector::OnDisconnect() noexcept {
    SimOutlookWindow::OnDisconnect();
    item_ = nullptr;
}

SimOutlookWindows::SimOutlookWindows(SimWorld &world, const std::wstring &name, REFIID diid, REFIID events)
    : SimDispObject(world, name, diid) {
    Events().Add(events);
    OnGet(L"Count", [this] { return OleVariant(static_cast<long>(windows_.size())); });
    OnMethod(L"Item", [this](DispArgs &args) {
        return DispatchOf(windows_[CollectionIndex(args.Value(0), windows_.size())]);
    });
}

SimOutlookSelection::SimOutlookSelection(SimWorld &world, std::vector<SimOutlookItem *> items)
    : SimDispObject(world, L"Selection", DIID_OutlookSelection), items_(std::move(items)) {
    OnGet(L"Count", [this] { return OleVariant(static_cast<long>(items_.size())); });
    OnMethod(L"Item", [this](DispArgs &args) {
        return DispatchOf(items_[CollectionIndex(args.Value(0), items_.size())]);
    });
}

} // namespace hostsim
