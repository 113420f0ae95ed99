#include "office/OutlookWindows.h"

#include <utility>

#include "office/HostDispIds.h"
#include "office/office.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace office {

namespace {

namespace coll = dispid::outlook_collection;
namespace win = dispid::outlook_window;
namespace ev = dispid::outlook_window_events;

} // namespace

TOutlookWindows::TOutlookWindows(classlib::TComponent *owner, REFIID EventsIID)
    : THostWrapper(owner, {{EventsIID, {dispid::outlook_collection_events::NewWindow}}}) {}

int TOutlookWindows::Count() const {
    return Get(coll::Count).ToInt();
}

ComPtr<IDispatch> TOutlookWindows::Item(int index) const {
    return Call(coll::Item, {OleVariant(index)}).ToDispatch();
}

void TOutlookWindows::HostEvent(DISPID id, THostEventArgs &args) {
    if (id == dispid::outlook_collection_events::NewWindow && OnNewWindow)
        OnNewWindow(this, args.Object(0).Get());
}

namespace {

std::vector<DISPID> WithWindowEvents(std::vector<DISPID> Events) {
    Events.insert(Events.end(), {ev::Activate, ev::Deactivate, ev::Close});
    return Events;
}

} // namespace

TOutlookWindow::TOutlookWindow(classlib::TComponent *owner, REFIID Current, REFIID Older,
                               std::vector<DISPID> Events)
    : THostWrapper(owner, SameEvents({Current, Older}, WithWindowEvents(std::move(Events)))) {}

ComPtr<IDispatch> TOutlookWindow::CommandBars() const {
    return GetObject(win::CommandBars);
}

std::wstring TOutlookWindow::Caption() const {
    return GetString(win::Caption);
}

void TOutlookWindow::HostEvent(DISPID id, THostEventArgs & /*args*/) {
    switch (id) {
    case ev::Activate:
        OnActivate(this);
        break;
    case ev::Deactivate:
        OnDeactivate(this);
        break;
    case ev::Close:
        OnClose(this);
        break;
    }
}

} // namespace office
