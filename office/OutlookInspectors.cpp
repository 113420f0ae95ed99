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

namespace win = dispid::outlook_window;

} // namespace

TOutlookInspectors::TOutlookInspectors(classlib::TComponent *owner)
    : TOutlookWindows(owner, DIID_OutlookInspectorsEvents) {}

TOutlookInspector::TOutlookInspector(classlib::TComponent *owner)
    : TOutlookWindow(owner, DIID_OutlookInspectorEvents_10, DIID_OutlookInspectorEvents, {}) {}

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

} // namespace office
