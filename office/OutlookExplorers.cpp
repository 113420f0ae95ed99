#include "office/OutlookExplorers.h"

#include "classlib/Classes.h"
#include "office/HostDispIds.h"
#include "office/office.h"

using classlib::ComPtr;

namespace office {

CLASSLIB_DEFINE_CLASS(TOutlookExplorers, THostWrapper)
CLASSLIB_DEFINE_CLASS(TOutlookExplorer, THostWrapper)

namespace {

namespace win = dispid::outlook_window;
namespace ev = dispid::outlook_window_events;

} // namespace

TOutlookExplorers::TOutlookExplorers(classlib::TComponent *owner)
    : TOutlookWindows(owner, DIID_OutlookExplorersEvents) {}

TOutlookExplorer::TOutlookExplorer(classlib::TComponent *owner)
    : TOutlookWindow(owner, DIID_OutlookExplorerEvents_10, DIID_OutlookExplorerEvents,
                     {ev::FolderSwitch, ev::BeforeFolderSwitch, ev::ViewSwitch, ev::BeforeViewSwitch,
                      ev::SelectionChange}) {}

ComPtr<IDispatch> TOutlookExplorer::CurrentFolder() const {
    return GetObject(win::CurrentFolder);
}

std::wstring TOutlookExplorer::CurrentFolderPath() const {
    ComPtr<IDispatch> folder = CurrentFolder();
    return folder ? classlib::DispGet(folder.Get(), dispid::outlook_folder::FolderPath).ToString()
                  : std::wstring();
}

void TOutlookExplorer::Close() const {
    Call(win::Close);
}

void TOutlookExplorer::Activate() const {
    Call(win::Activate);
}

void TOutlookExplorer::HostEvent(DISPID id, THostEventArgs &args) {
    switch (id) {
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
    case ev::SelectionChange:
        OnSelectionChange(this);
        break;
    default:
        TOutlookWindow::HostEvent(id, args);
    }
}

} // namespace office
