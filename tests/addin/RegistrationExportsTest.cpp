// Tessary.dll's registration exports in the test process, per user by the ini file beside a copy of
// the library, with the registry redirected to scratch keys: an unregistration whose clean-up in
// Word fails answers the failure, starts Word once, and leaves the add-in registered and loading, so
// that running it again finishes.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "AddInLibrary.h"
#include "RegistryAccess.h"
#include "ScratchRegistry.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarModel.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/SimRegistration.h"
#include "hostsim/WordHost.h"

namespace addintest {
namespace {

using testsupport::KeyExists;
using testsupport::ReadDword;
using testsupport::ReadString;

class RegistrationExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"tessary exports " + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        dll_ = folder_ + L"\\Tessary.dll";
        ASSERT_TRUE(CopyFileW(LibraryPath().c_str(), dll_.c_str(), FALSE));
        ASSERT_TRUE(WritePrivateProfileStringW(L"CONFIG", L"PRIVILEGES", L"USER",
                                               (folder_ + L"\\Tessary.ini").c_str()));
        registry_.emplace();
        ASSERT_TRUE(registry_->Redirected());
        library_.emplace(dll_);
        ASSERT_TRUE(library_->Loaded());
    }
    void TearDown() override {
        library_.reset();
        registry_.reset();
        DeleteFileW((folder_ + L"\\Tessary.ini").c_str());
        DeleteFileW(dll_.c_str());
        RemoveDirectoryW(folder_.c_str());
        if (oleInitialized_)
            OleUninitialize();
    }

    HRESULT Call(const char *name) {
        auto f = reinterpret_cast<HRESULT(STDAPICALLTYPE *)()>(
            reinterpret_cast<void *>(GetProcAddress(library_->Handle(), name)));
        return f ? f() : E_NOTIMPL;
    }

    std::wstring folder_, dll_;
    std::optional<testsupport::TScratchRegistry> registry_;
    std::optional<TAddInLibrary> library_;
    bool oleInitialized_ = false;
};

TEST_F(RegistrationExportsTest, AFailedCleanUpInWordIsAnsweredAndASecondUnregistrationFinishes) {
    hostsim::WordHost word;
    hostsim::CommandBarsObject &bars = hostsim::AttachCommandBars(word);
    hostsim::ClassRegistration wordClass(
        L"Word.Application", [&] { return classlib::ComPtr<IUnknown>::Copy(word.Application()); });
    const std::wstring classKey = L"Software\\Classes\\CLSID\\" + classlib::GUIDToString(CLSID_TSY);
    ASSERT_EQ(Call("DllRegisterServer"), S_OK);
    ASSERT_EQ(ReadDword(HKEY_CURRENT_USER, kWordAddInKey, L"LoadBehavior"), 3u);
    testsupport::WriteString(HKEY_CURRENT_USER, kWordAddInKey, L"ZIDStartMode", L"NORMAL");
    testsupport::WriteDword(HKEY_CURRENT_USER, std::wstring(kWordAddInKey) + L"\\Controls", L"Tessary Zip",
                            7);
    bars.FailAlways(L"FindControl", RPC_E_DISCONNECTED);

    // "Can't unregister add-in controls." as a failure code.
    EXPECT_EQ(Call("DllUnregisterServer"), MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 31103));
    EXPECT_EQ(wordClass.Created(), 1) << "Word was started again for a machine-wide try";
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kWordAddInKey, L"LoadBehavior"), 3u);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kWordAddInKey, L"ZIDStartMode"), L"NORMAL");
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, classKey + L"\\InprocServer32"));

    bars.ClearFaults();
    EXPECT_EQ(Call("DllUnregisterServer"), S_OK);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kWordAddInKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, classKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes\\Tessary.TSY"));
}

} // namespace
} // namespace addintest
