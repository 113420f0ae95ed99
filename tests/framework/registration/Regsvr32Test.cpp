// Tessary.dll registered by a client no one here wrote: Wine's regsvr32, machine-wide and, with the
// ini file beside the library, per user. The library is copied into a folder of its own whose name
// holds a blank, so that the ini file concerns only this copy. Outlook counts as installed through
// the simulation's ProgID keys, which the regsvr32 process sees too.
#include <windows.h>

#include <oleauto.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RegistryAccess.h"
#include "WineProcess.h"
#include "classlib/ComPtr.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "classlib/TypeAttrs.h"
#include "hostsim/SimRegistration.h"

namespace regtest {
namespace {

using testsupport::DosPath;
using testsupport::KeyExists;
using testsupport::ReadDword;
using testsupport::ReadString;

DWORD RunProgram(const std::wstring &commandLine) {
    return testsupport::RunProgram(commandLine, 60000).ExitCode;
}

const std::wstring outlookKey = L"Software\\Microsoft\\Office\\Outlook\\AddIns\\Tessary.TSY";

class Regsvr32Test : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        ReadIdentifiers();
        if (HasFatalFailure())
            return;
        // A registration an earlier run left in the prefix waits till the test is over.
        for (const std::wstring &key : {classKey, std::wstring(L"Tessary.TSY"), L"TypeLib\\" + libid}) {
            aside_.push_back(std::make_unique<testsupport::TKeyAside>(HKEY_CLASSES_ROOT, key));
            aside_.push_back(std::make_unique<testsupport::TKeyAside>(HKEY_CURRENT_USER, userClasses + key));
        }
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            aside_.push_back(std::make_unique<testsupport::TKeyAside>(root, outlookKey));
        outlook_ = std::make_unique<hostsim::ProgIDRegistration>(L"Outlook.Application");
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"tessary reg " + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        dll_ = folder_ + L"\\Tessary.dll";
        ASSERT_TRUE(CopyFileW(DosPath(TESSARY_DLL).c_str(), dll_.c_str(), FALSE));
    }

    void TearDown() override {
        if (!dll_.empty()) {
            RunProgram(L"regsvr32.exe /u /s \"" + dll_ + L"\"");
            DeleteFileW((folder_ + L"\\Tessary.ini").c_str());
            DeleteFileW(dll_.c_str());
            RemoveDirectoryW(folder_.c_str());
        }
        aside_.clear(); // what a failed unregistration left goes, and what was there comes back
        outlook_.reset();
        CoUninitialize();
    }

    // The class and library identifiers as the library's own type library gives them.
    void ReadIdentifiers() {
        classlib::ComPtr<ITypeLib> lib;
        ASSERT_EQ(LoadTypeLibEx(DosPath(TESSARY_DLL).c_str(), REGKIND_NONE, lib.Put()), S_OK);
        libid = classlib::GUIDToString(classlib::TLibAttrHolder(lib.Get())->guid);
        classlib::ComPtr<ITypeInfo> info;
        MEMBERID id = 0;
        USHORT found = 1;
        std::wstring name = L"TSY";
        ASSERT_EQ(lib->FindName(name.data(), 0, info.Put(), &id, &found), S_OK);
        ASSERT_EQ(found, 1);
        classKey = L"CLSID\\" + classlib::GUIDToString(classlib::TTypeAttrHolder(info.Get())->guid);
    }

    DWORD Regsvr32(const wchar_t *options) {
        return RunProgram(L"regsvr32.exe " + std::wstring(options) + L" \"" + dll_ + L"\"");
    }

    const std::wstring userClasses = L"Software\\Classes\\";
    std::wstring libid, classKey;
    std::wstring folder_, dll_;
    std::unique_ptr<hostsim::ProgIDRegistration> outlook_;
    std::vector<std::unique_ptr<testsupport::TKeyAside>> aside_;
};

TEST_F(Regsvr32Test, MachineWideRegistrationAndItsRemoval) {
    ASSERT_EQ(Regsvr32(L"/s"), 0u);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, classKey + L"\\InprocServer32", L""), dll_);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, classKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, L"Tessary.TSY\\CLSID", L""), classKey.substr(6));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + libid));
    // The product registers for all users.
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, outlookKey, L"FriendlyName"), L"Tessary");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, outlookKey, L"Description"), L"");
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, outlookKey, L"LoadBehavior"), 3u);
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, outlookKey, L"CommandLineSafe"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, outlookKey));

    ASSERT_EQ(Regsvr32(L"/u /s"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, classKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"Tessary.TSY"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + libid));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, outlookKey));
}

// Wine does not merge the user's classes into HKEY_CLASSES_ROOT: what is checked there is the
// machine's classes, which a per-user registration leaves alone.
TEST_F(Regsvr32Test, PerUserRegistrationByTheIniFileAndItsRemoval) {
    ASSERT_TRUE(
        WritePrivateProfileStringW(L"CONFIG", L"PRIVILEGES", L"User", (folder_ + L"\\Tessary.ini").c_str()));
    ASSERT_EQ(Regsvr32(L"/s"), 0u);

    std::wstring server = ReadString(HKEY_CURRENT_USER, userClasses + classKey + L"\\InprocServer32", L"");
    EXPECT_EQ(server.find(L' '), std::wstring::npos) << "the short form of a path with a blank";
    wchar_t longName[MAX_PATH] = L"";
    GetLongPathNameW(server.c_str(), longName, MAX_PATH);
    EXPECT_TRUE(classlib::SameText(longName, dll_)) << std::string(server.begin(), server.end());
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, userClasses + L"Tessary.TSY\\Clsid", L""), classKey.substr(6));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, userClasses + classKey + L"\\TypeLib", L""), libid);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, userClasses + classKey + L"\\Version", L""), L"1.0");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, outlookKey, L"FriendlyName"), L"Tessary");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, outlookKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, classKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"Tessary.TSY"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + libid));

    ASSERT_EQ(Regsvr32(L"/u /s"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, userClasses + classKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, userClasses + L"Tessary.TSY"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, outlookKey));
}

} // namespace
} // namespace regtest
