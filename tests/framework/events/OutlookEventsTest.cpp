// TzidOutlookAppEvents against the simulated Outlook of each version: every event of the version's
// interfaces reaches its published event through the real connection points, explorer and inspector
// sinks follow the windows, Quit fires once per process, and nothing stays advised or alive after
// disconnection. And the product's own event components: Tessary.dll, loaded the way Office loads it,
// listens to Outlook (its Application twice from Outlook 2007 on, its windows) and to Word through the
// components its module's form holds, and lets go of all of them when it is disconnected.
#include "EventsTestSupport.h"

#include <optional>

#include "AddInLibrary.h"
#include "ScratchRegistry.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "classlib/ConnectionPoints.h"
#include "framework/events/OutlookSinks.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"

using classlib::ComPtr;
using framework::TzidOutlookAppEvents;
using hostsim::OutlookHost;
namespace ol = hostsim::ol;

namespace eventstest {
namespace {

constexpr DISPID kQuit = 0xF007, kClose = 0xF008;

std::wstring MajorOf(const std::wstring &version) {
    return version.substr(0, version.find(L'.'));
}

std::function<std::wstring(const std::wstring &)> Prefixed(const std::wstring &prefix) {
    return [prefix](const std::wstring &name) { return L"On" + prefix + name; };
}

class OutlookEventsTest : public HostEventsTest<OutlookHost> {
protected:
    void Open(const std::wstring &version) {
        host_ = std::make_unique<OutlookHost>(version);
        for (int i = 0; i < 12; ++i)
            recorder_.Probes.push_back(
                host_->AddFolder(host_->DefaultStore(), L"Probe" + std::to_wstring(i), ol::olMailItem));
        inbox_ = host_->DefaultFolder(ol::olFolderInbox);
        mail_ = host_->AddItem(inbox_, ol::olMail, L"Mail");
        note_ = host_->AddItem(host_->DefaultFolder(ol::olFolderNotes), ol::olNote, L"Note");
        events_ = classlib::Create<TzidOutlookAppEvents>(module_);
    }
    // Opens the version's Outlook (with an explorer on the inbox when asked) and connects the component.
    hostsim::SimOutlookExplorer *Connect(const std::wstring &version, bool withExplorer = false) {
        Open(version);
        auto *explorer = withExplorer ? host_->OpenExplorer(inbox_) : nullptr;
        events_->ConnectToVersion(host_->Application(), MajorOf(version));
        return explorer;
    }
    hostsim::SimConnectionPoints &Points(hostsim::SimObject *object) { return object->Events(); }
    template <class... O> void ExpectNoneAdvised(O *...objects) {
        for (hostsim::SimObject *object : {static_cast<hostsim::SimObject *>(objects)...})
            EXPECT_EQ(Advised(object), 0) << object->Name();
    }
    int Advised(hostsim::SimObject *object) {
        int count = 0;
        for (const IID *iid :
             {&DIID_OutlookApplicationEvents, &DIID_OutlookApplicationEvents_10,
              &DIID_OutlookApplicationEvents_11, &DIID_OutlookExplorerEvents, &DIID_OutlookExplorerEvents_10,
              &DIID_OutlookInspectorEvents, &DIID_OutlookInspectorEvents_10, &DIID_OutlookNameSpaceEvents,
              &DIID_OutlookReminderCollectionEvents, &DIID_OutlookExplorersEvents,
              &DIID_OutlookInspectorsEvents})
            count += object->Events().SinkCount(*iid);
        return count;
    }

    hostsim::SimOutlookFolder *inbox_ = nullptr;
    hostsim::SimOutlookItem *mail_ = nullptr, *note_ = nullptr;
    TzidOutlookAppEvents *events_ = nullptr;
};

class OutlookVersionTest : public OutlookEventsTest, public ::testing::WithParamInterface<const wchar_t *> {};

TEST_P(OutlookVersionTest, EveryEventOfTheVersionsInterfacesReachesItsPublishedEvent) {
    Open(GetParam());
    const int major = host_->MajorVersion();
    auto *explorer = host_->OpenExplorer(inbox_);
    auto *inspector = host_->OpenInspector(mail_);
    events_->ConnectToVersion(host_->Application(), MajorOf(GetParam()));
    EXPECT_TRUE(Errors().empty());

    const IID &application = major == 9    ? DIID_OutlookApplicationEvents
                             : major == 10 ? DIID_OutlookApplicationEvents_10
                                           : DIID_OutlookApplicationEvents_11;
    EXPECT_EQ(Advised(&host_->App()), 1);
    EXPECT_EQ(Points(&host_->App()).SinkCount(application), 1);
    // The context menus come through the Outlook 2007 sink only; Quit is checked on its own below.
    std::set<DISPID> contextMenus{0xFB3E, 0xFB40, 0xFB41, 0xFB42, 0xFB43, 0xFB44, 0xFBA6};
    int routed = ExpectEventsRoute(
        recorder_, {&host_->App(), application, events_, Prefixed(L""), contextMenus, {kQuit}});
    routed += ExpectEventsRoute(
        recorder_,
        {&host_->NameSpace(), DIID_OutlookNameSpaceEvents, events_, Prefixed(L"NameSpace"), {}, {}});

    if (major >= 10) {
        EXPECT_EQ(Points(host_->Reminders()).SinkCount(DIID_OutlookReminderCollectionEvents), 1);
        routed += ExpectEventsRoute(
            recorder_,
            {host_->Reminders(), DIID_OutlookReminderCollectionEvents, events_, Prefixed(L""), {}, {}});
    } else {
        // Outlook 2000 is not even asked for its Reminders.
        EXPECT_EQ(host_->Log().Count(L"", L"Reminders"), 0);
        EXPECT_EQ(events_->RemindersSink()->Intf(), nullptr);
    }

    // The windows' interfaces; Close ends the sink and is checked with the windows, Outlook 2013's inline
    // responses are not published.
    ASSERT_EQ(events_->ExplorerSinks().size(), 1u);
    ASSERT_EQ(events_->InspectorSinks().size(), 1u);
    EXPECT_EQ(Advised(explorer), 1);
    EXPECT_EQ(Advised(inspector), 1);
    routed +=
        ExpectEventsRoute(recorder_, {explorer,
                                      major == 9 ? DIID_OutlookExplorerEvents : DIID_OutlookExplorerEvents_10,
                                      events_,
                                      Prefixed(L"Explorer"),
                                      {0xFC92, 0xFC96},
                                      {kClose}});
    routed += ExpectEventsRoute(recorder_,
                                {inspector,
                                 major == 9 ? DIID_OutlookInspectorEvents : DIID_OutlookInspectorEvents_10,
                                 events_,
                                 Prefixed(L"Inspector"),
                                 {},
                                 {kClose}});
    // All 54 but the context menus (7), Quit, the two Close and the two new-window events, as far as the
    // version has them.
    EXPECT_EQ(routed, major == 9 ? 16 : major == 10 ? 39 : 42);
    EXPECT_TRUE(Errors().empty());

    events_->Disconnect();
    ExpectNoneAdvised(&host_->App(), &host_->NameSpace(), &host_->Explorers(), &host_->Inspectors(), explorer,
                      inspector);
    EXPECT_TRUE(events_->ExplorerSinks().empty());
    EXPECT_TRUE(events_->InspectorSinks().empty());
    EXPECT_EQ(events_->RefCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Outlook, OutlookVersionTest,
                         ::testing::Values(L"9.0", L"10.0", L"11.0", L"12.0.0.4518", L"14.0.0.4760"));

TEST_F(OutlookEventsTest, ExplorerAndInspectorSinksFollowTheWindows) {
    Open(L"11.0");
    auto *explorer1 = host_->OpenExplorer(inbox_);
    auto *mailWindow = host_->OpenInspector(mail_);
    auto *noteWindow = host_->OpenInspector(note_);
    events_->ConnectToVersion(host_->Application(), L"11");
    EXPECT_EQ(events_->ExplorerSinks().size(), 1u);
    EXPECT_EQ(events_->InspectorSinks().size(), 1u) << "a note's inspector gets no sink";
    EXPECT_EQ(Advised(noteWindow), 0);
    EXPECT_EQ(Advised(mailWindow), 1);
    for (const wchar_t *event : {L"OnNewExplorer", L"OnNewInspector", L"OnExplorerSelectionChange",
                                 L"OnInspectorActivate", L"OnExplorerClose", L"OnInspectorClose"})
        ASSERT_TRUE(recorder_.Bind(*events_, event));

    auto *explorer2 = host_->OpenExplorer(host_->DefaultFolder(ol::olFolderSentMail));
    ASSERT_EQ(recorder_.Count(L"OnNewExplorer"), 1);
    EXPECT_EQ(recorder_.Calls[0].Args, (std::vector<std::wstring>{explorer2->Name()}));
    EXPECT_EQ(events_->ExplorerSinks().size(), 2u);
    host_->Select(explorer2, {mail_});
    EXPECT_EQ(recorder_.Count(L"OnExplorerSelectionChange"), 1);

    host_->OpenInspector(host_->AddItem(host_->DefaultFolder(ol::olFolderNotes), ol::olNote, L"Note 2"));
    EXPECT_EQ(recorder_.Count(L"OnNewInspector"), 1);
    EXPECT_EQ(events_->InspectorSinks().size(), 1u);
    auto *mail2Window = host_->OpenInspector(host_->AddItem(inbox_, ol::olMail, L"Mail 2"));
    EXPECT_EQ(events_->InspectorSinks().size(), 2u);
    EXPECT_EQ(recorder_.Count(L"OnInspectorActivate"), 1) << "only inspectors with a sink report";

    const LONG before = classlib::ComServer().ObjectCount();
    host_->Close(mail2Window);
    EXPECT_EQ(recorder_.Count(L"OnInspectorClose"), 1);
    EXPECT_EQ(events_->InspectorSinks().size(), 1u);
    EXPECT_EQ(classlib::ComServer().ObjectCount(), before - 1) << "the closed window's dispatcher is freed";

    host_->Close(explorer2);
    EXPECT_EQ(recorder_.Count(L"OnExplorerClose"), 1);
    EXPECT_EQ(events_->ExplorerSinks().size(), 1u);
    EXPECT_EQ(events_->InspectorSinks().size(), 1u);
    // The last explorer takes the inspectors' sinks with it.
    host_->Close(explorer1);
    EXPECT_TRUE(events_->ExplorerSinks().empty());
    EXPECT_TRUE(events_->InspectorSinks().empty());
    EXPECT_EQ(Advised(mailWindow), 0);
    host_->Select(explorer1, {});
    // Inspectors opened afterwards get sinks from NewInspector.
    host_->OpenInspector(host_->AddItem(inbox_, ol::olMail, L"Mail 3"));
    EXPECT_EQ(events_->InspectorSinks().size(), 1u);
    EXPECT_EQ(events_->ComponentCount(), 4 + 1) << "closed windows' sinks are freed";
    EXPECT_TRUE(Errors().empty());
}

TEST_F(OutlookEventsTest, AWindowGetsOrLosesItsSinkAlsoWhenItsHandlerFails) {
    Connect(L"12.0.0.4518", true);
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnNewExplorer"));
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnExplorerClose"));
    recorder_.Raise = L"OnNewExplorer";
    auto *explorer = host_->OpenExplorer(inbox_);
    EXPECT_EQ(events_->ExplorerSinks().size(), 2u);
    EXPECT_EQ(Advised(explorer), 1);
    recorder_.Raise = L"OnExplorerClose";
    const LONG before = classlib::ComServer().ObjectCount();
    host_->Close(explorer);
    EXPECT_EQ(events_->ExplorerSinks().size(), 1u);
    EXPECT_EQ(classlib::ComServer().ObjectCount(), before - 1);
    EXPECT_EQ(Errors(), (std::vector<std::wstring>{L"The handler of OnNewExplorer failed.",
                                                   L"The handler of OnExplorerClose failed."}));
}

TEST_F(OutlookEventsTest, AHandlerMayDisconnectOrFreeEverythingDuringItsOwnEvent) {
    auto *explorer = Connect(L"14.0.0.4760", true);
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnExplorerBeforeFolderSwitch"));
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnExplorerSelectionChange"));

    // Disconnecting unadvises the very sink the host is calling; its answer still reaches Outlook.
    recorder_.Action = [this](const std::wstring &) { events_->Disconnect(); };
    EXPECT_FALSE(host_->SwitchFolder(explorer, host_->DefaultFolder(ol::olFolderSentMail)));
    ExpectNoneAdvised(explorer, &host_->App());

    // Freeing the module frees the component whose handler runs.
    events_->ConnectToVersion(host_->Application(), L"14");
    recorder_.Action = [this](const std::wstring &) { DropModule(); };
    recorder_.Raise = L"OnExplorerSelectionChange";
    host_->Select(explorer, {mail_});
    EXPECT_EQ(recorder_.Count(L"OnExplorerSelectionChange"), 1);
    EXPECT_EQ(module_, nullptr);
    ExpectNoneAdvised(explorer, &host_->App());
    EXPECT_EQ(classlib::ComServer().ObjectCount(), 0);
    host_->Select(explorer, {});
    EXPECT_EQ(recorder_.Count(L"OnExplorerSelectionChange"), 1);
}

TEST_F(OutlookEventsTest, ASinkFreedDuringItsOwnCallGoesWhenTheCallReturns) {
    auto *explorer = Connect(L"11.0", true);
    ASSERT_EQ(events_->ExplorerSinks().size(), 1u);
    framework::TzidOutlookExplorerEvents *sink = events_->ExplorerSinks()[0];
    std::weak_ptr<void> alive = sink->Liveness();
    bool aliveInside = false, connectedInside = true;
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnExplorerSelectionChange"));
    recorder_.Action = [&](const std::wstring &) {
        framework::TzidCustomEvents::FreeSink(sink);
        aliveInside = !alive.expired();
        connectedInside = sink->Connected();
    };
    host_->Select(explorer, {mail_});
    EXPECT_TRUE(aliveInside);
    EXPECT_FALSE(connectedInside);
    EXPECT_TRUE(alive.expired());
    EXPECT_TRUE(events_->ExplorerSinks().empty());
    EXPECT_EQ(Advised(explorer), 0);
}

TEST_F(OutlookEventsTest, QuitFiresAtMostOncePerProcess) {
    Connect(L"14.0.0.4760");
    // Without a handler Quit leaves the process's mark alone.
    const bool firedBefore = framework::OutlookQuitFired();
    Points(&host_->App()).FireAll(kQuit);
    EXPECT_EQ(framework::OutlookQuitFired(), firedBefore);
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnQuit"));
    // The fast shutdown fires it itself; Outlook's own Quit comes after.
    framework::TzidEventParams none;
    events_->DoInvoke(kQuit, none);
    Points(&host_->App()).FireAll(kQuit);
    Points(&host_->App()).FireAll(kQuit);
    EXPECT_EQ(recorder_.Count(L"OnQuit"), firedBefore ? 0 : 1);
    EXPECT_TRUE(framework::OutlookQuitFired());
}

TEST_F(OutlookEventsTest, AnOutlookWithoutReminderEventsIsConnectedAllTheSame) {
    Open(L"11.0");
    host_->App().FailAlways(L"Reminders", E_FAIL);
    events_->ConnectToVersion(host_->Application(), L"11");
    EXPECT_EQ(events_->RemindersSink()->Intf(), nullptr);
    EXPECT_EQ(Advised(&host_->NameSpace()), 1);
    EXPECT_EQ(Advised(&host_->App()), 1);
    host_->App().ClearFaults();
    // Reminders that offer no events are no failure either.
    host_->Reminders()->FailAlways(L"FindConnectionPoint", E_NOINTERFACE);
    events_->ConnectToVersion(host_->Application(), L"11");
    EXPECT_FALSE(events_->RemindersSink()->Connected());
    EXPECT_TRUE(Errors().empty());
}

// Outlook's Application in every member but one: its Reminders property answers a text, no object.
class TRemindersAsText : public IDispatch {
public:
    explicit TRemindersAsText(IDispatch *Application) : outlook_(ComPtr<IDispatch>::Copy(Application)) {
        LPOLESTR name = const_cast<LPOLESTR>(L"Reminders");
        outlook_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &reminders_);
    }
    LONG refs = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (IsEqualIID(riid, IID_IConnectionPointContainer)) // the events are Outlook's own
            return outlook_->QueryInterface(riid, ppv);
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
            !IsEqualIID(riid, DIID_OutlookApplication)) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    // Calls by name need no description.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *Names, UINT Count, LCID Lcid,
                                            DISPID *Ids) override {
        return outlook_->GetIDsOfNames(riid, Names, Count, Lcid, Ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID Id, REFIID riid, LCID Lcid, WORD Flags, DISPPARAMS *Params,
                                     VARIANT *Result, EXCEPINFO *Excep, UINT *ArgErr) override {
        if (Id != reminders_)
            return outlook_->Invoke(Id, riid, Lcid, Flags, Params, Result, Excep, ArgErr);
        if (Result != nullptr) {
            V_VT(Result) = VT_BSTR;
            V_BSTR(Result) = SysAllocString(L"keine");
        }
        return S_OK;
    }

private:
    ComPtr<IDispatch> outlook_;
    DISPID reminders_ = DISPID_UNKNOWN;
};

// Reminders that are no object give no reminder events and stop nothing else: the windows open
// before the connection are followed.
TEST_F(OutlookEventsTest, RemindersThatAreNoObjectLeaveTheRestOfTheConnectionWhole) {
    Open(L"11.0");
    auto *explorer = host_->OpenExplorer(inbox_);
    auto *inspector = host_->OpenInspector(mail_);
    TRemindersAsText application(host_->Application());
    EXPECT_NO_THROW(events_->ConnectToVersion(&application, L"11"));
    EXPECT_EQ(events_->RemindersSink()->Intf(), nullptr);
    EXPECT_EQ(Advised(&host_->App()), 1);
    EXPECT_EQ(Advised(explorer), 1) << "the explorer is followed";
    EXPECT_EQ(Advised(inspector), 1) << "the inspector is followed";
    EXPECT_TRUE(Errors().empty());
    events_->Disconnect();
    ExpectNoneAdvised(&host_->App(), explorer, inspector);
    EXPECT_EQ(application.refs, 1) << "every reference is given back";
}

// The advice Outlook refuses to take back when the component connects again keeps the dispatcher it
// calls, which goes inert: each event is heard once. The release at disconnection takes it back.
TEST_F(OutlookEventsTest, AnAdviceOutlookRefusesToTakeBackIsHeardNoMoreAndTakenBackLater) {
    Connect(L"11.0");
    host_->App().FailNext(L"Unadvise", E_FAIL);
    events_->ConnectToVersion(host_->Application(), L"11");
    EXPECT_EQ(Advised(&host_->App()), 2);
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnNewMail"));
    host_->NewMail();
    EXPECT_EQ(recorder_.Count(L"OnNewMail"), 1);
    classlib::LingeringConnections().Release();
    EXPECT_EQ(Advised(&host_->App()), 1);
}

TEST_F(OutlookEventsTest, FreeingAConnectedComponentDisconnectsEverythingFirst) {
    Open(L"10.0");
    auto *explorer = host_->OpenExplorer(inbox_);
    auto *inspector = host_->OpenInspector(mail_);
    events_->ConnectToVersion(host_->Application(), L"10");
    classlib::Free(events_);
    ExpectNoneAdvised(&host_->App(), &host_->NameSpace(), host_->Reminders(), explorer, inspector);
    EXPECT_EQ(classlib::ComServer().ObjectCount(), 0);
}

class TessaryEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
        registry_.emplace(testsupport::TScratchRoots::UserAndMachine);
        ASSERT_TRUE(registry_->Redirected());
        ASSERT_TRUE(library_.Loaded());
    }
    // Every host of the test has gone: the library may unload.
    void TearDown() override {
        EXPECT_EQ(library_.CanUnloadNow(), S_OK);
        registry_.reset();
        if (oleInitialized_)
            OleUninitialize();
    }
    ComPtr<IDTExtensibility2> NewAddIn() { return library_.CreateAddIn().TryAs<IDTExtensibility2>(); }

    addintest::TAddInLibrary library_;
    SAFEARRAY *custom_ = nullptr;

private:
    std::optional<testsupport::TScratchRegistry> registry_;
    bool oleInitialized_ = false;
};

TEST_F(TessaryEventsTest, TheModulesOutlookComponentsListenUntilDisconnection) {
    {
        hostsim::OutlookHost host(L"12.0.0.4518");
        auto *explorer = host.OpenExplorer(host.DefaultFolder(ol::olFolderInbox));
        ComPtr<IDTExtensibility2> addIn = NewAddIn();
        ASSERT_TRUE(addIn);
        ASSERT_EQ(addIn->OnConnection(host.Application(), ext_cm_Startup, nullptr, &custom_), S_OK);
        ASSERT_EQ(addIn->OnStartupComplete(&custom_), S_OK);
        auto &application = host.App().Events();
        // The framework's wrapper, zidOutlookAppEvents1 and the context-menu sink.
        EXPECT_EQ(application.SinkCount(DIID_OutlookApplicationEvents_11), 3);
        EXPECT_EQ(host.NameSpace().Events().SinkCount(DIID_OutlookNameSpaceEvents), 2);
        EXPECT_EQ(host.Reminders()->Events().SinkCount(DIID_OutlookReminderCollectionEvents), 1);
        // zidOutlookAppEvents1's explorer sinks (and whatever else of the framework follows the windows).
        EXPECT_GE(explorer->Events().SinkCount(DIID_OutlookExplorerEvents_10), 1);
        auto *second = host.OpenExplorer(host.DefaultFolder(ol::olFolderSentMail));
        EXPECT_GE(second->Events().SinkCount(DIID_OutlookExplorerEvents_10), 1)
            << "a new explorer is followed";

        EXPECT_EQ(addIn->OnBeginShutdown(&custom_), S_OK);
        EXPECT_EQ(addIn->OnDisconnection(ext_dm_HostShutdown, &custom_), S_OK);
        EXPECT_EQ(application.SinkCount(DIID_OutlookApplicationEvents_11), 0);
        EXPECT_EQ(host.NameSpace().Events().SinkCount(DIID_OutlookNameSpaceEvents), 0);
        EXPECT_EQ(host.Reminders()->Events().SinkCount(DIID_OutlookReminderCollectionEvents), 0);
        EXPECT_EQ(explorer->Events().SinkCount(DIID_OutlookExplorerEvents_10), 0);
        EXPECT_EQ(second->Events().SinkCount(DIID_OutlookExplorerEvents_10), 0);
        EXPECT_EQ(library_.CanUnloadNow(), S_FALSE) << "the host still holds the add-in object";
    }
}

TEST_F(TessaryEventsTest, TheModulesWordComponentListensToWord) {
    hostsim::WordHost host(L"14.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ASSERT_TRUE(addIn);
    ASSERT_EQ(addIn->OnConnection(host.Application(), ext_cm_AfterStartup, nullptr, &custom_), S_OK);
    // The framework's wrapper and zidWordAppEvents.
    EXPECT_EQ(host.App().Events().SinkCount(DIID_WordApplicationEvents4), 2);
    EXPECT_EQ(addIn->OnDisconnection(ext_dm_HostShutdown, &custom_), S_OK);
    EXPECT_EQ(host.App().Events().SinkCount(DIID_WordApplicationEvents4), 0);
}

} // namespace
} // namespace eventstest
