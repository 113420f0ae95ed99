// Which host the module finds behind the Application it is given, the version it reads from it, and
// whether the host counts as a ribbon host; what the start-up reads and writes in the registry: the
// add-in's start mode and Office's colour scheme.
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

class StartModeTest : public CoreFixture {
protected:
    // The start mode the module had when its initialize event fired.
    TzidStartMode StartWith(const wchar_t *version = L"11.0") {
        TzidStartMode seen = zsmUnknown;
        CoreLog().Action = [&](TCoreModule &module, const std::wstring &event) {
            if (event == L"Initialize")
                seen = module.StartMode();
        };
        hostsim::OutlookHost host(version);
        ComPtr<IDTExtensibility2> addIn = Started(host.Application());
        Stop(addIn.Get());
        return seen;
    }
    const std::wstring key_ = AddInKey(ohaOutlook);
};

// The first start is recorded as normal; a stored mode is read in any letter case, and a value
// that is no text names no mode.
TEST_F(StartModeTest, TheFirstStartIsRecordedAndTheStoredModeReadInAnyLetterCase) {
    EXPECT_EQ(StartWith(), zsmFirstStart);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, key_, L"ZIDStartMode"), L"NORMAL");
    EXPECT_EQ(StartWith(), zsmNormal);
    struct {
        const wchar_t *Stored;
        TzidStartMode Mode;
        const wchar_t *After;
    } cases[] = {{L"normal", zsmNormal, L"normal"},
                 {L"UnInstall", zsmUninstall, L"UnInstall"},
                 {L"firststart", zsmFirstStart, L"NORMAL"},
                 {L"gibberish", zsmUnknown, L"gibberish"},
                 {L"", zsmUnknown, L""}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Stored);
        WriteString(HKEY_CURRENT_USER, key_, L"ZIDStartMode", c.Stored);
        EXPECT_EQ(StartWith(), c.Mode);
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, key_, L"ZIDStartMode"), c.After);
    }
    WriteDword(HKEY_CURRENT_USER, key_, L"ZIDStartMode", 1);
    EXPECT_EQ(StartWith(), zsmUnknown);
}

TEST_F(StartModeTest, TheAddInKeyStaysOpenForTheSession) {
    hostsim::OutlookHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    const classlib::TRegistry &reg = ModuleOf(addIn)->Registry();
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    EXPECT_NE(reg.CurrentKey(), nullptr);
    EXPECT_EQ(reg.CurrentPath(), key_);
    Stop(addIn.Get());
}

struct TThemeCase {
    const char *Name;
    const wchar_t *Version;
    bool KeyExists;
    int Theme; // -1: no value
    TzidOfficeColorScheme Scheme;
};

void PrintTo(const TThemeCase &c, std::ostream *os) {
    *os << c.Name;
}

class ColorSchemeTest : public CoreFixture, public ::testing::WithParamInterface<TThemeCase> {};

TEST_P(ColorSchemeTest, TheSchemeComesFromOfficesThemeOrTheVersionsDefault) {
    const TThemeCase &c = GetParam();
    hostsim::OutlookHost host(c.Version);
    std::wstring common =
        L"Software\\Microsoft\\Office\\" + std::to_wstring(host.MajorVersion()) + L".0\\Common";
    if (c.KeyExists)
        CreateKey(HKEY_CURRENT_USER, common);
    if (c.Theme >= 0)
        WriteDword(HKEY_CURRENT_USER, common, L"Theme", c.Theme);
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    EXPECT_EQ(ModuleOf(addIn)->ColorScheme(), c.Scheme);
    Stop(addIn.Get());
}

INSTANTIATE_TEST_SUITE_P(
    Themes, ColorSchemeTest,
    ::testing::Values(TThemeCase{"Office12Default", L"12.0.0.4518", true, -1, TzidOfficeColorScheme::Blue},
                      TThemeCase{"Office14Default", L"14.0.0.4760", true, -1, TzidOfficeColorScheme::Silver},
                      TThemeCase{"Office11Default", L"11.0", true, -1, TzidOfficeColorScheme::Unknown},
                      TThemeCase{"NoOfficeKey", L"14.0.0.4760", false, -1, TzidOfficeColorScheme::Unknown},
                      TThemeCase{"Office14Black", L"14.0.0.4760", true, 3, TzidOfficeColorScheme::Black},
                      TThemeCase{"Office12Silver", L"12.0.0.4518", true, 2, TzidOfficeColorScheme::Silver},
                      TThemeCase{"LowByteOnly", L"12.0.0.4518", true, 0x101, TzidOfficeColorScheme::Blue},
                      TThemeCase{"NumberOfNoScheme", L"14.0.0.4760", true, 4, TzidOfficeColorScheme::Unknown},
                      TThemeCase{"LowByteOfNoScheme", L"12.0.0.4518", true, 0x1FF,
                                 TzidOfficeColorScheme::Unknown}),
    [](const ::testing::TestParamInfo<TThemeCase> &info) { return std::string(info.param.Name); });

TEST_F(StartModeTest, AThemeThatIsNoNumberLeavesTheSchemeUnknown) {
    WriteString(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\14.0\\Common", L"Theme", L"Black");
    hostsim::OutlookHost host(L"14.0.0.4760");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    EXPECT_EQ(ModuleOf(addIn)->ColorScheme(), TzidOfficeColorScheme::Unknown);
    Stop(addIn.Get());
}

} // namespace
} // namespace coretest
