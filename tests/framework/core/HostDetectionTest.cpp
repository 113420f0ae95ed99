// Which host the module finds behind the Application it is given, the version it reads from it, and
// whether the host counts as a ribbon host.
#include "CoreFixture.h"
#include "framework/core/ProcessState.h"
#include "hostsim/OtherHosts.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"

using classlib::ComPtr;
using namespace framework;
using Events = std::vector<std::wstring>;

namespace coretest {
namespace {

struct THostCase {
    const char *Name;
    hostsim::OtherHostKind Kind;
    TzidOfficeHostApp Host;
    const wchar_t *Version;
    int OfficeVersion;
    bool UsesRibbon;
};

void PrintTo(const THostCase &c, std::ostream *os) {
    *os << c.Name;
}

class HostDetectionTest : public CoreFixture, public ::testing::WithParamInterface<THostCase> {};

TEST_P(HostDetectionTest, TheHostItsVersionAndItsRibbonAreRecognised) {
    const THostCase &c = GetParam();
    hostsim::OtherHost host(c.Kind, c.Version);
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());

    TzidCOMAddInModule &module = *ModuleOf(addIn);
    EXPECT_EQ(module.HostType(), c.Host);
    EXPECT_EQ(HostKind, c.Host);
    EXPECT_EQ(module.OfficeVersion(), c.OfficeVersion);
    EXPECT_EQ(module.UsesRibbon(), c.UsesRibbon);
    for (int h = ohaFirst; h <= ohaLast; ++h)
        EXPECT_EQ(module.HostWrapper(TzidOfficeHostApp(h)) != nullptr, h == c.Host) << "wrapper slot " << h;
    EXPECT_TRUE(CoreLog().Contains(L"StartupComplete"));
    EXPECT_EQ(module.HasAccessTimer(), c.Host == ohaAccess) << "only Access polls";
    EXPECT_FALSE(module.FastShutdownEnabled()) << "Outlook's fast shutdown is Outlook's only";

    Stop(addIn.Get());
    // MapPoint is told that the add-in's commands go.
    EXPECT_EQ(host.Log().Count(L"Application", L"RemoveCommands"), c.Host == ohaMapPoint ? 1 : 0);
}

using K = hostsim::OtherHostKind;
INSTANTIATE_TEST_SUITE_P(
    Hosts, HostDetectionTest,
    ::testing::Values(THostCase{"Excel11", K::Excel, ohaExcel, L"11.0", 11, false},
                      THostCase{"Excel12", K::Excel, ohaExcel, L"12.0", 12, true},
                      THostCase{"Access12", K::Access, ohaAccess, L"12.0", 12, true},
                      THostCase{"Project12", K::Project, ohaProject, L"12.0", 12, false},
                      THostCase{"Project14", K::Project, ohaProject, L"14.0", 14, true},
                      THostCase{"PowerPoint11", K::PowerPoint, ohaPowerPoint, L"11.0", 11, false},
                      THostCase{"PowerPoint12", K::PowerPoint, ohaPowerPoint, L"12.0", 12, true},
                      THostCase{"FrontPage14", K::FrontPage, ohaFrontPage, L"14.0", 14, false},
                      THostCase{"MapPoint19", K::MapPoint, ohaMapPoint, L"19.1", 19, false},
                      THostCase{"Visio12", K::Visio, ohaVisio, L"12,0", 12, false},
                      THostCase{"Visio14", K::Visio, ohaVisio, L"14.0", 14, true},
                      THostCase{"Publisher12", K::Publisher, ohaPublisher, L"12.0", 12, false},
                      THostCase{"Publisher14", K::Publisher, ohaPublisher, L"14.0", 14, true},
                      THostCase{"InfoPath12", K::InfoPath, ohaInfoPath, L"12.0", 12, false},
                      THostCase{"InfoPath14", K::InfoPath, ohaInfoPath, L"14.0", 14, true}),
    [](const ::testing::TestParamInfo<THostCase> &info) { return std::string(info.param.Name); });

class HostSessionTest : public CoreFixture {};

// Outlook's NameSpace is an automation object of no host; no Application at all is none either.
TEST_F(HostSessionTest, AnApplicationOfNoKnownHostOrNoneLeavesTheModuleUnboundButStarts) {
    hostsim::OutlookHost host(L"14.0.0.4760");
    for (IDispatch *application :
         {static_cast<IDispatch *>(&host.NameSpace()), static_cast<IDispatch *>(nullptr)}) {
        CoreLog().Events.clear();
        ComPtr<IDTExtensibility2> addIn = Started(application);
        TzidCOMAddInModule &module = *ModuleOf(addIn);
        EXPECT_EQ(module.HostType(), ohaExcel);
        for (int h = ohaFirst; h <= ohaLast; ++h)
            EXPECT_EQ(module.HostWrapper(TzidOfficeHostApp(h)), nullptr);
        EXPECT_EQ(module.OfficeVersion(), 0);
        EXPECT_EQ(CoreLog().Events, (Events{L"Initialize", L"StartupComplete"}));
        EXPECT_EQ(host.Log().Count(L"", L"Version"), 0);
        Stop(addIn.Get());
    }
}

// An Access that cannot say its version is version 9; its poll follows the open database.
TEST_F(HostSessionTest, AnAccessWithoutVersionIsVersion9AndItsPollFollowsTheOpenDatabase) {
    hostsim::OtherHost host(hostsim::OtherHostKind::Access, L"9.0");
    host.App().FailAlways(L"Version", DISP_E_MEMBERNOTFOUND);
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    TzidCOMAddInModule &module = *ModuleOf(addIn);
    EXPECT_EQ(module.OfficeVersion(), 9);
    EXPECT_TRUE(module.AccessTimer().Enabled());

    module.AccessTimerTick(nullptr);
    EXPECT_FALSE(module.AccessProjectOpen());
    host.OpenProject(L"C:\\Data\\Orders.mdb");
    module.AccessTimerTick(nullptr);
    EXPECT_TRUE(module.AccessProjectOpen());
    EXPECT_EQ(module.AccessProjectName(), L"Orders.mdb");
    EXPECT_FALSE(module.AccessBusy());

    // An Access that cannot say which project is current changes nothing; the poll never fails.
    host.App().FailAlways(L"CurrentProject", E_FAIL);
    host.CloseProject();
    EXPECT_NO_THROW(module.AccessTimerTick(nullptr));
    EXPECT_TRUE(module.AccessProjectOpen());
    host.App().ClearFaults();
    module.AccessTimerTick(nullptr);
    EXPECT_FALSE(module.AccessProjectOpen());
    Stop(addIn.Get());
}

// A failing Startup handler does not stop the start; Word 2007 is a ribbon host.
TEST_F(HostSessionTest, WordsEventsAreConnectedWithItsMajorVersionAndItsStartupIsReplayed) {
    for (int major : {11, 12}) {
        const std::wstring version = std::to_wstring(major);
        CoreLog().Events.clear();
        if (major == 12)
            CoreLog().Failing = {L"WordStartup"};
        hostsim::WordHost host(version + L".0");
        ComPtr<IDTExtensibility2> addIn = Started(host.Application());
        Events expected{L"WordEvents.ConnectToVersion(" + version + L")", L"WordStartup"};
        if (major == 12)
            expected.push_back(L"Error:WordStartup failed");
        expected.insert(expected.end(), {L"Initialize", L"StartupComplete"});
        EXPECT_EQ(CoreLog().Events, expected);
        EXPECT_NE(ModuleOf(addIn)->WordApp(), nullptr);
        EXPECT_EQ(ModuleOf(addIn)->OutlookApp(), nullptr);
        EXPECT_EQ(ModuleOf(addIn)->HostType(), ohaWord);
        EXPECT_EQ(ModuleOf(addIn)->UsesRibbon(), major == 12);
        EXPECT_FALSE(ModuleOf(addIn)->FastShutdownEnabled());
        Stop(addIn.Get());
    }
}

TEST_F(HostSessionTest, OutlookIsARibbonHostFromVersion12) {
    for (const wchar_t *version : {L"11.0", L"12.0.0.4518"}) {
        hostsim::OutlookHost host(version);
        ComPtr<IDTExtensibility2> addIn = Started(host.Application());
        TzidCOMAddInModule &module = *ModuleOf(addIn);
        EXPECT_EQ(module.HostType(), ohaOutlook);
        EXPECT_EQ(module.OfficeVersion(), host.MajorVersion());
        EXPECT_EQ(module.UsesRibbon(), host.MajorVersion() == 12);
        EXPECT_NE(module.OutlookApp(), nullptr);
        EXPECT_EQ(module.WordApp(), nullptr);
        Stop(addIn.Get());
    }
}

TEST(HostVersionTest, TheMajorVersionIsTheNumberBeforeTheFirstPointOrComma) {
    struct {
        const wchar_t *Text;
        int Version;
    } cases[] = {{L"14.0.0.4760", 14}, {L"12,0,0", 12}, {L"12.0,1", 12}, {L"11,5.2", 9}, {L"9.0", 9},
                 {L"abc", 9},          {L"", 9},        {L"12", 9},      {L".5", 9},     {L"x1.0", 9}};
    for (const auto &c : cases)
        EXPECT_EQ(TzidCOMAddInModule::ParseHostVersion(c.Text), c.Version) << std::wstring(c.Text);
}

} // namespace
} // namespace coretest
