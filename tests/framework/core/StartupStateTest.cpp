// What the start-up sequence reads and writes in the registry: the add-in's start mode and Office's
// colour scheme.
#include "CoreFixture.h"
#include "hostsim/OutlookHost.h"

using classlib::ComPtr;
using namespace framework;

namespace coretest {
namespace {

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
                      TThemeCase{"LowByteOnly", L"12.0.0.4518", true, 0x101, TzidOfficeColorScheme::Blue}),
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
