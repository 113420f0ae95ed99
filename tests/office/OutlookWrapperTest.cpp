// The Outlook wrappers against the simulated Outlook: members read late-bound, events through the
// connection points of each Outlook version, chained handlers, Cancel reaching Outlook, failing
// handlers, and every reference given back on disconnection.
#include "office/OutlookApplication.h"
#include "office/OutlookExplorers.h"
#include "office/OutlookInspectors.h"
#include "office/office.h"

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
    bool cancel = false;    // what ItemSend and the Before... handlers answer
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
    void View(TObject *, const OleVariant &view, bool &cancelled) {
        log.push_back(L"view " + view.ToString());
        cancelled = cancel;
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
    try {
        app.Version();
        ADD_FAILURE() << "no error";
    } catch (const EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), E_ACCESSDENIED);
    }
    app.Quit();
    EXPECT_TRUE(host.HasQuit());
}

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

    auto *mail = host.AddItem(host.DefaultFolder(ol::olFolderDrafts), ol::olMail, L"Report");
    EXPECT_TRUE(host.Send(mail));
    EXPECT_TRUE(mail->Sent());
    EXPECT_EQ(product.lastSender, &app);
    EXPECT_EQ(Sim(product.lastObject.Get()), mail);

    product.cancel = true;
    auto *draft = host.AddItem(host.DefaultFolder(ol::olFolderDrafts), ol::olMail, L"Not yet");
    EXPECT_FALSE(host.Send(draft));
    EXPECT_FALSE(draft->Sent());
    EXPECT_EQ(product.log,
              (std::vector<std::wstring>{L"first", L"chained", L"first", L"chained saw cancel"}));
}

TEST(TOutlookApplication, AFailingHandlerLeavesOutlookWorking) {
    OutlookHost host(L"11.0");
    TOutlookApplication app(nullptr);
    app.ConnectTo(host.Application());
    Recorder product;
    product.failAfter = true;
    app.OnItemSend = MakeEvent<&Recorder::ObjectCancel>(&product);

    auto *drafts = host.DefaultFolder(ol::olFolderDrafts);
    EXPECT_TRUE(host.Send(host.AddItem(drafts, ol::olMail, L"One")));
    product.cancel = true; // a Cancel set before the failure still counts
    EXPECT_FALSE(host.Send(host.AddItem(drafts, ol::olMail, L"Two")));
    product.failAfter = false;
    product.cancel = false;
    EXPECT_TRUE(host.Send(host.AddItem(drafts, ol::olMail, L"Three")));
    EXPECT_EQ(product.log.size(), 3u);
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
