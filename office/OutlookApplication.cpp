#include "office/OutlookApplication.h"

#include "classlib/Classes.h"
#include "office/HostDispIds.h"
#include "office/office.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace office {

CLASSLIB_DEFINE_CLASS(TOutlookApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TOutlookNameSpace, THostWrapper)

namespace {

namespace app = dispid::outlook_application;
namespace ev = dispid::outlook_application_events;

} // namespace

// The events decoded here are the Outlook 2000 set, which every later interface keeps.
TOutlookApplication::TOutlookApplication(classlib::TComponent *owner)
    : THostWrapper(owner, SameEvents({DIID_OutlookApplicationEvents_11, DIID_OutlookApplicationEvents_10,
                                      DIID_OutlookApplicationEvents},
                                     {ev::ItemSend, ev::NewMail, ev::Reminder, ev::OptionsPagesAdd,
                                      ev::Startup, ev::Quit})) {}

std::wstring TOutlookApplication::Version() const {
    return GetString(app::Version);
}

ComPtr<IDispatch> TOutlookApplication::Explorers() const {
    return GetObject(app::Explorers);
}

ComPtr<IDispatch> TOutlookApplication::Inspectors() const {
    return GetObject(app::Inspectors);
}

ComPtr<IDispatch> TOutlookApplication::ActiveExplorer() const {
    return Call(app::ActiveExplorer).ToDispatch();
}

ComPtr<IDispatch> TOutlookApplication::ActiveInspector() const {
    return Call(app::ActiveInspector).ToDispatch();
}

ComPtr<IDispatch> TOutlookApplication::ActiveWindow() const {
    return Call(app::ActiveWindow).ToDispatch();
}

ComPtr<IDispatch> TOutlookApplication::GetNamespace(const std::wstring &type) const {
    return Call(app::GetNamespace, {OleVariant(type)}).ToDispatch();
}

void TOutlookApplication::Quit() const {
    Call(app::Quit);
}

void TOutlookApplication::HostEvent(DISPID id, THostEventArgs &args) {
    switch (id) {
    case ev::ItemSend:
        if (OnItemSend)
            OnItemSend(this, args.Object(0).Get(), args.BoolRef(1));
        break;
    case ev::NewMail:
        OnNewMail(this);
        break;
    case ev::Reminder:
        if (OnReminder)
            OnReminder(this, args.Object(0).Get());
        break;
    case ev::OptionsPagesAdd:
        if (OnOptionsPagesAdd)
            OnOptionsPagesAdd(this, args.Object(0).Get());
        break;
    case ev::Startup:
        OnStartup(this);
        break;
    case ev::Quit:
        OnQuit(this);
        break;
    }
}

TOutlookNameSpace::TOutlookNameSpace(classlib::TComponent *owner)
    : THostWrapper(owner,
                   {{DIID_OutlookNameSpaceEvents, {dispid::outlook_namespace_events::OptionsPagesAdd}}}) {}

void TOutlookNameSpace::HostEvent(DISPID id, THostEventArgs &args) {
    if (id == dispid::outlook_namespace_events::OptionsPagesAdd && OnOptionsPagesAdd)
        OnOptionsPagesAdd(this, args.Object(0).Get(), args.Object(1).Get());
}

} // namespace office
