#include "office/OutlookExplorers.h"

#include "classlib/Classes.h"
#include "office/HostDispIds.h"
#include "office/office.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace office {

CLASSLIB_DEFINE_CLASS(TOutlookExplorers, THostWrapper)
CLASSLIB_DEFINE_CLASS(TOutlookExplorer, THostWrapper)

namespace {

namespace coll = dispid::outlook_collection;
namespace win = dispid::outlook_window;
namespace ev = dispid::outlook_window_events;

const std::vector<THostEventInterface> &ExplorersEventInterfaces() {
    static const std::vector<THostEventInterface> interfaces = {
        {DIID_OutlookExplorersEvents, {dispid::outlook_collection_events::NewWindow}},
    };
    return interfaces;
}

// The events decoded here are the Outlook 2000 set, which ExplorerEvents_10 keeps.
const std::vector<THostEventInterface> &ExplorerEventInterfaces() {
    static const std::vector<DISPID> events = {
        ev::Activate,         ev::FolderSwitch, ev::BeforeFolderSwitch, ev::ViewSwitch,
        ev::BeforeViewSwitch, ev::Deactivate,   ev::SelectionChange,    ev::Close};
    static const std::vector<THostEventInterface> interfaces = {
        {DIID_OutlookExplorerEvents_10, events},
        {DIID_OutlookExplorerEvents, events},
    };
    return interfaces;
}

} // namespace

TOutlookExplorers::TOutlookExplorers(classlib::TComponent *owner)
    : THostWrapper(owner, ExplorersEventInterfaces()) {}

int TOutlookExplorers::Count() const {
    return Get(coll::Count).ToInt();
}

ComPtr<IDispatch> TOutlookExplorers::Item(int index) const {
    return Call(coll::Item, {OleVariant(index)}).ToDispatch();
}

void TOutlookExplorers::HostEvent(DISPID id, THostEventArgs &args) {
    if (id == dispid::outlook_collection_events::NewWindow && OnNewExplorer)
        OnNewExplorer(this, args.Object(0).Get());
}

TOutlookExplorer::TOutlookExplorer(classlib::TComponent *owner)
    : THostWrapper(owner, ExplorerEventInterfaces()) {}

ComPtr<IDispatch> TOutlookExplorer::CommandBars() const {
    return GetObject(win::CommandBars);
}

ComPtr<IDispatch> TOutlookExplorer::CurrentFolder() const {
    return GetObject(win::CurrentFolder);
}

std::wstring TOutlookExplorer::CurrentFolderPath() const {
    ComPtr<IDispatch> folder = CurrentFolder();
    return folder ? classlib::DispGet(folder.Get(), dispid::outlook_folder::FolderPath).ToString()
                  : std::wstring();
}

std::wstring TOutlookExplorer::Caption() const {
    return GetString(win::Caption);
}

void TOutlookExplorer::Close() const {
    Call(win::Close);
}

void TOutlookExplorer::Activate() const {
    Call(win::Activate);
}

void TOutlookExplorer::HostEvent(DISPID id, THostEventArgs &args) {
    switch (id) {
    case ev::Activate:
        OnActivate(this);
        break;
    case ev::FolderSwitch:
        OnFolderSwitch(this);
        break;
    case ev::BeforeFolderSwitch:
        if (OnBeforeFolderSwitch)
            OnBeforeFolderSwitch(this, args.Object(0).Get(), args.BoolRef(1));
        break;
    case ev::ViewSwitch:
        OnViewSwitch(this);
        break;
    case ev::BeforeViewSwitch:
        if (OnBeforeViewSwitch)
            OnBeforeViewSwitch(this, args.Value(0), args.BoolRef(1));
        break;
    case ev::Deactivate:
        OnDeactivate(this);
        break;
    case ev::SelectionChange:
        OnSelectionChange(this);
        break;
    case ev::Close:
        OnClose(this);
        break;
    }
}

} // namespace office
