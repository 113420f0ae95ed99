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
    // Source cast to the class's host interface (a class without one advises on Source as it is).
    void ConnectTo(IUnknown *Source) override;

    TzidOutlookAppEvents *App() const noexcept { return app_; }

protected:
    // A window's sink: "9" (Outlook 2000) advises on Older, any other version on the class's interface.
    void ConnectToWindowVersion(IUnknown *Source, const std::wstring &HostVersion, REFIID Older);

private:
    TzidOutlookAppEvents *app_ = nullptr;
};

// One child sink's declaration; the variadic part holds members of its own.
#define ZID_OUTLOOK_CHILD_CLASS(Class, ...)                                                                  \
    class Class : public TzidOutlookChildEvents {                                                            \
        CLASSLIB_CLASS(Class)                                                                                \
    public:                                                                                                  \
        using TzidOutlookChildEvents::TzidOutlookChildEvents;                                                \
        void DoInvoke(DISPID DispID, TzidEventParams &Params) override;                                      \
        __VA_ARGS__                                                                                          \
                                                                                                             \
    protected:                                                                                               \
        void InitServerData() override;                                                                      \
    };

// The NameSpace ("MAPI"), as _NameSpace.
ZID_OUTLOOK_CHILD_CLASS(TzidOutlookNameSpaceEvents)

// The Reminders collection, advised on as it is.
ZID_OUTLOOK_CHILD_CLASS(TzidOutlookRemindersEvents)

// The Explorers collection: NewExplorer, after which the new window gets its sink (also when the
// handler raised).
ZID_OUTLOOK_CHILD_CLASS(TzidOutlookExplorersEvents)

// The Inspectors collection: NewInspector, then the new window's sink unless it shows a note.
ZID_OUTLOOK_CHILD_CLASS(TzidOutlookInspectorsEvents)

// One explorer window; its Close ends the sink (and, for the last explorer, the inspectors' sinks).
ZID_OUTLOOK_CHILD_CLASS(TzidOutlookExplorerEvents,
                        // "9": Outlook 2000's ExplorerEvents; any other version: ExplorerEvents_10.
                        void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;)

// One inspector window; its Close ends the sink.
ZID_OUTLOOK_CHILD_CLASS(TzidOutlookInspectorEvents,
                        // "9": Outlook 2000's InspectorEvents; any other version: InspectorEvents_10.
                        void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;)

} // namespace framework
