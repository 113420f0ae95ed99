// The components of Word, Excel, Project, PowerPoint, FrontPage, Visio, MapPoint, Publisher and
// InfoPath against their simulated hosts (Outlook's are OutlookEventsTest's). Word's: the version's
// event interface, every event of it, the Startup the module fires on connection, window activation
// with the document and its window. The others: each connects where its host raises its application
// events, and every event the host declares (but those newer than the component knows) reaches its
// published event with arguments of every shape.
#include "EventsTestSupport.h"

#include <tuple>

#include "TraceRecorder.h"
#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/TypInfo.h"
#include "framework/events/OfficeAppEvents.h"
#include "framework/events/OtherAppEvents.h"
#include "framework/events/WordEvents.h"
#include "hostsim/OtherHosts.h"
#include "hostsim/WordHost.h"

using classlib::OleVariant;
using framework::TzidWordAppEvents;
using hostsim::EventArg;
using hostsim::OtherHostKind;

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

struct THostCase {
    OtherHostKind Kind;
    const wchar_t *Version;
    const wchar_t *Class;
    int Published;
    std::set<DISPID> Newer; // declared by the host's library, not known to the component
};

void PrintTo(const THostCase &c, std::ostream *os) {
    *os << classlib::WideToUtf8(c.Class);
}

class OtherHostsEventsTest : public HostEventsTest<hostsim::OtherHost>,
                             public ::testing::WithParamInterface<THostCase> {
protected:
    framework::TzidCustomEvents *Open(OtherHostKind kind, const std::wstring &version,
                                      const std::wstring &cls) {
        host_ = std::make_unique<hostsim::OtherHost>(kind, version);
        for (int i = 0; i < 12; ++i)
            recorder_.Probes.push_back(host_->OpenWindow(L"Probe" + std::to_wstring(i)));
        const classlib::TClassInfo *info = classlib::FindClass(cls);
        EXPECT_NE(info, nullptr) << "not registered";
        return info ? dynamic_cast<framework::TzidCustomEvents *>(info->CreateComponent(module_)) : nullptr;
    }
};

TEST_P(OtherHostsEventsTest, EveryEventTheHostDeclaresReachesItsPublishedEvent) {
    const THostCase &c = GetParam();
    framework::TzidCustomEvents *events = Open(c.Kind, c.Version, c.Class);
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(PublishedEventCount(events->ClassType()), c.Published);
    std::wstring version = c.Version;
    events->ConnectToVersion(host_->Application(), version.substr(0, version.find(L'.')));
    const IID &iid = events->EventIID();
    EXPECT_EQ(host_->EventSource().Events().SinkCount(iid), 1);

    auto published = [](const std::wstring &name) { return name.rfind(L"On", 0) == 0 ? name : L"On" + name; };
    int routed = ExpectEventsRoute(recorder_, {&host_->EventSource(), iid, events, published, c.Newer, {}});
    EXPECT_EQ(routed, c.Published);
    EXPECT_TRUE(Errors().empty());

    events->Disconnect();
    EXPECT_EQ(host_->EventSource().Events().SinkCount(iid), 0);
    EXPECT_EQ(events->RefCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, OtherHostsEventsTest,
    ::testing::Values(
        THostCase{OtherHostKind::Excel, L"14.0", L"TzidExcelAppEvents", 43, {0xC01, 0xC02, 0xC05, 0xC06}},
        THostCase{OtherHostKind::Project, L"14.0", L"TzidProjectAppEvents", 55, {}},
        THostCase{OtherHostKind::PowerPoint, L"14.0", L"TzidPowerPointAppEvents", 31, {0x7F0, 0x7F1}},
        THostCase{OtherHostKind::FrontPage, L"6.0", L"TzidFrontPageAppEvents", 21, {}},
        THostCase{OtherHostKind::Visio, L"14.0", L"TzidVisioAppEvents", 102, {0x38F, 0x390, 0x391, 0x392}},
        THostCase{OtherHostKind::MapPoint, L"17.0", L"TzidMapPointAppEvents", 5, {}},
        THostCase{OtherHostKind::Publisher, L"14.0", L"TzidPublisherAppEvents", 23, {}},
        THostCase{OtherHostKind::InfoPath, L"14.0", L"TzidInfoPathAppEvents", 10, {}}));

TEST_F(OtherHostsEventsTest, Project2000HasItsOwnInterfaceAndAnEmptyProjectReadsAsNone) {
    auto *events = dynamic_cast<framework::TzidProjectAppEvents *>(
        Open(OtherHostKind::Project, L"9.0", L"TzidProjectAppEvents"));
    ASSERT_NE(events, nullptr);
    events->ConnectToVersion(host_->Application(), L"9");
    EXPECT_EQ(host_->EventSource().Events().SinkCount(DIID_ProjectEProjectApp), 1);
    EXPECT_EQ(host_->EventSource().Events().SinkCount(DIID_ProjectEProjectApp2), 0);
    ASSERT_TRUE(recorder_.Bind(*events, L"OnProjectBeforeSave"));
    VARIANT_BOOL cancel = VARIANT_FALSE;
    host_->EventSource().Events().Fire(DIID_ProjectEProjectApp, 3,
                                       {OleVariant(), true, EventArg::Ref(&cancel)});
    ASSERT_EQ(recorder_.Calls.size(), 1u);
    EXPECT_EQ(recorder_.Calls[0].Args, (std::vector<std::wstring>{L"nil", L"true", L"ref:false"}));
    EXPECT_EQ(cancel, VARIANT_TRUE);
}

// InfoPath is heard through its events object (the host case above); a host object of another host
// is refused.
TEST_F(OtherHostsEventsTest, InfoPathRefusesAnObjectOfAnotherHost) {
    auto *events = Open(OtherHostKind::InfoPath, L"12.0", L"TzidInfoPathAppEvents");
    ASSERT_NE(events, nullptr);
    EXPECT_THROW(events->ConnectTo(recorder_.Probes[0]->Identity()), classlib::EOleSysError);
    EXPECT_FALSE(events->Connected());
}

// An InfoPath whose events object cannot be read gives no events, and the trace says what it answered.
TEST_F(OtherHostsEventsTest, InfoPathWithoutItsEventsObjectIsTracedWithTheCode) {
    auto *events = Open(OtherHostKind::InfoPath, L"14.0", L"TzidInfoPathAppEvents");
    ASSERT_NE(events, nullptr);
    host_->App().FailAlways(L"Events", E_ACCESSDENIED);
    testsupport::TTraceRecorder trace;
    events->ConnectTo(host_->Application());
    EXPECT_EQ(trace.Count({L"InfoPath's Events", L"0x80070005"}), 1) << testing::PrintToString(trace.Lines);
    EXPECT_EQ(host_->EventSource().Events().SinkCount(DIID_InfoPathApplicationEvents), 0);
    EXPECT_TRUE(Errors().empty());
}

} // namespace
} // namespace eventstest
