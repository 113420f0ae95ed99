// Unregistration: the uninstall marks written into the add-in keys, the registration events, and
// the removal of everything registration wrote.
#include "RegistrationFixture.h"

#include "framework/core/AddInModule.h"
#include "framework/core/Registration.h"

using namespace framework;

namespace regtest {
namespace {

class UnregistrationTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        settings().SupportedApps = TzidHostAppSet{ohaWord, ohaOutlook};
        InstallHost(ohaOutlook);
        InstallHost(ohaWord);
    }
};

// The handler sees the add-in key as the clean-up left it: marked for uninstall, not loaded any more.
TEST_F(UnregistrationTest, HandlersSeeTheUninstallMarksAndTheKeysGoWithTheirSubkeys) {
    settings().RegisterForAllUsers = false;
    PerUserRegistration = true;
    factory().UpdateRegistry(true);
    WriteDword(HKEY_CURRENT_USER, outlookKey + L"\\Controls", L"Tessary Zip", 7);
    WriteString(HKEY_CURRENT_USER, outlookKey + L"\\CommandBars", L"Tessary", L"");
    WriteString(HKEY_CURRENT_USER, outlookKey, L"ZIDStartMode", L"NORMAL");

    std::vector<std::wstring> seen;
    settings().BeforeUnregister = [&](TRegTestModule &module) {
        classlib::TRegistry &reg = module.Registry();
        EXPECT_EQ(module.Factory(), &factory());
        EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
        seen.push_back(classlib::EnumTypeInfo<TzidOfficeHostApp>().NameOf(module.HostType()) + L" " +
                       reg.CurrentPath() + L" " + reg.ReadString(L"ZIDStartMode") + L" " +
                       std::to_wstring(reg.ReadInteger(L"LoadBehavior")));
        if (module.HostType() == ohaWord)
            throw classlib::Exception(L"Word handler failed");
    };
    factory().UpdateRegistry(false);

    EXPECT_EQ(seen, (std::vector<std::wstring>{L"ohaWord " + wordKey + L" UNINSTALL 0",
                                               L"ohaOutlook " + outlookKey + L" UNINSTALL 0"}));
    EXPECT_EQ(settings().Errors, std::vector<std::wstring>{L"Word handler failed"});
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, outlookKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey));
}

// An all-users registration asked to stay per user registered under the user: its unregistration
// marks that key, and leaves a machine-wide key of another installation as it is.
TEST_F(UnregistrationTest, PerUserUnregistrationMarksTheUsersKeyNotTheMachines) {
    settings().RegisterForAllUsers = true;
    WriteDword(HKEY_LOCAL_MACHINE, outlookKey, L"LoadBehavior", 3);
    WriteDword(HKEY_CURRENT_USER, outlookKey, L"LoadBehavior", 3);
    PerUserRegistration = true;
    factory().UnregisterControls();
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, outlookKey, L"LoadBehavior"), 0u);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, outlookKey, L"ZIDStartMode"), L"UNINSTALL");
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, outlookKey, L"LoadBehavior"), 3u);

    PerUserRegistration = false;
    factory().UnregisterControls();
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, outlookKey, L"LoadBehavior"), 0u);
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, outlookKey, L"ZIDStartMode"), L"<missing>");
}

TEST_F(UnregistrationTest, TheCleanUpCreatesNoKeyThatWasNotThere) {
    settings().RegisterForAllUsers = true;
    factory().UnregisterControls();
    EXPECT_TRUE(IsEmpty(HKEY_CURRENT_USER));
    EXPECT_TRUE(IsEmpty(HKEY_LOCAL_MACHINE));
}

// Registration events fire once per supported, installed host with the module's key open (created)
// at that host's add-in key; a failing handler is reported and the next host still gets its turn.
TEST_F(UnregistrationTest, AfterRegisterFiresPerHostWithTheAddInKeyOpen) {
    std::vector<TzidOfficeHostApp> hosts;
    settings().AfterRegister = [&](TRegTestModule &module) {
        hosts.push_back(module.HostType());
        module.Registry().WriteString(L"Marker", L"seen");
        throw classlib::EOleSysError(L"handler", E_FAIL);
    };
    settings().SupportedApps = TzidHostAppSet{ohaExcel, ohaWord, ohaOutlook};
    UninstallHost(ohaExcel);
    factory().RegisterAddIn();
    EXPECT_EQ(hosts, (std::vector<TzidOfficeHostApp>{ohaWord, ohaOutlook}));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, wordKey, L"Marker"), L"seen");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, outlookKey, L"Marker"), L"seen");
    EXPECT_EQ(settings().Errors.size(), 2u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\Excel"));
}

} // namespace
} // namespace regtest
