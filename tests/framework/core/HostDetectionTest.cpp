// Which host the module finds behind the Application it is given, the version it reads from it, and
// whether the host counts as a ribbon host.
#include "CoreFixture.h"
#include "TestHosts.h"
#include "framework/core/ProcessState.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"

using classlib::ComPtr;
using namespace framework;
using Events = std::vector<std::wstring>;

namespace coretest {
namespace {

struct THostCase {
    const char *Name;
    const IID *AppIID;
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
    hostsim::SimWorld world;
    auto *app = world.Create<SimBareApplication>(*c.AppIID, c.Version);
    if (c.Host == ohaMapPoint)
        app->AddObjectMethod(L"RemoveCommands");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    Start(addIn.Get(), app);

    TzidCOMAddInModule &module = *ModuleOf(addIn);
    EXPECT_EQ(module.HostType(), c.Host);
    EXPECT_EQ(HostKind, c.Host);
    EXPECT_EQ(module.OfficeVersion(), c.OfficeVersion);
    EXPECT_EQ(module.UsesRibbon(), c.UsesRibbon);
    for (int h = ohaFirst; h <= ohaLast; ++h)
        EXPECT_EQ(module.HostWrapper(TzidOfficeHostApp(h)) != nullptr, h == c.Host) << "wrapper slot " << h;
    EXPECT_TRUE(CoreLog().Contains(L"StartupComplete"));

    Stop(addIn.Get());
    // MapPoint is told that the add-in's commands go.
    EXPECT_EQ(world.Log().Count(L"Application", L"RemoveCommands"), c.Host == ohaMapPoint ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, HostDetectionTest,
    ::testing::Values(THostCase{"Word11", &DIID_WordApplication, ohaWord, L"11.0", 11, false},
                      THostCase{"Word12", &DIID_WordApplication, ohaWord, L"12.0.0.6211", 12, true},
                      THostCase{"Excel11", &DIID_ExcelApplication, ohaExcel, L"11.0", 11, false},
                      THostCase{"Excel12", &DIID_ExcelApplication, ohaExcel, L"12.0", 12, true},
                      THostCase{"Access12", &DIID_AccessApplication, ohaAccess, L"12.0", 12, true},
                      THostCase{"Project12", &DIID_ProjectApplication, ohaProject, L"12.0", 12, false},
                      THostCase{"Project14", &DIID_ProjectApplication, ohaProject, L"14.0", 14, true},
                      THostCase{"PowerPoint12", &DIID_PowerPointApplication, ohaPowerPoint, L"12.0", 12, true},
                      THostCase{"FrontPage14", &DIID_FrontPageApplication, ohaFrontPage, L"14.0", 14, false},
                      THostCase{"MapPoint19", &DIID_MapPointApplication, ohaMapPoint, L"19.1", 19, false},
                      THostCase{"Visio12", &DIID_VisioApplication, ohaVisio, L"12,0", 12, false},
                      THostCase{"Visio14", &DIID_VisioApplication, ohaVisio, L"14.0", 14, true},
                      THostCase{"Publisher12", &DIID_PublisherApplication, ohaPublisher, L"12.0", 12, false},
                      THostCase{"Publisher14", &DIID_PublisherApplication, ohaPublisher, L"14.0", 14, true},
                      THostCase{"InfoPath12", &DIID_InfoPathApplication, ohaInfoPath, L"12.0", 12, false},
                      THostCase{"InfoPath14", &DIID_InfoPathApplication, ohaInfoPath, L"14.0", 14, true}),
    [](const ::testing::TestParamInfo<THostCase> &info) { return std::string(info.param.Name); });

class HostSessionTest : public CoreFixture {};

TEST_F(HostSessionTest, AnApplicationOfNoKnownHostLeavesTheModuleUnboundButStarts) {
    hostsim::SimWorld world;
    auto *app = world.Create<SimBareApplication>(DIID_OutlookMAPIFolder, L"14.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    Start(addIn.Get(), app);

    TzidCOMAddInModule &module = *ModuleOf(addIn);
    EXPECT_EQ(module.HostType(), ohaExcel);
    for (int h = ohaFirst; h <= ohaLast; ++h)
        EXPECT_EQ(module.HostWrapper(TzidOfficeHostApp(h)), nullptr);
    EXPECT_EQ(module.OfficeVersion(), 0);
    EXPECT_EQ(CoreLog().Events, (Events{L"Initialize", L"StartupComplete"}));
    EXPECT_EQ(world.Log().Count(L"Application", L"Version"), 0);
    Stop(addIn.Get());
}

TEST_F(HostSessionTest, AnAccessWithoutVersionIsVersion9AndPollsForItsDatabase) {
    hostsim::SimWorld world;
    auto *app = world.Create<SimBareApplication>(DIID_AccessApplication, L"");
    app->FailAlways(L"Version", DISP_E_MEMBERNOTFOUND);
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    Start(addIn.Get(), app);
    EXPECT_EQ(ModuleOf(addIn)->OfficeVersion(), 9);
    EXPECT_TRUE(ModuleOf(addIn)->AccessTimer().Enabled());
    Stop(addIn.Get());
}

TEST_F(HostSessionTest, TheAccessPollFollowsTheOpenDatabase) {
    hostsim::SimWorld world;
    auto *app = world.Create<SimBareApplication>(DIID_AccessApplication, L"12.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    Start(addIn.Get(), app);
    TzidCOMAddInModule &module = *ModuleOf(addIn);

    module.AccessTimerTick(nullptr); // no project at all: nothing changes
    EXPECT_FALSE(module.AccessProjectOpen());
    auto *project = world.Create<SimAccessProject>();
    app->SetCurrentProject(project);
    project->IsConnected = true;
    project->ProjectName = L"Orders.mdb";
    module.AccessTimerTick(nullptr);
    EXPECT_TRUE(module.AccessProjectOpen());
    EXPECT_EQ(module.AccessProjectName(), L"Orders.mdb");
    EXPECT_FALSE(module.AccessBusy());

    project->IsConnected = false;
    project->ProjectName.clear();
    module.AccessTimerTick(nullptr);
    EXPECT_FALSE(module.AccessProjectOpen());

    // A project whose state cannot be read counts as closed; the poll never fails.
    project->IsConnected = true;
    project->FailAlways(L"Name", E_FAIL);
    module.AccessTimerTick(nullptr);
    EXPECT_FALSE(module.AccessProjectOpen());
    Stop(addIn.Get());
}

TEST_F(HostSessionTest, WordsEventsAreConnectedWithItsMajorVersionAndItsStartupIsReplayed) {
    hostsim::WordHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    Start(addIn.Get(), host.Application());
    EXPECT_EQ(CoreLog().Events, (Events{L"WordEvents.ConnectToVersion(11)", L"WordStartup", L"Initialize",
                                        L"StartupComplete"}));
    EXPECT_NE(ModuleOf(addIn)->WordApp(), nullptr);
    EXPECT_EQ(ModuleOf(addIn)->OutlookApp(), nullptr);
    Stop(addIn.Get());
}

TEST_F(HostSessionTest, AFailingWordStartupHandlerDoesNotStopTheStart) {
    CoreLog().Failing = {L"WordStartup"};
    hostsim::WordHost host(L"12.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    Start(addIn.Get(), host.Application());
    EXPECT_EQ(CoreLog().Events, (Events{L"WordEvents.ConnectToVersion(12)", L"WordStartup",
                                        L"Error:WordStartup failed", L"Initialize", L"StartupComplete"}));
    Stop(addIn.Get());
}

TEST_F(HostSessionTest, OutlookIsARibbonHostFromVersion12) {
    for (const wchar_t *version : {L"11.0", L"12.0.0.4518"}) {
        hostsim::OutlookHost host(version);
        ComPtr<IDTExtensibility2> addIn = NewAddIn();
        Start(addIn.Get(), host.Application());
        TzidCOMAddInModule &module = *ModuleOf(addIn);
        EXPECT_EQ(module.HostType(), ohaOutlook);
        EXPECT_EQ(module.OfficeVersion(), host.MajorVersion());
        EXPECT_EQ(module.UsesRibbon(), host.MajorVersion() == 12);
        EXPECT_NE(module.OutlookApp(), nullptr);
        EXPECT_EQ(module.WordApp(), nullptr);
        Stop(addIn.Get());
    }
}

TEST_F(HostSessionTest, OutlooksEventsAreConnectedWithTheVersionCutAtItsFirstPoint) {
    hostsim::OutlookHost host(L"14.0.0.4760");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    Start(addIn.Get(), host.Application());
    EXPECT_EQ(CoreLog().Events.front(), L"OutlookEvents.ConnectToVersion(14)");
    EXPECT_EQ(ModuleOf(addIn)->HostEvents(), ModuleOf(addIn)->FindComponent(L"OutlookEvents"));
    Stop(addIn.Get());
}

TEST(HostVersionTest, TheMajorVersionIsTheNumberBeforeTheFirstPointOrComma) {
    struct {
        const wchar_t *Text;
        int Version;
    } cases[] = {{L"14.0.0.4760", 14}, {L"12,0,0", 12}, {L"12.0,1", 12}, {L"11,5.2", 9}, {L"9.0", 9},
                 {L"abc", 9},          {L"", 9},         {L"12", 9},     {L".5", 9},      {L"x1.0", 9}};
    for (const auto &c : cases)
        EXPECT_EQ(TzidCOMAddInModule::ParseHostVersion(c.Text), c.Version) << std::wstring(c.Text);
}

} // namespace
} // namespace coretest
