// The child sinks of TzidOutlookAppEvents: one per Outlook object it listens to besides the
// Application. They publish nothing; each fires its owner's events, with the owner as the sender. A
// child made with another owner than a TzidOutlookAppEvents fires nothing.
#pragma once
#include "framework/events/OutlookEvents.h"

namespace framework {

class TzidOutlookChildEvents : public TzidCustomEvents {
    CLASSLIB_CLASS(TzidOutlookChildEvents)
public:
    using TzidCustomEvents::TzidCustomEvents;
    ~TzidOutlookChildEvents() override;
    void AfterConstruction() override;
    void Disconnect() override { TzidCustomEvents::Disconnect(); }

    TzidOutlookAppEvents *App() const noexcept { return app_; }

private:
    TzidOutlookAppEvents *app_ = nullptr;
};

// The NameSpace ("MAPI"), as _NameSpace.
class TzidOutlookNameSpaceEvents : public TzidOutlookChildEvents {
    CLASSLIB_CLASS(TzidOutlookNameSpaceEvents)
public:
    using TzidOutlookChildEvents::TzidOutlookChildEvents;
    void ConnectTo(IUnknown *Source) override;
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

protected:
    void InitServerData() override;
};

// The Reminders collection, advised on as it is.
class TzidOutlookRemindersEvents : public TzidOutlookChildEvents {
    CLASSLIB_CLASS(TzidOutlookRemindersEvents)
public:
    using TzidOutlookChildEvents::TzidOutlookChildEvents;
    void ConnectTo(IUnknown *Source) override;
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

protected:
    void InitServerData() override;
};

// The Explorers collection: NewExplorer, after which the new window gets its sink (also when the
// handler raised).
class TzidOutlookExplorersEvents : public TzidOutlookChildEvents {
    CLASSLIB_CLASS(TzidOutlookExplorersEvents)
public:
    using TzidOutlookChildEvents::TzidOutlookChildEvents;
    void ConnectTo(IUnknown *Source) override;
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

protected:
    void InitServerData() override;
};

// The Inspectors collection: NewInspector, then the new window's sink unless it shows a note.
class TzidOutlookInspectorsEvents : public TzidOutlookChildEvents {
    CLASSLIB_CLASS(TzidOutlookInspectorsEvents)
public:
    using TzidOutlookChildEvents::TzidOutlookChildEvents;
    void ConnectTo(IUnknown *Source) override;
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

protected:
    void InitServerData() override;
};

// One explorer window; its Close ends the sink (and, for the last explorer, the inspectors' sinks).
class TzidOutlookExplorerEvents : public TzidOutlookChildEvents {
    CLASSLIB_CLASS(TzidOutlookExplorerEvents)
public:
    using TzidOutlookChildEvents::TzidOutlookChildEvents;
    void ConnectTo(IUnknown *Source) override;
    // "9": Outlook 2000's ExplorerEvents; any other version: ExplorerEvents_10.
    void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

protected:
    void InitServerData() override;
};

// One inspector window; its Close ends the sink.
class TzidOutlookInspectorEvents : public TzidOutlookChildEvents {
    CLASSLIB_CLASS(TzidOutlookInspectorEvents)
public:
    using TzidOutlookChildEvents::TzidOutlookChildEvents;
    void ConnectTo(IUnknown *Source) override;
    // "9": Outlook 2000's InspectorEvents; any other version: InspectorEvents_10.
    void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

protected:
    void InitServerData() override;
};

} // namespace framework
