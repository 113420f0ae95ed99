// The Outlook wrappers against the simulated Outlook: members read late-bound, events through the
// connection points of each Outlook version, chained handlers, Cancel reaching Outlook, failing
// handlers, and every reference given back on disconnection; explorers and inspectors tracked from
// their collections' events the way the framework tracks them, their members, their events in
// Outlook's order, Cancel of folder and view switches, and wrappers freed by their own Close.
#include "office/OutlookApplication.h"
#include "office/OutlookExplorers.h"
#include "office/OutlookInspectors.h"
#include "office/office.h"

#include "ErrorOf.h"
#include "classlib/ComServer.h"
#include "hostsim/OutlookHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using classlib::ComPtr;
using classlib::EOleSysError;
using classlib::MakeEvent;
using classlib::OleVariant;
using classlib::TObject;
using hostsim::OutlookHost;
using hostsim::SimObject;
using namespace office;
namespace ol = hostsim::ol;

namespace {

SimObject *Sim(IUnknown *object) {
    return SimObject::FromUnknown(object);
}

// Handlers that write what they receive into one shared log.
class Recorder : public TObject {
public:
    std::vector<std::wstring> log;
    bool cancel = false;    // what ItemSend answers
    bool failAfter = false; // throw once the handler has done its work
    TObject *lastSender = nullptr;
    ComPtr<IDispatch> lastObject, lastSecond;

    void Notify(TObject *sender) {
        lastSender = sender;
        log.push_back(L"notify");
    }
    void Object(TObject *sender, IDispatch *object) {
        lastSender = sender;
        lastObject.CopyFrom(object);
        log.push_back(L"object");
    }
    void Pair(TObject *sender, IDispatch *first, IDispatch *second) {
        lastSender = sender;
        lastObject.CopyFrom(first);
        lastSecond.CopyFrom(second);
        log.push_back(L"pair");
    }
    void ObjectCancel(TObject *sender, IDispatch *object, bool &cancelled) {
        lastSender = sender;
        lastObject.CopyFrom(object);
        log.push_back(cancelled ? L"first saw cancel" : L"first");
        cancelled = cancel;
        if (failAfter)
            throw EOleSysError(L"handler failed", E_FAIL);
    }
};

// A second handler that chains the one it found, the way the framework installs its own.
class Chained : public TObject {
public:
    TDispatchCancelEvent previous;
    std::vector<std::wstring> *log = nullptr;
    void ItemSend(TObject *sender, IDispatch *item, bool &cancel) {
        previous(sender, item, cancel);
        log->push_back(cancel ? L"chained saw cancel" : L"chained");
    }
};

// Creates a wrapper for every window its collection reports, hooks every event, and frees the
// wrapper from the window's own Close, as the framework does.
class Tracker : public TObject {
public:
    std::vector<std::wstring> log;
    std::vector<TOutlookExplorer *> explorers;
    std::vector<TOutlookInspector *> inspectors;
    bool cancel = false;
    ComPtr<IDispatch> newFolder;
    int opened = 0;

    ~Tracker() override {
        for (auto *e : explorers)
            delete e;
        for (auto *i : inspectors)
            delete i;
    }
    void NewExplorer(TObject *, IDispatch *explorer) {
        auto *wrapper = new TOutlookExplorer(nullptr);
        wrapper->SetName(L"explorer" + std::to_wstring(++opened));
        wrapper->ConnectTo(explorer);
        wrapper->OnActivate = MakeEvent<&Tracker::Activate>(this);
        wrapper->OnDeactivate = MakeEvent<&Tracker::Deactivate>(this);
        wrapper->OnFolderSwitch = MakeEvent<&Tracker::FolderSwitch>(this);
        wrapper->OnBeforeFolderSwitch = MakeEvent<&Tracker::BeforeFolderSwitch>(this);
        wrapper->OnViewSwitch = MakeEvent<&Tracker::ViewSwitch>(this);
        wrapper->OnBeforeViewSwitch = MakeEvent<&Tracker::BeforeViewSwitch>(this);
        wrapper->OnSelectionChange = MakeEvent<&Tracker::SelectionChange>(this);
        wrapper->OnClose = MakeEvent<&Tracker::CloseExplorer>(this);
        explorers.push_back(wrapper);
        log.push_back(L"new explorer " + wrapper->Caption());
    }
    void NewInspector(TObject *, IDispatch *inspector) {
        auto *wrapper = new TOutlookInspector(nullptr);
        wrapper->SetName(L"inspector" + std::to_wstring(++opened));
        wrapper->ConnectTo(inspector);
        wrapper->OnActivate = MakeEvent<&Tracker::Activate>(this);
        wrapper->OnDeactivate = MakeEvent<&Tracker::Deactivate>(this);
        wrapper->OnClose = MakeEvent<&Tracker::CloseInspector>(this);
        inspectors.push_back(wrapper);
        log.push_back(L"new inspector " + wrapper->CurrentItemMessageClass());
    }
    static std::wstring Name(TObject *sender) { return static_cast<classlib::TComponent *>(sender)->Name(); }
    void Activate(TObject *sender) { log.push_back(L"activate " + Name(sender)); }
    void Deactivate(TObject *sender) { log.push_back(L"deactivate " + Name(sender)); }
    void FolderSwitch(TObject *sender) { log.push_back(L"folder switch " + Name(sender)); }
    void ViewSwitch(TObject *sender) { log.push_back(L"view switch " + Name(sender)); }
    void SelectionChange(TObject *sender) { log.push_back(L"selection " + Name(sender)); }
    void BeforeFolderSwitch(TObject *sender, IDispatch *folder, bool &cancelled) {
        newFolder.CopyFrom(folder);
        cancelled = cancel;
        log.push_back(L"before folder switch " + Name(sender));
    }
    void BeforeViewSwitch(TObject *sender, const OleVariant &view, bool &cancelled) {
        cancelled = cancel;
        log.push_back(L"before view switch to " + view.ToString() + L" " + Name(sender));
    }
    // The wrapper is freed inside its own event.
    void CloseExplorer(TObject *sender) {
        log.push_back(L"close " + Name(sender));
        auto *wrapper = static_cast<TOutlookExplorer *>(sender);
        explorers.erase(std::find(explorers.begin(), explorers.end(), wrapper));
        delete wrapper;
    }
    void CloseInspector(TObject *sender) {
        log.push_back(L"close " + Name(sender));
        auto *wrapper = static_cast<TOutlookInspector *>(sender);
        inspectors.erase(std::find(inspectors.begin(), inspectors.end(), wrapper));
        delete wrapper;
    }
};

} // namespace

TEST(TOutlookApplication, ReadsOutlooksMembers) {
    OutlookHost host(L"11.0");
    TOutlookApplication app(nullptr);
    app.ConnectTo(host.Application());
    EXPECT_EQ(app.Version(), L"11.0");
    EXPECT_EQ(Sim(app.Explorers().Get()), &host.Explorers());
    EXPECT_EQ(Sim(app.Inspectors().Get()), &host.Inspectors());
    EXPECT_EQ(Sim(app.GetNamespace(L"MAPI").Get()), &host.NameSpace());
    EXPECT_EQ(app.ActiveExplorer(), nullptr);
    EXPECT_EQ(app.ActiveInspector(), nullptr);
    EXPECT_EQ(app.ActiveWindow(), nullptr);

    auto *explorer = host.OpenExplorer(host.DefaultFolder(ol::olFolderInbox));
    auto *inspector =
        host.OpenInspector(host.AddItem(host.DefaultFolder(ol::olFolderDrafts), ol::olMail, L"Hi"));
    EXPECT_EQ(Sim(app.ActiveExplorer().Get()), explorer);
    EXPECT_EQ(Sim(app.ActiveInspector().Get()), inspector);
    EXPECT_EQ(Sim(app.ActiveWindow().Get()), inspector);

    host.App().FailNext(L"Version", E_ACCESSDENIED); // Outlook's failure reaches the caller
    EXPECT_EQ(testsupport::ErrorOf([&] { app.Version(); }), E_ACCESSDENIED);
    app.Quit();
    EXPECT_TRUE(host.HasQuit());
}

// A failing handler leaves Outlook working, and a Cancel set before the failure still counts.
TEST(TOutlookApplication, ItemSendReachesChainedHandlersAndCancelReachesOutlook) {
    OutlookHost host(L"11.0");
    TOutlookApplication app(nullptr);
    app.ConnectTo(host.Application());
    Recorder product;
    Chained framework;
    framework.log = &product.log;
    app.OnItemSend = MakeEvent<&Recorder::ObjectCancel>(&product);
    framework.previous = app.OnItemSend; // chained: the handler found is kept and called first
    app.OnItemSend = MakeEvent<&Chained::ItemSend>(&framework);

    auto *drafts = host.DefaultFolder(ol::olFolderDrafts);
    auto *mail = host.AddItem(drafts, ol::olMail, L"Report");
    EXPECT_TRUE(host.Send(mail));
    EXPECT_TRUE(mail->Sent());
    EXPECT_EQ(product.lastSender, &app);
    EXPECT_EQ(Sim(product.lastObject.Get()), mail);
    product.cancel = true;
    auto *draft = host.AddItem(drafts, ol::olMail, L"Not yet");
    EXPECT_FALSE(host.Send(draft));
    EXPECT_FALSE(draft->Sent());
    product.failAfter = true;
    EXPECT_FALSE(host.Send(host.AddItem(drafts, ol::olMail, L"Failed")));
    product.cancel = false;
    EXPECT_TRUE(host.Send(host.AddItem(drafts, ol::olMail, L"Failed too")));
    EXPECT_EQ(product.log, (std::vector<std::wstring>{L"first", L"chained", L"first", L"chained saw cancel",
                                                      L"first", L"first"}));
}

TEST(TOutlookApplication, EachOutlookVersionDeliversItsEventsOnce) {
    struct Case {
        const wchar_t *version;
        const IID *events;
    } cases[] = {{L"9.0", &DIID_OutlookApplicationEvents},
                 {L"10.0", &DIID_OutlookApplicationEvents_10},
                 {L"11.0", &DIID_OutlookApplicationEvents_11},
                 {L"14.0.0.4760", &DIID_OutlookApplicationEvents_11}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "Outlook " << std::string(c.version, c.version + wcslen(c.version)));
        OutlookHost host(c.version);
        TOutlookApplication app(nullptr);
        app.ConnectTo(host.Application());
        ASSERT_NE(app.EventInterface(), nullptr);
        EXPECT_TRUE(IsEqualIID(*app.EventInterface(), *c.events));
        Recorder product;
        app.OnItemSend = MakeEvent<&Recorder::ObjectCancel>(&product);
        app.OnStartup = MakeEvent<&Recorder::Notify>(&product);
        app.OnNewMail = MakeEvent<&Recorder::Notify>(&product);
        app.OnQuit = MakeEvent<&Recorder::Notify>(&product);
        host.Startup();
        host.NewMail();
        EXPECT_TRUE(host.Send(host.AddItem(host.DefaultFolder(ol::olFolderDrafts), ol::olMail, L"x")));
        host.Quit();
        EXPECT_EQ(product.log, (std::vector<std::wstring>{L"notify", L"notify", L"first", L"notify"}));
    }
}

TEST(TOutlookApplication, OptionsPagesAddOfTheApplicationAndTheNameSpace) {
    OutlookHost host(L"10.0");
    TOutlookApplication app(nullptr);
    app.ConnectTo(host.Application());
    TOutlookNameSpace nameSpace(nullptr);
    nameSpace.ConnectTo(app.GetNamespace(L"MAPI").Get());
    Recorder product;
    app.OnOptionsPagesAdd = MakeEvent<&Recorder::Object>(&product);
    nameSpace.OnOptionsPagesAdd = MakeEvent<&Recorder::Pair>(&product);

    auto *pages = host.AddItem(nullptr, ol::olPost, L"stands in for the page collection");
    auto *inbox = host.DefaultFolder(ol::olFolderInbox);
    host.App().Events().FireAll(0xF005, {hostsim::EventArg(pages)});
    EXPECT_EQ(product.lastSender, &app);
    EXPECT_EQ(Sim(product.lastObject.Get()), pages);
    host.NameSpace().Events().FireAll(0xF005, {hostsim::EventArg(pages), hostsim::EventArg(inbox)});
    EXPECT_EQ(product.lastSender, &nameSpace);
    EXPECT_EQ(Sim(product.lastObject.Get()), pages);
    EXPECT_EQ(Sim(product.lastSecond.Get()), inbox);
    EXPECT_EQ(product.log, (std::vector<std::wstring>{L"object", L"pair"}));
}

TEST(TOutlookApplication, DisconnectStopsEventsAndGivesBackEveryReference) {
    OutlookHost host(L"11.0");
    LONG refs = host.App().ClientRefs();
    LONG objects = classlib::ComServer().ObjectCount();
    Recorder product;
    auto *drafts = host.DefaultFolder(ol::olFolderDrafts);
    {
        TOutlookApplication app(nullptr);
        app.ConnectTo(host.Application());
        app.OnItemSend = MakeEvent<&Recorder::ObjectCancel>(&product);
        EXPECT_GT(host.App().ClientRefs(), refs);
        EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 1);
        host.Send(host.AddItem(drafts, ol::olMail, L"heard"));

        app.Disconnect();
        app.Disconnect(); // a second time changes nothing
        EXPECT_FALSE(app.Connected());
        EXPECT_EQ(app.EventInterface(), nullptr);
        EXPECT_EQ(host.App().ClientRefs(), refs);
        EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
        host.Send(host.AddItem(drafts, ol::olMail, L"not heard"));
        EXPECT_EQ(product.log.size(), 1u);

        app.ConnectTo(host.Application()); // and the destructor disconnects as well
        app.ConnectTo(host.Application()); // reconnecting drops the earlier connection first
        EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 1);
    }
    EXPECT_EQ(host.App().ClientRefs(), refs);
    EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
    EXPECT_EQ(classlib::ComServer().ObjectCount(), objects); // no sink left behind
}

TEST(TOutlookExplorer, FollowsAnExplorerFromOpeningToClosing) {
    OutlookHost host(L"11.0");
    TOutlookApplication app(nullptr);
    app.ConnectTo(host.Application());
    TOutlookExplorers explorers(nullptr);
    explorers.ConnectTo(app.Explorers().Get());
    Tracker tracker;
    explorers.OnNewExplorer = MakeEvent<&Tracker::NewExplorer>(&tracker);

    auto *inbox = host.DefaultFolder(ol::olFolderInbox);
    auto *first = host.OpenExplorer(inbox);
    ASSERT_EQ(tracker.explorers.size(), 1u);
    TOutlookExplorer &wrapper = *tracker.explorers[0];
    EXPECT_TRUE(IsEqualIID(*wrapper.EventInterface(), DIID_OutlookExplorerEvents_10));
    EXPECT_EQ(explorers.Count(), 1);
    EXPECT_EQ(Sim(explorers.Item(1).Get()), first);
    EXPECT_EQ(Sim(wrapper.CurrentFolder().Get()), inbox);
    EXPECT_EQ(wrapper.CurrentFolderPath(), L"\\\\Personal Folders\\Inbox");
    EXPECT_EQ(wrapper.CommandBars(), nullptr); // no command-bar simulation attached here

    auto *contacts = host.DefaultFolder(ol::olFolderContacts);
    EXPECT_TRUE(host.SwitchFolder(first, contacts));
    EXPECT_EQ(Sim(tracker.newFolder.Get()), contacts);
    tracker.cancel = true;
    EXPECT_FALSE(host.SwitchFolder(first, inbox)); // the handler's Cancel reaches Outlook
    EXPECT_EQ(first->CurrentFolder(), contacts);
    EXPECT_FALSE(host.SwitchView(first, L"By Company"));
    tracker.cancel = false;
    EXPECT_TRUE(host.SwitchView(first, L"By Company"));
    host.Select(first, {});

    host.OpenExplorer(inbox);
    wrapper.Activate(); // through the wrapper: Outlook raises the events
    EXPECT_EQ(Sim(app.ActiveExplorer().Get()), first);
    wrapper.Close(); // the Close handler frees the wrapper while Outlook is still in the call
    EXPECT_EQ(tracker.explorers.size(), 1u);
    EXPECT_EQ(first->ClientRefs(), 0); // everything the wrapper held is given back

    EXPECT_EQ(
        tracker.log,
        (std::vector<std::wstring>{
            L"new explorer Inbox - Outlook", L"activate explorer1", L"before folder switch explorer1",
            L"folder switch explorer1", L"before folder switch explorer1",
            L"before view switch to By Company explorer1", L"before view switch to By Company explorer1",
            L"view switch explorer1", L"selection explorer1", L"new explorer Inbox - Outlook",
            L"deactivate explorer1", L"activate explorer2", L"deactivate explorer2", L"activate explorer1",
            L"close explorer1", L"activate explorer2"}));
}

TEST(TOutlookInspector, FollowsAnInspectorAndReadsItsItem) {
    OutlookHost host(L"11.0");
    TOutlookApplication app(nullptr);
    app.ConnectTo(host.Application());
    TOutlookInspectors inspectors(nullptr);
    inspectors.ConnectTo(app.Inspectors().Get());
    Tracker tracker;
    inspectors.OnNewInspector = MakeEvent<&Tracker::NewInspector>(&tracker);

    auto *drafts = host.DefaultFolder(ol::olFolderDrafts);
    auto *mail = host.AddItem(drafts, ol::olMail, L"Mail");
    auto *mailWindow = host.OpenInspector(mail);
    ASSERT_EQ(tracker.inspectors.size(), 1u);
    TOutlookInspector &wrapper = *tracker.inspectors[0];
    EXPECT_TRUE(IsEqualIID(*wrapper.EventInterface(), DIID_OutlookInspectorEvents_10));
    EXPECT_EQ(inspectors.Count(), 1);
    EXPECT_EQ(Sim(inspectors.Item(1).Get()), mailWindow);
    EXPECT_EQ(Sim(wrapper.CurrentItem().Get()), mail);
    EXPECT_EQ(wrapper.CurrentItemClass(), 43);
    EXPECT_EQ(wrapper.Caption(), mailWindow->Caption());

    auto *note = host.OpenInspector(host.AddItem(host.DefaultFolder(ol::olFolderNotes), ol::olNote, L"Note"));
    EXPECT_EQ(tracker.inspectors[1]->CurrentItemClass(), 44);
    host.Close(note);
    EXPECT_TRUE(host.Send(mail)); // sending closes the mail's window
    EXPECT_TRUE(tracker.inspectors.empty());
    EXPECT_EQ(mailWindow->ClientRefs(), 0);
    EXPECT_EQ(tracker.log,
              (std::vector<std::wstring>{L"new inspector IPM.Note", L"activate inspector1",
                                         L"new inspector IPM.StickyNote", L"deactivate inspector1",
                                         L"activate inspector2", L"close inspector2", L"activate inspector1",
                                         L"close inspector1"}));
}

TEST(TOutlookExplorer, Outlook2000WindowsDeliverTheirEventsThroughTheOlderInterfaces) {
    OutlookHost host(L"9.0");
    TOutlookApplication app(nullptr);
    app.ConnectTo(host.Application());
    TOutlookExplorers explorers(nullptr);
    explorers.ConnectTo(app.Explorers().Get());
    TOutlookInspectors inspectors(nullptr);
    inspectors.ConnectTo(app.Inspectors().Get());
    Tracker tracker;
    explorers.OnNewExplorer = MakeEvent<&Tracker::NewExplorer>(&tracker);
    inspectors.OnNewInspector = MakeEvent<&Tracker::NewInspector>(&tracker);

    auto *explorer = host.OpenExplorer(host.DefaultFolder(ol::olFolderInbox));
    auto *inspector =
        host.OpenInspector(host.AddItem(host.DefaultFolder(ol::olFolderDrafts), ol::olMail, L"x"));
    EXPECT_TRUE(IsEqualIID(*tracker.explorers[0]->EventInterface(), DIID_OutlookExplorerEvents));
    EXPECT_TRUE(IsEqualIID(*tracker.inspectors[0]->EventInterface(), DIID_OutlookInspectorEvents));
    tracker.cancel = true;
    EXPECT_FALSE(host.SwitchFolder(explorer, host.DefaultFolder(ol::olFolderContacts)));
    host.Close(inspector);
    host.Close(explorer);
    EXPECT_EQ(tracker.log,
              (std::vector<std::wstring>{L"new explorer Inbox - Outlook", L"activate explorer1",
                                         L"new inspector IPM.Note", L"deactivate explorer1",
                                         L"activate inspector2", L"before folder switch explorer1",
                                         L"close inspector2", L"activate explorer1", L"close explorer1"}));
}
