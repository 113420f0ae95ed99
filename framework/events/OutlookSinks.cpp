#include "framework/events/OutlookSinks.h"

#include <exception>
#include <utility>

#include "classlib/Classes.h"
#include "office/HostDispIds.h"

namespace framework {

using Self = TzidOutlookAppEvents;

CLASSLIB_DEFINE_CLASS(TzidOutlookChildEvents, TzidCustomEvents)

// A child sink's class information and server data: its source cast to CastIID, its events on EventIID.
#define ZID_DEFINE_OUTLOOK_CHILD(Class, CastIID, EventIID)                                                   \
    CLASSLIB_DEFINE_CLASS(Class, TzidOutlookChildEvents)                                                     \
    void Class::InitServerData() {                                                                           \
        static TzidServerData data{GUID_NULL, CastIID, EventIID, nullptr, 500, 0};                           \
        SetServerData(data);                                                                                 \
    }

ZID_DEFINE_OUTLOOK_CHILD(TzidOutlookNameSpaceEvents, DIID_OutlookNameSpace, DIID_OutlookNameSpaceEvents)
ZID_DEFINE_OUTLOOK_CHILD(TzidOutlookRemindersEvents, GUID_NULL, DIID_OutlookReminderCollectionEvents)
ZID_DEFINE_OUTLOOK_CHILD(TzidOutlookExplorersEvents, DIID_OutlookExplorers, DIID_OutlookExplorersEvents)
ZID_DEFINE_OUTLOOK_CHILD(TzidOutlookInspectorsEvents, DIID_OutlookInspectors, DIID_OutlookInspectorsEvents)
ZID_DEFINE_OUTLOOK_CHILD(TzidOutlookExplorerEvents, DIID_OutlookExplorer, DIID_OutlookExplorerEvents_10)
ZID_DEFINE_OUTLOOK_CHILD(TzidOutlookInspectorEvents, DIID_OutlookInspector, DIID_OutlookInspectorEvents_10)

namespace {

namespace window_events = office::dispid::outlook_window_events;

const TzidEventRoute kNameSpaceRoutes[] = {ZID_OUTLOOK_NAMESPACE_EVENTS(ZID_EVENT_ROUTE, Self)};
const TzidEventRoute kRemindersRoutes[] = {ZID_OUTLOOK_REMINDERS_EVENTS(ZID_EVENT_ROUTE, Self)};
const TzidEventRoute kExplorersRoutes[] = {ZID_OUTLOOK_EXPLORERS_EVENTS(ZID_EVENT_ROUTE, Self)};
const TzidEventRoute kInspectorsRoutes[] = {ZID_OUTLOOK_INSPECTORS_EVENTS(ZID_EVENT_ROUTE, Self)};
const TzidEventRoute kExplorerRoutes[] = {ZID_OUTLOOK_EXPLORER_EVENTS(ZID_EVENT_ROUTE, Self)};
const TzidEventRoute kInspectorRoutes[] = {ZID_OUTLOOK_INSPECTOR_EVENTS(ZID_EVENT_ROUTE, Self)};

// Fires the event, then runs After also when the handler raised (the handler's failure is passed on
// afterwards, the first failure winning). After runs only while the sink and its owner still exist.
template <size_t N, class After>
void FireThen(TzidOutlookChildEvents &sink, const TzidEventRoute (&routes)[N], DISPID id,
              TzidEventParams &params, After &&after) {
    TzidOutlookAppEvents *app = sink.App();
    std::weak_ptr<void> sinkAlive = sink.Liveness(), appAlive = app->Liveness();
    std::exception_ptr failure;
    try {
        RouteEvent(routes, *app, id, params);
    } catch (...) {
        failure = std::current_exception();
    }
    if (!sinkAlive.expired() && !appAlive.expired()) {
        try {
            after(*app);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

// Routes every event but Special; Special is fired, then After runs as FireThen says.
template <size_t N, class After>
void RouteOrFireThen(TzidOutlookChildEvents &sink, const TzidEventRoute (&routes)[N], DISPID id,
                     TzidEventParams &params, DISPID special, After &&after) {
    if (sink.App() == nullptr)
        return;
    if (id != special)
        RouteEvent(routes, *sink.App(), id, params);
    else
        FireThen(sink, routes, id, params, std::forward<After>(after));
}

// The window a NewExplorer or NewInspector reports; null when the host passed none.
classlib::ComPtr<IDispatch> NewWindow(TzidEventParams &params, const wchar_t *event) {
    return params.size() == 1 ? events_detail::ToObject(params[0].Var(), event, 0) : nullptr;
}

} // namespace

// ---- common part ----

TzidOutlookChildEvents::~TzidOutlookChildEvents() {
    app_ = nullptr;
}

void TzidOutlookChildEvents::AfterConstruction() {
    TzidCustomEvents::AfterConstruction();
    app_ = dynamic_cast<TzidOutlookAppEvents *>(Owner());
}

void TzidOutlookChildEvents::ConnectTo(IUnknown *Source) {
    const IID &cast = ServerData().IntfIID;
    ConnectCast(Source, IsEqualIID(cast, GUID_NULL) ? nullptr : &cast);
}

void TzidOutlookChildEvents::ConnectToWindowVersion(IUnknown *Source, const std::wstring &HostVersion,
                                                    REFIID Older) {
    SetEventIID(HostVersion == L"9" ? Older : ServerData().EventIID);
    ConnectTo(Source);
}

// ---- NameSpace ----

void TzidOutlookNameSpaceEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    if (App() != nullptr)
        RouteEvent(kNameSpaceRoutes, *App(), DispID, Params);
}

// ---- Reminders ----

void TzidOutlookRemindersEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    if (App() != nullptr)
        RouteEvent(kRemindersRoutes, *App(), DispID, Params);
}

// ---- Explorers ----

void TzidOutlookExplorersEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    RouteOrFireThen(*this, kExplorersRoutes, DispID, Params,
                    office::dispid::outlook_collection_events::NewWindow, [&](TzidOutlookAppEvents &app) {
                        if (classlib::ComPtr<IDispatch> explorer = NewWindow(Params, L"OnNewExplorer"))
                            app.AddExplorer(explorer.Get());
                    });
}

// ---- Inspectors ----

void TzidOutlookInspectorsEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    RouteOrFireThen(*this, kInspectorsRoutes, DispID, Params,
                    office::dispid::outlook_collection_events::NewWindow, [&](TzidOutlookAppEvents &app) {
                        if (classlib::ComPtr<IDispatch> inspector = NewWindow(Params, L"OnNewInspector"))
                            app.AddInspector(inspector.Get());
                    });
}

// ---- one explorer ----

void TzidOutlookExplorerEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    ConnectToWindowVersion(Source, HostVersion, DIID_OutlookExplorerEvents);
}

void TzidOutlookExplorerEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    RouteOrFireThen(*this, kExplorerRoutes, DispID, Params, window_events::Close,
                    [this](TzidOutlookAppEvents &app) { app.ExplorerClosed(this); });
}

// ---- one inspector ----

void TzidOutlookInspectorEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    ConnectToWindowVersion(Source, HostVersion, DIID_OutlookInspectorEvents);
}

void TzidOutlookInspectorEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    RouteOrFireThen(*this, kInspectorRoutes, DispID, Params, window_events::Close,
                    [this](TzidOutlookAppEvents &app) { app.InspectorClosed(this); });
}

} // namespace framework
