// The two registration paths end to end: per user (chosen by the ini file beside the library) and
// machine-wide through the class library's server registration, each with its unregistration; which
// hosts count as installed; the factory's add-in keys and library folder. Unregistration: the uninstall
// marks written into the add-in keys, the registration events, and the removal of everything
// registration wrote.
#include "RegistrationFixture.h"

#include "RegTestServer.h"
#include "classlib/ComServer.h"
#include "classlib/IniFile.h"
#include "classlib/MessageDialogs.h"
#include "classlib/OleString.h"
#include "framework/core/AddInModule.h"
#include "framework/core/Registration.h"

using namespace framework;

namespace regtest {
namespace {

class RegistrationTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        settings().SupportedApps = TzidHostAppSet{ohaWord, ohaOutlook};
        settings().RegisterForAllUsers = true;
    }

    const std::wstring clsidKey = L"CLSID\\" + classlib::GUIDToString(CLSID_TSY);
    const std::wstring libid = classlib::GUIDToString(LIBID_TessaryRegTest);

    // The add-in key of a registration: the module's settings in their registry form.
    void ExpectAddInKey(HKEY root, const std::wstring &key) {
        EXPECT_EQ(ReadString(root, key, L"FriendlyName"), L"Tessary Test");
        EXPECT_EQ(ReadString(root, key, L"Description"), L"Anh\u00e4nge");
        EXPECT_EQ(ReadDword(root, key, L"LoadBehavior"), 3u);
        EXPECT_EQ(ReadDword(root, key, L"CommandLineSafe"), 0u);
        // Wine lists values sorted by name, so their writing order cannot be seen here.
        EXPECT_EQ(ValueNames(root, key).size(), 4u);
    }
};

// The ini file beside the library decides; it is written through the system's profile functions so
// that their cache never holds an older content.
TEST_F(RegistrationTest, IniFileBesideTheLibraryChoosesPerUserRegistration) {
    std::wstring ini = classlib::ComServer().ServerFileName();
    ini = ini.substr(0, ini.rfind(L'.')) + L".ini";
    DeleteFileW(ini.c_str());
    EXPECT_FALSE(IsPerUserRegistration()) << "no ini file";

    classlib::TIniFile file(ini);
    file.WriteString(L"OTHER", L"PRIVILEGES", L"USER");
    EXPECT_FALSE(IsPerUserRegistration()) << "no CONFIG section";
    for (const wchar_t *user : {L"USER", L"user", L"User"}) {
        file.WriteString(L"CONFIG", L"PRIVILEGES", user);
        EXPECT_TRUE(IsPerUserRegistration()) << std::string(user, user + wcslen(user));
    }
    for (const wchar_t *other : {L"ADMIN", L"USERS", L"US ER", L""}) {
        file.WriteString(L"CONFIG", L"PRIVILEGES", other);
        EXPECT_FALSE(IsPerUserRegistration()) << std::string(other, other + wcslen(other));
    }
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, ini.c_str()); // let go of the cached file
    DeleteFileW(ini.c_str());
}

TEST_F(RegistrationTest, PerUserRegistrationWritesOnlyBelowTheCurrentUser) {
    InstallHost(ohaOutlook);
    UninstallHost(ohaWord);
    PerUserRegistration = true;
    UpdateFactoryRegistry(factory(), true);

    const std::wstring classes = L"Software\\Classes\\";
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, classes + clsidKey, L""), L"Tessary registration test add-in");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, classes + clsidKey + L"\\InprocServer32", L""),
              classlib::ComServer().ServerFileName());
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, classes + clsidKey + L"\\InprocServer32", L"ThreadingModel"),
              L"Apartment");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, classes + clsidKey + L"\\ProgID", L""), L"TessaryRegTest.TSY");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, classes + L"TessaryRegTest.TSY", L""),
              L"Tessary registration test add-in");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, classes + L"TessaryRegTest.TSY\\Clsid", L""),
              classlib::GUIDToString(CLSID_TSY));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, classes + clsidKey + L"\\Version", L""), L"1.2");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, classes + clsidKey + L"\\TypeLib", L""), libid);
    // RegisterForAllUsers is set, yet a per-user registration keeps the add-in key with the user;
    // Word is supported but not installed.
    ExpectAddInKey(HKEY_CURRENT_USER, outlookKey);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey));
    EXPECT_TRUE(IsEmpty(HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(IsEmpty(HKEY_CLASSES_ROOT));
    EXPECT_FALSE(KeyExists(realClasses_, L"TypeLib\\" + libid)) << "the type library was registered";

    UpdateFactoryRegistry(factory(), false);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, classes + clsidKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, classes + L"TessaryRegTest.TSY"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, outlookKey));
    EXPECT_TRUE(IsEmpty(HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(IsEmpty(HKEY_CLASSES_ROOT));
}

TEST_F(RegistrationTest, MachineWideRegistrationGoesThroughTheServerAndHonoursRegisterForAllUsers) {
    InstallHost(ohaOutlook);
    InstallHost(ohaWord);
    ASSERT_EQ(classlib::ComServerRegister(), S_OK);

    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, clsidKey, L""), L"Tessary registration test add-in");
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, clsidKey + L"\\InprocServer32", L""),
              classlib::ComServer().ServerFileName());
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, clsidKey + L"\\Version", L""), L"1.2");
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, clsidKey + L"\\TypeLib", L""), libid);
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + libid));
    ExpectAddInKey(HKEY_LOCAL_MACHINE, outlookKey);
    ExpectAddInKey(HKEY_LOCAL_MACHINE, wordKey);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, outlookKey));

    ASSERT_EQ(classlib::ComServerUnregister(), S_OK);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, clsidKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TessaryRegTest.TSY"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + libid));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, outlookKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, wordKey));
}

TEST_F(RegistrationTest, WithoutRegisterForAllUsersTheAddInKeyBelongsToTheUser) {
    InstallHost(ohaOutlook);
    settings().RegisterForAllUsers = false;
    settings().LoadBehavior = 9;
    factory().RegisterAddIn();
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, outlookKey, L"LoadBehavior"), 9u);
    EXPECT_TRUE(IsEmpty(HKEY_LOCAL_MACHINE));
}

// Every supported host counts as installed under a virtualised Office 2010, and since none of them
// resolves, none can be running: asking to close hosts finds nothing to ask about.
TEST_F(RegistrationTest, VirtualOffice2010InstallRootRegistersEverySupportedHost) {
    for (TzidOfficeHostApp host : {ohaWord, ohaOutlook, ohaVisio})
        UninstallHost(host);
    WriteString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Office\\14.0\\Common\\InstallRoot\\Virtual", L"",
                L"");
    settings().SupportedApps = TzidHostAppSet{ohaWord, ohaOutlook, ohaVisio};
    settings().DisplayAlerts = true;
    int dialogs = 0;
    classlib::TMessageBoxHookScope hook([&](HWND, const std::wstring &, const std::wstring &, UINT) {
        ++dialogs;
        return IDIGNORE;
    });
    PerUserRegistration = true;
    factory().UpdateRegistry(true);
    EXPECT_EQ(dialogs, 0);
    ExpectAddInKey(HKEY_CURRENT_USER, outlookKey);
    ExpectAddInKey(HKEY_CURRENT_USER, wordKey);
    ExpectAddInKey(HKEY_CURRENT_USER, L"Software\\Microsoft\\Visio\\AddIns\\TessaryRegTest.TSY");
}

// Each installed host gets the add-in's key, named by the type library's ProgID: below Office's key
// for most hosts, beside it for Visio; Project counts as installed by its own ProgID.
TEST_F(RegistrationTest, AddInKeysFollowTheHostAndTheTypeLibrarysProgID) {
    settings().SupportedApps = TzidHostAppSet{ohaProject, ohaVisio};
    settings().RegisterForAllUsers = false;
    InstallHost(ohaProject);
    InstallHost(ohaVisio);
    factory().RegisterAddIn();
    EXPECT_TRUE(
        KeyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\MS Project\\AddIns\\TessaryRegTest.TSY"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Visio\\AddIns\\TessaryRegTest.TSY"));
}

TEST_F(RegistrationTest, LibraryFolderIsTheServersFolderWithItsSeparator) {
    const std::wstring &file = classlib::ComServer().ServerFileName();
    const std::wstring &folder = factory().LibraryFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_EQ(file.substr(0, folder.size()), folder);
    EXPECT_EQ(file.find(L'\\', folder.size()), std::wstring::npos);
}

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
