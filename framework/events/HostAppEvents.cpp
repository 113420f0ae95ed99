// The application-event components of the hosts other than Outlook and Word.
#include "classlib/Classes.h"
#include "classlib/LateBinding.h"
#include "framework/events/OfficeAppEvents.h"
#include "framework/events/OtherAppEvents.h"

using classlib::ComPtr;

// The class information, server data, connection and routing of a host's component whose source is
// cast to CastIID and whose events come on EventIID.
#define ZID_DEFINE_APP_EVENTS(Class, List, CastIID, EventIID)                                                \
    CLASSLIB_DEFINE_CLASS(Class, TzidCustomEvents, List(ZID_EVENT_PUBLISH, Class))                           \
    void Class::InitServerData() {                                                                           \
        static TzidServerData data{GUID_NULL, CastIID, EventIID, nullptr, 500, 0};                           \
        SetServerData(data);                                                                                 \
    }                                                                                                        \
    void Class::Disconnect() {                                                                               \
        TzidCustomEvents::Disconnect();                                                                      \
    }                                                                                                        \
    void Class::DoInvoke(DISPID DispID, TzidEventParams &Params) {                                           \
        static const TzidEventRoute routes[] = {List(ZID_EVENT_ROUTE, Class)};                               \
        RouteEvent(routes, *this, DispID, Params);                                                           \
    }

namespace framework {

ZID_DEFINE_APP_EVENTS(TzidExcelAppEvents, ZID_EXCEL_EVENTS, DIID_ExcelApplication, DIID_ExcelAppEvents)
ZID_DEFINE_APP_EVENTS(TzidProjectAppEvents, ZID_PROJECT_EVENTS, DIID_ProjectApplication,
                      DIID_ProjectEProjectApp2)
ZID_DEFINE_APP_EVENTS(TzidPowerPointAppEvents, ZID_POWERPOINT_EVENTS, DIID_PowerPointApplication,
                      DIID_PowerPointEApplication)
ZID_DEFINE_APP_EVENTS(TzidFrontPageAppEvents, ZID_FRONTPAGE_EVENTS, DIID_FrontPageApplication,
                      DIID_FrontPageApplicationEvents)
ZID_DEFINE_APP_EVENTS(TzidVisioAppEvents, ZID_VISIO_EVENTS, DIID_VisioApplication, DIID_VisioEApplication)
ZID_DEFINE_APP_EVENTS(TzidMapPointAppEvents, ZID_MAPPOINT_EVENTS, DIID_MapPointApplication,
                      DIID_MapPointApplicationEvents)
ZID_DEFINE_APP_EVENTS(TzidPublisherAppEvents, ZID_PUBLISHER_EVENTS, DIID_PublisherApplication,
                      DIID_PublisherApplicationEvents)
ZID_DEFINE_APP_EVENTS(TzidInfoPathAppEvents, ZID_INFOPATH_EVENTS, DIID_InfoPathApplication,
                      DIID_InfoPathApplicationEvents)

void TzidExcelAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_ExcelApplication);
}

void TzidProjectAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_ProjectApplication);
}

void TzidProjectAppEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    SetEventIID(HostVersion == L"9" ? DIID_ProjectEProjectApp : DIID_ProjectEProjectApp2);
    ConnectTo(Source);
}

void TzidPowerPointAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_PowerPointApplication);
}

void TzidFrontPageAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_FrontPageApplication);
}

void TzidVisioAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_VisioApplication);
}

void TzidMapPointAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_MapPointApplication);
}

void TzidPublisherAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_PublisherApplication);
}

// The events object is read by name, like every member of a host's object model: an InfoPath without
// it gives no events.
void TzidInfoPathAppEvents::ConnectTo(IUnknown *Source) {
    auto source = ComPtr<IUnknown>::Copy(Source);
    Disconnect();
    if (!source)
        return;
    SetIntf(source.As<IUnknown>(DIID_InfoPathApplication));
    ComPtr<IDispatch> events;
    try {
        events = classlib::DispGet(IntfDispatch().Get(), L"Events").ToDispatch();
    } catch (const classlib::Exception &) {
        return;
    }
    ConnectEvents(events.Get());
}

} // namespace framework
