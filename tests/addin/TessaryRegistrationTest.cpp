// Tessary.dll registered by a client no one here wrote: Wine's regsvr32, machine-wide, for the two
// hosts the add-in supports (made resolvable by their ProgIDs for the test). The keys go into the
// shared prefix, so the test holds the registry lock and unregisters whatever happens.
#include <gtest/gtest.h>

#include "AddInLibrary.h"
#include "hostsim/SimRegistration.h"

namespace addintest {
namespace {

TEST(TessaryRegistrationTest, Regsvr32RegistersTheAddInForAllUsersOfOutlookAndWordAndRemovesIt) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        hostsim::ProgIDRegistration outlook(L"Outlook.Application");
        hostsim::ProgIDRegistration word(L"Word.Application");
        const std::wstring unregister = L"regsvr32.exe /u /s \"" + LibraryPath() + L"\"";
        struct TCleanup {
            std::wstring command;
            ~TCleanup() { RunProgram(command); } // also when an assertion ends the test early
        } cleanup{unregister};

        ASSERT_EQ(RunProgram(L"regsvr32.exe /s \"" + LibraryPath() + L"\"").ExitCode, 0u);
        for (const wchar_t *key : {kOutlookAddInKey, kWordAddInKey}) {
            SCOPED_TRACE(key);
            EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, key, L"FriendlyName"), L"Tessary");
            EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, key, L"Description"), L"");
            EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, key, L"LoadBehavior"), 3u);
            EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, key, L"CommandLineSafe"), 0u);
        }
        EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, L"Tessary.TSY\\Clsid", L""),
                  L"{61EC72B0-88A2-4E92-A645-B5CC1D5475A8}");
        EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, std::wstring(kClassKey) + L"\\InprocServer32"));
        EXPECT_FALSE(
            KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Office\\Excel\\AddIns\\Tessary.TSY"))
            << "registered for a host it does not support";

        ASSERT_EQ(RunProgram(unregister).ExitCode, 0u);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kOutlookAddInKey));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kWordAddInKey));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"Tessary.TSY"));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    }
    CoUninitialize();
}

} // namespace
} // namespace addintest
