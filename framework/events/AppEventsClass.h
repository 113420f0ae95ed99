// The one shape of a host's application-events component: its events come from a list
// X(P, DispID, Name, parameters...) (see EventArgs.h), published as fields On<Name>, routed by DispID.
// What differs between hosts is the list, the interface the source is cast to and the event interface;
// a host whose event interface depends on its version adds its ConnectToVersion.
#pragma once
#include "framework/events/CustomEvents.h"

// The class declaration; the variadic part holds members of the host's own.
// clang-format off
#define ZID_APP_EVENTS_CLASS(Class, List, ...)                                                               \
    class Class : public TzidCustomEvents {                                                                  \
        CLASSLIB_CLASS(Class)                                                                                \
    public:                                                                                                  \
        using TzidCustomEvents::TzidCustomEvents;                                                            \
        void ConnectTo(IUnknown *Source) override;                                                           \
        void DoInvoke(DISPID DispID, TzidEventParams &Params) override;                                      \
        __VA_ARGS__                                                                                          \
        List(ZID_EVENT_FIELD, _)                                                                             \
                                                                                                             \
    protected:                                                                                               \
        void InitServerData() override;                                                                      \
    };
// clang-format on

// The class information, server data and routing of a component whose events come on EventIID and
// whose source is cast to CastIID (inside namespace framework, with classlib/Classes.h included).
#define ZID_DEFINE_APP_EVENTS_BODY(Class, List, CastIID, EventIID)                                           \
    CLASSLIB_DEFINE_CLASS(Class, TzidCustomEvents, List(ZID_EVENT_PUBLISH, Class))                           \
    void Class::InitServerData() {                                                                           \
        static TzidServerData data{GUID_NULL, CastIID, EventIID, nullptr, 500, 0};                           \
        SetServerData(data);                                                                                 \
    }                                                                                                        \
    void Class::DoInvoke(DISPID DispID, TzidEventParams &Params) {                                           \
        static const TzidEventRoute routes[] = {List(ZID_EVENT_ROUTE, Class)};                               \
        RouteEvent(routes, *this, DispID, Params);                                                           \
    }

// The same with the usual connection: the advise on the source itself, cast to CastIID.
#define ZID_DEFINE_APP_EVENTS(Class, List, CastIID, EventIID)                                                \
    ZID_DEFINE_APP_EVENTS_BODY(Class, List, CastIID, EventIID)                                               \
    void Class::ConnectTo(IUnknown *Source) {                                                                \
        ConnectCast(Source, &CastIID);                                                                       \
    }
