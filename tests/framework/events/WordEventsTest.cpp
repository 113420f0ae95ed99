// TzidWordAppEvents against the simulated Word: the version's event interface, every event of it, the
// Startup the module fires on connection, window activation with the document and its window.
#include "EventsTestSupport.h"

#include "classlib/Classes.h"
#include "framework/events/WordEvents.h"
#include "hostsim/WordHost.h"

#include <tuple>

using classlib::OleVariant;
using framework::TzidWordAppEvents;

namespace eventstest {
namespace {

class WordEventsTest : public HostEventsTest<hostsim::WordHost> {
protected:
    void Open(const std::wstring &version) {
        host_ = std::make_unique<hostsim::WordHost>(version);
        for (int i = 0; i < 12; ++i)
            recorder_.Probes.push_back(host_->AddTemplate(L"Probe" + std::to_wstring(i) + L".dot",
                                                          L"C:\\Probe" + std::to_wstring(i)));
        events_ = classlib::Create<TzidWordAppEvents>(module_);
    }
    int Advised(REFIID iid) { return host_->App().Events().SinkCount(iid); }

    TzidWordAppEvents *events_ = nullptr;
};

struct TWordVersion {
    const wchar_t *Version;
    const IID *Events;
};

class WordVersionTest : public WordEventsTest, public ::testing::WithParamInterface<TWordVersion> {};

TEST_P(WordVersionTest, EveryEventOfTheVersionsInterfaceReachesItsPublishedEvent) {
    Open(GetParam().Version);
    std::wstring version = GetParam().Version;
    events_->ConnectToVersion(host_->Application(), version.substr(0, version.find(L'.')));
    for (const IID *iid :
         {&DIID_WordApplicationEvents2, &DIID_WordApplicationEvents3, &DIID_WordApplicationEvents4})
        EXPECT_EQ(Advised(*iid), iid == GetParam().Events ? 1 : 0);
    int routed = ExpectEventsRoute(recorder_, {&host_->App(),
                                               *GetParam().Events,
                                               events_,
                                               [](const std::wstring &name) { return L"On" + name; },
                                               {},
                                               {}});
    EXPECT_EQ(routed, *GetParam().Events == DIID_WordApplicationEvents4   ? 35
                      : *GetParam().Events == DIID_WordApplicationEvents3 ? 24
                                                                          : 13);
    // DISPIDs 0 and 5 are no events.
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnQuit"));
    recorder_.Calls.clear();
    host_->App().Events().Fire(*GetParam().Events, 0);
    host_->App().Events().Fire(*GetParam().Events, 5);
    EXPECT_TRUE(recorder_.Calls.empty());
    EXPECT_TRUE(Errors().empty());
    events_->Disconnect();
    EXPECT_EQ(Advised(*GetParam().Events), 0);
}

INSTANTIATE_TEST_SUITE_P(Word, WordVersionTest,
                         ::testing::Values(TWordVersion{L"9.0", &DIID_WordApplicationEvents2},
                                           TWordVersion{L"10.0", &DIID_WordApplicationEvents3},
                                           TWordVersion{L"11.0", &DIID_WordApplicationEvents4},
                                           TWordVersion{L"14.0", &DIID_WordApplicationEvents4}));

// The interface a host version asks for belongs to the one connection: another sink of the class,
// connected to a Word of another version meanwhile, does not change it.
TEST_F(WordEventsTest, TwoSinksOfOneClassKeepTheInterfacesOfTheirOwnHosts) {
    Open(L"9.0");
    hostsim::WordHost newer(L"14.0");
    auto *other = classlib::Create<TzidWordAppEvents>(module_);
    events_->ConnectToVersion(host_->Application(), L"9");
    other->ConnectToVersion(newer.Application(), L"14");
    events_->ConnectTo(host_->Application()); // a reconnection keeps its version's interface
    EXPECT_EQ(Advised(DIID_WordApplicationEvents2), 1);
    EXPECT_EQ(newer.App().Events().SinkCount(DIID_WordApplicationEvents4), 1);
    EXPECT_TRUE(IsEqualIID(events_->EventIID(), DIID_WordApplicationEvents2));
    EXPECT_TRUE(IsEqualIID(other->EventIID(), DIID_WordApplicationEvents4));

    // Each dispatcher answers its own connection's interface only.
    for (auto [sink, own, foreign] :
         {std::tuple{events_, &DIID_WordApplicationEvents2, &DIID_WordApplicationEvents4},
          std::tuple{other, &DIID_WordApplicationEvents4, &DIID_WordApplicationEvents2}}) {
        classlib::ComPtr<IUnknown> answer;
        EXPECT_EQ(sink->QueryInterface(*own, answer.PutVoid()), S_OK);
        EXPECT_EQ(sink->QueryInterface(*foreign, answer.PutVoid()), E_NOINTERFACE);
        EXPECT_EQ(answer, nullptr);
    }
    classlib::Free(other);
    EXPECT_EQ(newer.App().Events().SinkCount(DIID_WordApplicationEvents4), 0);
}

TEST_F(WordEventsTest, TheModuleFiresStartupOnConnectionAndWordMayRaiseItAgain) {
    Open(L"12.0");
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnStartup"));
    module_->SetHostApp(OleVariant(host_->Application()));
    module_->ConnectToHost();
    EXPECT_EQ(module_->HostEvents(), events_);
    ASSERT_EQ(recorder_.Count(L"OnStartup"), 1);
    EXPECT_EQ(recorder_.Calls[0].Sender, events_);
    host_->Startup();
    EXPECT_EQ(recorder_.Count(L"OnStartup"), 2);
    // A Startup handler that fails is reported, and the connection stands.
    module_->DisconnectFromHost();
    recorder_.Raise = L"OnStartup";
    module_->ConnectToHost();
    EXPECT_EQ(Errors(), (std::vector<std::wstring>{L"The handler of OnStartup failed."}));
    EXPECT_EQ(Advised(DIID_WordApplicationEvents4), 2); // the wrapper's and the component's
}

TEST_F(WordEventsTest, WindowActivateNamesTheDocumentAndItsWindow) {
    Open(L"14.0");
    events_->ConnectToVersion(host_->Application(), L"14");
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnWindowActivate"));
    auto *first = host_->NewDocument();
    auto *second = host_->OpenDocument(L"C:\\Letter.docx");
    host_->Activate(first->Window());
    std::vector<std::vector<std::wstring>> activations;
    for (const TRecorded &call : recorder_.Calls)
        activations.push_back(call.Args);
    EXPECT_EQ(activations,
              (std::vector<std::vector<std::wstring>>{{first->Name(), first->Window()->Name()},
                                                      {second->Name(), second->Window()->Name()},
                                                      {first->Name(), first->Window()->Name()}}));
}

} // namespace
} // namespace eventstest
