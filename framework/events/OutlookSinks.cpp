#include "framework/events/OutlookSinks.h"

#include <exception>

#include "classlib/Classes.h"
#include "office/HostDispIds.h"

namespace framework {

using Self = TzidOutlookAppEvents;

CLASSLIB_DEFINE_CLASS(TzidOutlookChildEvents, TzidCustomEvents)
CLASSLIB_DEFINE_CLASS(TzidOutlookNameSpaceEvents, TzidOutlookChildEvents)
CLASSLIB_DEFINE_CLASS(TzidOutlookRemindersEvents, TzidOutlookChildEvents)
CLASSLIB_DEFINE_CLASS(TzidOutlookExplorersEvents, TzidOutlookChildEvents)
CLASSLIB_DEFINE_CLASS(TzidOutlookInspectorsEvents, TzidOutlookChildEvents)
CLASSLIB_DEFINE_CLASS(TzidOutlookExplorerEvents, TzidOutlookChildEvents)
CLASSLIB_DEFINE_CLASS(TzidOutlookInspectorEvents, TzidOutlookChildEvents)

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

// ---- NameSpace ----

void TzidOutlookNameSpaceEvents::InitServerData() {
    static TzidServerData data{GUID_NULL, DIID_OutlookNameSpace, DIID_OutlookNameSpaceEvents, nullptr, 500,
                               0};
    SetServerData(data);
}

void TzidOutlookNameSpaceEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_OutlookNameSpace);
}

void TzidOutlookNameSpaceEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    if (App() != nullptr)
        RouteEvent(kNameSpaceRoutes, *App(), DispID, Params);
}

// ---- Reminders ----

void TzidOutlookRemindersEvents::InitServerData() {
    static TzidServerData data{GUID_NULL, GUID_NULL, DIID_OutlookReminderCollectionEvents, nullptr, 500, 0};
    SetServerData(data);
}

void TzidOutlookRemindersEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, nullptr);
}

void TzidOutlookRemindersEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    if (App() != nullptr)
        RouteEvent(kRemindersRoutes, *App(), DispID, Params);
}

// ---- Explorers ----

void TzidOutlookExplorersEvents::InitServerData() {
    static TzidServerData data{GUID_NULL, DIID_OutlookExplorers, DIID_OutlookExplorersEvents, nullptr, 500,
                               0};
    SetServerData(data);
}

void TzidOutlookExplorersEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_OutlookExplorers);
}

void TzidOutlookExplorersEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    if (App() == nullptr)
        return;
    if (DispID != office::dispid::outlook_collection_events::NewWindow) {
        RouteEvent(kExplorersRoutes, *App(), DispID, Params);
        return;
    }
    FireThen(*this, kExplorersRoutes, DispID, Params, [&](TzidOutlookAppEvents &app) {
        if (classlib::ComPtr<IDispatch> explorer = NewWindow(Params, L"OnNewExplorer"))
            app.AddExplorer(explorer.Get());
    });
}

// ---- Inspectors ----

void TzidOutlookInspectorsEvents::InitServerData() {
    static TzidServerData data{GUID_NULL, DIID_OutlookInspectors, DIID_OutlookInspectorsEvents, nullptr, 500,
                               0};
    SetServerData(data);
}

void TzidOutlookInspectorsEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_OutlookInspectors);
}

void TzidOutlookInspectorsEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    if (App() == nullptr)
        return;
    if (DispID != office::dispid::outlook_collection_events::NewWindow) {
        RouteEvent(kInspectorsRoutes, *App(), DispID, Params);
        return;
    }
    FireThen(*this, kInspectorsRoutes, DispID, Params, [&](TzidOutlookAppEvents &app) {
        if (classlib::ComPtr<IDispatch> inspector = NewWindow(Params, L"OnNewInspector"))
            app.AddInspector(inspector.Get());
    });
}

// ---- one explorer ----

void TzidOutlookExplorerEvents::InitServerData() {
    static TzidServerData data{GUID_NULL, DIID_OutlookExplorer, DIID_OutlookExplorerEvents_10, nullptr, 500,
                               0};
    SetServerData(data);
}

void TzidOutlookExplorerEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_OutlookExplorer);
}

void TzidOutlookExplorerEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    SetEventIID(HostVersion == L"9" ? DIID_OutlookExplorerEvents : DIID_OutlookExplorerEvents_10);
    ConnectTo(Source);
}

void TzidOutlookExplorerEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    if (App() == nullptr)
        return;
    if (DispID != window_events::Close) {
        RouteEvent(kExplorerRoutes, *App(), DispID, Params);
        return;
    }
    FireThen(*this, kExplorerRoutes, DispID, Params,
             [this](TzidOutlookAppEvents &app) { app.ExplorerClosed(this); });
}

// ---- one inspector ----

void TzidOutlookInspectorEvents::InitServerData() {
    static TzidServerData data{GUID_NULL, DIID_OutlookInspector, DIID_OutlookInspectorEvents_10, nullptr, 500,
                               0};
    SetServerData(data);
}

void TzidOutlookInspectorEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_OutlookInspector);
}

void TzidOutlookInspectorEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    SetEventIID(HostVersion == L"9" ? DIID_OutlookInspectorEvents : DIID_OutlookInspectorEvents_10);
    ConnectTo(Source);
}

void TzidOutlookInspectorEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    if (App() == nullptr)
        return;
    if (DispID != window_events::Close) {
        RouteEvent(kInspectorRoutes, *App(), DispID, Params);
        return;
    }
    FireThen(*this, kInspectorRoutes, DispID, Params,
             [this](TzidOutlookAppEvents &app) { app.InspectorClosed(this); });
}

} // namespace framework
