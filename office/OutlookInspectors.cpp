#include "office/OutlookInspectors.h"

#include "classlib/Classes.h"
#include "office/HostDispIds.h"
#include "office/office.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace office {

CLASSLIB_DEFINE_CLASS(TOutlookInspectors, THostWrapper)
CLASSLIB_DEFINE_CLASS(TOutlookInspector, THostWrapper)

namespace {

namespace coll = dispid::outlook_collection;
namespace win = dispid::outlook_window;
namespace ev = dispid::outlook_window_events;

const std::vector<THostEventInterface> &InspectorsEventInterfaces() {
    static const std::vector<THostEventInterface> interfaces = {
        {DIID_OutlookInspectorsEvents, {dispid::outlook_collection_events::NewWindow}},
    };
    return interfaces;
}

// The events decoded here are the Outlook 2000 set, which InspectorEvents_10 keeps.
const std::vector<THostEventInterface> &InspectorEventInterfaces() {
    static const std::vector<DISPID> events = {ev::Activate, ev::Deactivate, ev::Close};
    static const std::vector<THostEventInterface> interfaces = {
        {DIID_OutlookInspectorEvents_10, events},
        {DIID_OutlookInspectorEvents, events},
    };
    return interfaces;
}

} // namespace

TOutlookInspectors::TOutlookInspectors(classlib::TComponent *owner)
    : THostWrapper(owner, InspectorsEventInterfaces()) {}

int TOutlookInspectors::Count() const {
    return Get(coll::Count).ToInt();
}

ComPtr<IDispatch> TOutlookInspectors::Item(int index) const {
    return Call(coll::Item, {OleVariant(index)}).ToDispatch();
}

void TOutlookInspectors::HostEvent(DISPID id, THostEventArgs &args) {
    if (id == dispid::outlook_collection_events::NewWindow && OnNewInspector)
        OnNewInspector(this, args.Object(0).Get());
}

TOutlookInspector::TOutlookInspector(classlib::TComponent *owner)
    : THostWrapper(owner, InspectorEventInterfaces()) {}

ComPtr<IDispatch> TOutlookInspector::CommandBars() const {
    return GetObject(win::CommandBars);
}

ComPtr<IDispatch> TOutlookInspector::CurrentItem() const {
    return GetObject(win::CurrentItem);
}

int TOutlookInspector::CurrentItemClass() const {
    ComPtr<IDispatch> item = CurrentItem();
    return item ? classlib::DispGet(item.Get(), dispid::outlook_object::Class).ToInt() : -1;
}

std::wstring TOutlookInspector::CurrentItemMessageClass() const {
    ComPtr<IDispatch> item = CurrentItem();
    return item ? classlib::DispGet(item.Get(), dispid::outlook_item::MessageClass).ToString()
                : std::wstring();
}

std::wstring TOutlookInspector::Caption() const {
    return GetString(win::Caption);
}

void TOutlookInspector::HostEvent(DISPID id, THostEventArgs &) {
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
