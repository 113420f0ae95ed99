#include "framework/events/WordEvents.h"

#include "classlib/Classes.h"

namespace framework {

using Self = TzidWordAppEvents;

CLASSLIB_DEFINE_CLASS(TzidWordAppEvents, TzidCustomEvents, ZID_WORD_EVENTS(ZID_EVENT_PUBLISH, Self))

namespace {

const TzidEventRoute kRoutes[] = {ZID_WORD_EVENTS(ZID_EVENT_ROUTE, Self)};

} // namespace

void TzidWordAppEvents::InitServerData() {
    static TzidServerData data{GUID_NULL, DIID_WordApplication, DIID_WordApplicationEvents4, nullptr, 500, 0};
    SetServerData(data);
}

void TzidWordAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_WordApplication);
}

void TzidWordAppEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    SetEventIID(HostVersion == L"9"    ? DIID_WordApplicationEvents2
                : HostVersion == L"10" ? DIID_WordApplicationEvents3
                                       : DIID_WordApplicationEvents4);
    ConnectTo(Source);
}

void TzidWordAppEvents::Disconnect() {
    TzidCustomEvents::Disconnect();
}

void TzidWordAppEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    RouteEvent(kRoutes, *this, DispID, Params);
}

} // namespace framework
