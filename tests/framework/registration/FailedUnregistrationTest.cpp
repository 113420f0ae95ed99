// An unregistration that cannot finish, as the admin running it sees it: the clean-up of Word's
// controls fails, the caller gets "Can't unregister add-in controls." (31103), the add-in stays
// registered and loading as it was, Word is started once, and a second unregistration finishes. And
// a host removed before the add-in: its add-in key goes all the same.
#include "RegistrationFixture.h"

#include "RegTestServer.h"
#include "classlib/ComServer.h"
#include "classlib/OleString.h"
#include "framework/core/ModuleErrors.h"
#include "framework/core/Registration.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarModel.h"
#include "hostsim/CommandBarsObject.h"

using namespace framework;

namespace regtest {
namespace {

class FailedUnregistrationTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        settings().SupportedApps = TzidHostAppSet{ohaWord, ohaOutlook};
        settings().RegisterForAllUsers = true;
        InstallHost(ohaOutlook);
        bars_ = &hostsim::AttachCommandBars(word());
        hostsim::CommandBarSet &set = bars_->Set();
        hostsim::BarRef bar = set.AddBar(std::wstring(L"Tessary"), std::nullopt, false, false);
        zip_ = set.AddControl(bar, 1, std::nullopt, std::nullopt, std::nullopt, false);
        zip_->props.tag = L"Tessary Zip";
    }
    void TearDown() override {
        DeleteFileW(ini_.c_str());
        RegistrationFixture::TearDown();
    }

    // Registers in the scope given and records what earlier starts left in the user's add-in keys;
    // Word's clean-up will fail once.
    void RegisterWithRecords(bool perUser) {
        if (perUser)
            WritePrivateProfileStringW(L"CONFIG", L"PRIVILEGES", L"USER", ini_.c_str());
        ASSERT_EQ(UpdateServerRegistry(true), S_OK);
        for (const std::wstring &key : {wordKey, outlookKey})
            WriteString(HKEY_CURRENT_USER, key, L"ZIDStartMode", L"NORMAL");
        WriteDword(HKEY_CURRENT_USER, wordKey + L"\\Controls", L"Tessary Zip", 7);
        bars_->FailNext(L"FindControl", RPC_E_DISCONNECTED);
    }

    // The registration as it was before the failed unregistration: loading, in its start mode.
    void ExpectStillRegistered(HKEY addInRoot, HKEY classesRoot, const std::wstring &classesKey) {
        for (const std::wstring &key : {wordKey, outlookKey}) {
            EXPECT_EQ(ReadDword(addInRoot, key, L"LoadBehavior"), 3u) << std::string(key.begin(), key.end());
            EXPECT_EQ(ReadString(HKEY_CURRENT_USER, key, L"ZIDStartMode"), L"NORMAL");
        }
        EXPECT_TRUE(testsupport::ValueExists(HKEY_CURRENT_USER, wordKey + L"\\Controls", L"Tessary Zip"));
        EXPECT_TRUE(KeyExists(classesRoot, classesKey + L"\\InprocServer32"));
        EXPECT_TRUE(zip_->alive);
    }

    std::unique_ptr<hostsim::ClassRegistration> StartableWord() {
        return std::make_unique<hostsim::ClassRegistration>(
            L"Word.Application", [this] { return classlib::ComPtr<IUnknown>::Copy(word().Application()); });
    }

    // The ini file beside the library, which asks for a per-user registration.
    const std::wstring ini_ = [] {
        std::wstring name = classlib::ComServer().ServerFileName();
        return name.substr(0, name.rfind(L'.')) + L".ini";
    }();
    const std::wstring clsidKey = L"CLSID\\" + classlib::GUIDToString(CLSID_TSY);
    hostsim::CommandBarsObject *bars_ = nullptr;
    hostsim::ControlRef zip_;
};

TEST_F(FailedUnregistrationTest, MachineWideTheFailureReachesTheCallerAndTheAddInKeepsLoading) {
    auto wordClass = StartableWord();
    RegisterWithRecords(false);

    EXPECT_EQ(UpdateServerRegistry(false), ZidErrorHResult(zidErrCantUnregisterControls));
    ExpectStillRegistered(HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT, clsidKey);
    EXPECT_TRUE(word().HasQuit()) << "the Word started for the clean-up was left running";

    EXPECT_EQ(UpdateServerRegistry(false), S_OK);
    EXPECT_FALSE(zip_->alive);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, wordKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, clsidKey));
}

// Trying again machine-wide would start Word a second time and, when that worked, answer success
// with the user's class keys left behind.
TEST_F(FailedUnregistrationTest, PerUserTheFailureIsReportedWithoutStartingWordAgain) {
    auto wordClass = StartableWord();
    RegisterWithRecords(true);
    ASSERT_TRUE(PerUserRegistration);

    EXPECT_EQ(UpdateServerRegistry(false), ZidErrorHResult(zidErrCantUnregisterControls));
    EXPECT_EQ(wordClass->Created(), 1);
    ExpectStillRegistered(HKEY_CURRENT_USER, HKEY_CURRENT_USER, L"Software\\Classes\\" + clsidKey);

    EXPECT_EQ(UpdateServerRegistry(false), S_OK);
    EXPECT_FALSE(zip_->alive);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes\\" + clsidKey));
    EXPECT_TRUE(IsEmpty(HKEY_LOCAL_MACHINE));
}

// Word was uninstalled first: its add-in key, under both roots, goes with the others; its handler
// does not run, as Word is not there to register for.
TEST_F(FailedUnregistrationTest, TheKeysOfAHostRemovedBeforeTheAddInGoToo) {
    UninstallHost(ohaWord);
    WriteDword(HKEY_LOCAL_MACHINE, wordKey, L"LoadBehavior", 3);
    WriteString(HKEY_CURRENT_USER, wordKey + L"\\CommandBars", L"Tessary", L"");
    factory().RegisterAddIn();
    std::vector<TzidOfficeHostApp> seen;
    settings().BeforeUnregister = [&](TRegTestModule &module) { seen.push_back(module.HostType()); };

    factory().UpdateRegistry(false);

    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, wordKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, outlookKey));
    EXPECT_EQ(seen, std::vector<TzidOfficeHostApp>{ohaOutlook});
}

} // namespace
} // namespace regtest
