// The components of Excel, Project, PowerPoint, FrontPage, Visio, MapPoint, Publisher and InfoPath
// against their simulated hosts: each connects where its host raises its application events, and every
// event the host declares (but those newer than the component knows) reaches its published event with
// arguments of every shape.
#include "EventsTestSupport.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/TypInfo.h"
#include "framework/events/OfficeAppEvents.h"
#include "framework/events/OtherAppEvents.h"
#include "hostsim/OtherHosts.h"

using classlib::OleVariant;
using hostsim::EventArg;
using hostsim::OtherHostKind;

namespace eventstest {
namespace {

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

} // namespace
} // namespace eventstest
