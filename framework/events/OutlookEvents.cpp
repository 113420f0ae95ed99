#include "framework/events/OutlookEvents.h"

#include <algorithm>

#include "classlib/Classes.h"
#include "classlib/LateBinding.h"
#include "classlib/Trace.h"
#include "framework/core/AddInModule.h"
#include "framework/events/OutlookSinks.h"
#include "office/HostDispIds.h"

using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::OleVariant;

namespace framework {

namespace {

namespace app = office::dispid::outlook_application;
namespace collection = office::dispid::outlook_collection;

// Outlook's class code of a note item: an inspector showing one gets no sink.
constexpr int kOutlookNoteClass = 44;

bool quitFired = false;

// A window's sink, connected on the event interface of the host's version; freed again when the
// connection fails.
template <class Sink>
Sink *ConnectedWindowSink(TzidOutlookAppEvents *owner, IDispatch *window, const std::wstring &version) {
    auto *sink = classlib::Create<Sink>(owner);
    try {
        sink->ConnectToVersion(window, version);
    } catch (...) {
        classlib::Free(sink);
        throw;
    }
    return sink;
}

// Frees every sink of the list, the last first, each as FreeSink frees it.
template <class Sink> void FreeSinks(std::vector<Sink *> &sinks) {
    while (!sinks.empty()) {
        Sink *sink = sinks.back();
        sinks.pop_back();
        TzidCustomEvents::FreeSink(sink);
    }
}

} // namespace

bool OutlookQuitFired() noexcept {
    return quitFired;
}

using Self = TzidOutlookAppEvents;

// Published in the order of Outlook's objects: Application, NameSpace, Explorers, Inspectors,
// Reminders, explorer, inspector, then the context menus.
CLASSLIB_DEFINE_CLASS(TzidOutlookAppEvents, TzidCustomEvents,
                      ZID_OUTLOOK_APPLICATION_EVENTS(ZID_EVENT_PUBLISH, Self);
                      ZID_OUTLOOK_NAMESPACE_EVENTS(ZID_EVENT_PUBLISH, Self);
                      ZID_OUTLOOK_EXPLORERS_EVENTS(ZID_EVENT_PUBLISH, Self);
                      ZID_OUTLOOK_INSPECTORS_EVENTS(ZID_EVENT_PUBLISH, Self);
                      ZID_OUTLOOK_REMINDERS_EVENTS(ZID_EVENT_PUBLISH, Self);
                      ZID_OUTLOOK_EXPLORER_EVENTS(ZID_EVENT_PUBLISH, Self);
                      ZID_OUTLOOK_INSPECTOR_EVENTS(ZID_EVENT_PUBLISH, Self);
                      ZID_OUTLOOK_CONTEXT_MENU_EVENTS(ZID_EVENT_PUBLISH, Self))

TzidOutlookAppEvents::TzidOutlookAppEvents(classlib::TComponent *AOwner) : TzidCustomEvents(AOwner) {}

TzidOutlookAppEvents::~TzidOutlookAppEvents() {
    try {
        Disconnect();
    } catch (...) {
        classlib::TraceException(L"Events", L"Disconnecting Outlook's application events");
    }
    // The child sinks go with the other components.
}

void TzidOutlookAppEvents::AfterConstruction() {
    TzidCustomEvents::AfterConstruction();
    nameSpaceSink_ = classlib::Create<TzidOutlookNameSpaceEvents>(this);
    explorersSink_ = classlib::Create<TzidOutlookExplorersEvents>(this);
    inspectorsSink_ = classlib::Create<TzidOutlookInspectorsEvents>(this);
    remindersSink_ = classlib::Create<TzidOutlookRemindersEvents>(this);
}

void TzidOutlookAppEvents::InitServerData() {
    static TzidServerData data{
        GUID_NULL, DIID_OutlookApplication, DIID_OutlookApplicationEvents_11, nullptr, 500, 0};
    SetServerData(data);
}

void TzidOutlookAppEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    version_ = HostVersion;
    SetEventIID(version_ == L"9"    ? DIID_OutlookApplicationEvents
                : version_ == L"10" ? DIID_OutlookApplicationEvents_10
                                    : DIID_OutlookApplicationEvents_11);
    ConnectTo(Source);
}

void TzidOutlookAppEvents::ConnectTo(IUnknown *Source) {
    ConnectCast(Source, &DIID_OutlookApplication);
    if (!Intf())
        return;
    ComPtr<IDispatch> application = IntfDispatch();
    nameSpaceSink_->ConnectTo(
        DispCall(application.Get(), app::GetNamespace, {OleVariant(L"MAPI")}).ToDispatch().Get());
    ComPtr<IDispatch> explorers = DispGet(application.Get(), app::Explorers).ToDispatch();
    explorersSink_->ConnectTo(explorers.Get());
    ComPtr<IDispatch> inspectors = DispGet(application.Get(), app::Inspectors).ToDispatch();
    inspectorsSink_->ConnectTo(inspectors.Get());
    if (version_ != L"9") {
        // Outlook 2000 has no Reminders; a later Outlook without them (or whose Reminders is no object
        // with events) simply gives no reminder events, and the windows are still followed.
        try {
            remindersSink_->ConnectTo(DispGet(application.Get(), L"Reminders").ToDispatch().Get());
        } catch (const classlib::Exception &) {
            classlib::TraceException(L"Events", L"Outlook's Reminders");
        }
    }
    for (int i = 1, count = DispGet(explorers.Get(), collection::Count).ToInt(); i <= count; ++i)
        AddExplorer(DispCall(explorers.Get(), collection::Item, {OleVariant(i)}).ToDispatch().Get());
    for (int i = 1, count = DispGet(inspectors.Get(), collection::Count).ToInt(); i <= count; ++i)
        AddInspector(DispCall(inspectors.Get(), collection::Item, {OleVariant(i)}).ToDispatch().Get());
}

void TzidOutlookAppEvents::Disconnect() {
    if (!Intf())
        return;
    for (TzidCustomEvents *child : std::initializer_list<TzidCustomEvents *>{nameSpaceSink_, explorersSink_,
                                                                             inspectorsSink_, remindersSink_})
        if (child != nullptr)
            child->Disconnect();
    FreeWindowSinks();
    TzidCustomEvents::Disconnect();
}

// A window sink is of no use once disconnected: a new connection makes new ones.
void TzidOutlookAppEvents::FreeWindowSinks() {
    FreeSinks(explorerSinks_);
    FreeSinks(inspectorSinks_);
}

void TzidOutlookAppEvents::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    static const TzidEventRoute routes[] = {ZID_OUTLOOK_APPLICATION_EVENTS(ZID_EVENT_ROUTE, Self)};
    if (DispID == office::dispid::outlook_application_events::Quit) {
        if (!OnQuit || quitFired)
            return;
        quitFired = true;
    }
    RouteEvent(routes, *this, DispID, Params);
}

void TzidOutlookAppEvents::AddExplorer(IDispatch *Explorer) {
    explorerSinks_.push_back(ConnectedWindowSink<TzidOutlookExplorerEvents>(this, Explorer, version_));
}

void TzidOutlookAppEvents::AddInspector(IDispatch *Inspector) {
    ComPtr<IDispatch> item = DispGet(Inspector, office::dispid::outlook_window::CurrentItem).ToDispatch();
    if (DispGet(item.Get(), L"Class").ToInt() == kOutlookNoteClass)
        return;
    inspectorSinks_.push_back(ConnectedWindowSink<TzidOutlookInspectorEvents>(this, Inspector, version_));
}

void TzidOutlookAppEvents::ExplorerClosed(TzidOutlookExplorerEvents *Sink) {
    std::erase(explorerSinks_, Sink);
    if (explorerSinks_.empty())
        FreeSinks(inspectorSinks_);
    FreeSink(Sink);
}

void TzidOutlookAppEvents::InspectorClosed(TzidOutlookInspectorEvents *Sink) {
    std::erase(inspectorSinks_, Sink);
    FreeSink(Sink);
}

void TzidOutlookAppEvents::Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) {
    TzidCustomEvents::Notification(AComponent, Operation);
    if (Operation != classlib::TOperation::opRemove)
        return;
    std::erase(explorerSinks_, AComponent);
    std::erase(inspectorSinks_, AComponent);
    if (AComponent == nameSpaceSink_)
        nameSpaceSink_ = nullptr;
    else if (AComponent == explorersSink_)
        explorersSink_ = nullptr;
    else if (AComponent == inspectorsSink_)
        inspectorsSink_ = nullptr;
    else if (AComponent == remindersSink_)
        remindersSink_ = nullptr;
}

template <class Body> void TzidOutlookAppEvents::FireGuarded(Body &&body) {
    if (TzidCOMAddInModule *module = Module()) {
        module->RunGuarded(body);
        return;
    }
    try {
        body();
    } catch (...) {
        classlib::TraceException(L"Events", L"An Outlook context-menu handler without a module");
    }
}

void TzidOutlookAppEvents::DoAttachmentContextMenuDisplay(CommandBar *Menu, IDispatch *Attachments) {
    FireGuarded([&, event = OnAttachmentContextMenuDisplay] { event(this, Menu, Attachments); });
}

void TzidOutlookAppEvents::DoViewContextMenuDisplay(CommandBar *Menu, IDispatch *View) {
    FireGuarded([&, event = OnViewContextMenuDisplay] { event(this, Menu, View); });
}

void TzidOutlookAppEvents::DoItemContextMenuDisplay(CommandBar *Menu, IDispatch *Selection) {
    FireGuarded([&, event = OnItemContextMenuDisplay] { event(this, Menu, Selection); });
}

void TzidOutlookAppEvents::DoFolderContextMenuDisplay(CommandBar *Menu, IDispatch *Folder) {
    FireGuarded([&, event = OnFolderContextMenuDisplay] { event(this, Menu, Folder); });
}

void TzidOutlookAppEvents::DoStoreContextMenuDisplay(CommandBar *Menu, IDispatch *Store) {
    FireGuarded([&, event = OnStoreContextMenuDisplay] { event(this, Menu, Store); });
}

void TzidOutlookAppEvents::DoShortcutContextMenuDisplay(CommandBar *Menu, IDispatch *Shortcut) {
    FireGuarded([&, event = OnShortcutContextMenuDisplay] { event(this, Menu, Shortcut); });
}

void TzidOutlookAppEvents::DoContextMenuClose(int ContextMenu) {
    FireGuarded([&, event = OnContextMenuClose] { event(this, ContextMenu); });
}

} // namespace framework
