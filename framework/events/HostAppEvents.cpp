// The application-event components of the hosts other than Outlook and Word.
#include "classlib/Classes.h"
#include "classlib/LateBinding.h"
#include "classlib/Trace.h"
#include "framework/events/OfficeAppEvents.h"
#include "framework/events/OtherAppEvents.h"

using classlib::ComPtr;

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
ZID_DEFINE_APP_EVENTS_BODY(TzidInfoPathAppEvents, ZID_INFOPATH_EVENTS, DIID_InfoPathApplication,
                           DIID_InfoPathApplicationEvents)

void TzidProjectAppEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    SetEventIID(HostVersion == L"9" ? DIID_ProjectEProjectApp : DIID_ProjectEProjectApp2);
    ConnectTo(Source);
}

// The events object is read by name, like every member of a host's object model: an InfoPath without
// it gives no events, and the trace says why (the code Office answered).
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
        classlib::TraceException(L"Events", L"InfoPath's Events object could not be read: no events");
        return;
    }
    ConnectEvents(events.Get());
}

} // namespace framework
