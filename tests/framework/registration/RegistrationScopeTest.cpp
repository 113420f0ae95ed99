// Which scope the library's registration entry point takes, as an admin running it sees it: the trace
// says which and why (an ini file that does not read as its author meant included); a per-user
// registration that fails registers machine-wide, class keys included; a Cancel of the close-hosts
// question writes nothing anywhere; a machine-wide registration takes out the add-in's own per-user
// class keys, which Windows would prefer to it.
#include "RegistrationFixture.h"

#include "RegTestServer.h"
#include "classlib/ComServer.h"
#include "classlib/MessageDialogs.h"
#include "classlib/OleString.h"
#include "framework/core/ModuleErrors.h"
#include "framework/core/Registration.h"
#include "tests/support/TraceRecorder.h"

using namespace framework;

namespace regtest {
namespace {

class RegistrationScopeTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        settings().SupportedApps = TzidHostAppSet{ohaOutlook};
        settings().RegisterForAllUsers = true;
        InstallHost(ohaOutlook);
    }
    void TearDown() override {
        ForgetIni();
        DeleteFileW(ini_.c_str());
        RegistrationFixture::TearDown();
    }

    // The ini file beside the library, byte for byte as given.
    void WriteIni(const std::string &bytes) {
        ForgetIni();
        HANDLE file = CreateFileW(ini_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
        CloseHandle(file);
        ForgetIni();
    }
    // The profile functions cache a file: they read it again afterwards.
    void ForgetIni() { WritePrivateProfileStringW(nullptr, nullptr, nullptr, ini_.c_str()); }

    std::wstring ini_ = [] {
        std::wstring name = classlib::ComServer().ServerFileName();
        return name.substr(0, name.rfind(L'.')) + L".ini";
    }();
    const std::wstring userClasses = L"Software\\Classes\\";
    const std::wstring clsidKey = L"CLSID\\" + classlib::GUIDToString(CLSID_TSY);
};

TEST_F(RegistrationScopeTest, TheTraceSaysWhichScopeWasTakenAndWhy) {
    struct TCase {
        const char *Ini;
        bool PerUser;
        const wchar_t *Why;
    };
    const TCase cases[] = {
        {nullptr, false, L"there is no "},
        {"[CONFIG]\r\nPRIVILEGES=user\r\n", true, L"Registering per user, as "},
        {"[CONFIG]\r\nPRIVILEGES=ADMIN\r\n", false, L" gives [CONFIG] PRIVILEGES 'ADMIN', not USER"},
        {"[CONFIG]\r\nprivileges = ADMIN\r\nPRIVILEGES=USER\r\n", false,
         L"it sets PRIVILEGES 2 times, and the first one counts"},
        {"[OTHER]\r\nPRIVILEGES=USER\r\n", false, L" has no PRIVILEGES in its [CONFIG] section"},
        {"\x01\x02\x03\x04\xff\x10\x11garbage\x05\x06[CONFIG]", false, L"it holds binary content"},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Ini ? c.Ini : "no ini file");
        if (c.Ini)
            WriteIni(c.Ini);
        else
            DeleteFileW(ini_.c_str());
        testsupport::TTraceRecorder trace;
        EXPECT_EQ(IsPerUserRegistration(), c.PerUser);
        EXPECT_EQ(trace.Count({L"Registration: ", c.Why}), 1);
        EXPECT_EQ(trace.Count({c.PerUser ? L"per user" : L"machine-wide"}), 1);
    }
    // Whether the profile reader skips a byte-order mark depends on the system: when it does not,
    // the trace names the mark.
    WriteIni("\xEF\xBB\xBF[CONFIG]\r\nPRIVILEGES=USER\r\n");
    testsupport::TTraceRecorder trace;
    if (!IsPerUserRegistration()) {
        EXPECT_EQ(trace.Count({L"machine-wide", L"it starts with a UTF-8 byte-order mark"}), 1);
    }
    EXPECT_EQ(trace.Lines.size(), 1u);
}

// The user's classes key takes no lasting subkey: the per-user class keys cannot be written.
TEST_F(RegistrationScopeTest, APerUserRegistrationThatFailsRegistersMachineWideWhole) {
    WriteIni("[CONFIG]\r\nPRIVILEGES=USER\r\n");
    HKEY software = nullptr, classes = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &software, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExW(software, L"Classes", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &classes, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(classes);
    RegCloseKey(software);

    EXPECT_EQ(UpdateServerRegistry(true), S_OK);

    EXPECT_FALSE(PerUserRegistration);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, clsidKey + L"\\InprocServer32", L""),
              classlib::ComServer().ServerFileName());
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, L"TessaryRegTest.TSY\\Clsid", L""), clsidKey.substr(6));
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, outlookKey, L"LoadBehavior"), 3u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, userClasses + clsidKey));
}

// The question comes before anything is written, and the user's Cancel is the answer: it is not
// asked again for a machine-wide registration.
TEST_F(RegistrationScopeTest, ACancelOfThePerUserRegistrationWritesNothingAnywhere) {
    WriteIni("[CONFIG]\r\nPRIVILEGES=USER\r\n");
    settings().DisplayAlerts = true;
    RunHost(ohaOutlook);
    int questions = 0;
    classlib::TMessageBoxHookScope hook([&](HWND, const std::wstring &, const std::wstring &, UINT) {
        ++questions;
        return IDCANCEL;
    });

    EXPECT_EQ(UpdateServerRegistry(true), ZidErrorHResult(zidErrRegistrationCanceled));

    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(IsEmpty(HKEY_CURRENT_USER));
    EXPECT_TRUE(IsEmpty(HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(IsEmpty(HKEY_CLASSES_ROOT));
}

// An earlier per-user registration of the same class would keep Office on its library; another
// class's per-user keys are not the add-in's.
TEST_F(RegistrationScopeTest, AMachineWideRegistrationTakesOutTheAddInsOwnPerUserClassKeys) {
    PerUserRegistration = true;
    UpdateFactoryRegistry(factory(), true);
    ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, userClasses + clsidKey + L"\\InprocServer32"));
    WriteString(HKEY_CURRENT_USER, userClasses + L"Other.Class\\Clsid", L"", L"{other}");
    PerUserRegistration = false;
    testsupport::TTraceRecorder trace;

    EXPECT_EQ(UpdateServerRegistry(true), S_OK);

    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, userClasses + clsidKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, userClasses + L"TessaryRegTest.TSY"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, userClasses + L"Other.Class\\Clsid"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, clsidKey + L"\\InprocServer32"));
    EXPECT_EQ(trace.Count({L"Removing the per-user class keys", clsidKey.c_str()}), 1);
}

} // namespace
} // namespace regtest
