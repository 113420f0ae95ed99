// Tessary.dll loaded into a simulated host's process: its exports, its resources, a session with
// Outlook and with Word, Outlook's fast shutdown. The registry is redirected into scratch keys for the
// process.
#include <gtest/gtest.h>

#include "AddInLibrary.h"
#include "classlib/OleString.h"
#include "classlib/TypeAttrs.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"
#include "office/office.h"

#include "RegistryAccess.h"
#include "TestEnvironment.h"
#include "classlib/Format.h"

#include <optional>

using classlib::ComPtr;
using testsupport::ReadString;

namespace addintest {
namespace {

class TessaryDllTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment_.emplace([](const std::wstring &Text) { ADD_FAILURE() << classlib::WideToUtf8(Text); });
        ASSERT_TRUE(environment_->Ready());
    }
    void TearDown() override { environment_.reset(); }

    ComPtr<IDTExtensibility2> NewAddIn(TAddInLibrary &library) {
        ComPtr<IUnknown> object = library.CreateAddIn();
        return object.TryAs<IDTExtensibility2>();
    }

    SAFEARRAY *custom_ = nullptr;

private:
    std::optional<testsupport::TTestEnvironment> environment_;
};

TEST_F(TessaryDllTest, TheLibraryCarriesItsExportsTypeLibraryFormAndVersion) {
    TAddInLibrary library;
    ASSERT_TRUE(library.Loaded());
    for (const char *name :
         {"DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer", "DllUnregisterServer"})
        EXPECT_NE(GetProcAddress(library.Handle(), name), nullptr) << name << " is not exported by its name";
    EXPECT_NE(FindResourceW(library.Handle(), L"TADDINMODULE", reinterpret_cast<LPCWSTR>(RT_RCDATA)),
              nullptr);

    ComPtr<ITypeLib> typeLib;
    ASSERT_EQ(LoadTypeLibEx(LibraryPath().c_str(), REGKIND_NONE, typeLib.Put()), S_OK);
    EXPECT_TRUE(IsEqualGUID(classlib::TLibAttrHolder(typeLib.Get())->guid, LIBID_Tessary))
        << "the type library's id is not the published one";
    classlib::TBStr name;
    ASSERT_EQ(typeLib->GetDocumentation(-1, name.Put(), nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(name.ToString(), L"Tessary");

    ComPtr<ITypeInfo> coclass, dual;
    ASSERT_EQ(typeLib->GetTypeInfoOfGuid(CLSID_TSY, coclass.Put()), S_OK);
    HREFTYPE href = 0;
    ASSERT_EQ(coclass->GetRefTypeOfImplType(0, &href), S_OK);
    ASSERT_EQ(coclass->GetRefTypeInfo(href, dual.Put()), S_OK);
    {
        classlib::TTypeAttrHolder attr(dual.Get());
        EXPECT_TRUE(IsEqualGUID(attr->guid, IID_ITSY));
        EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
    }

    DWORD unused = 0;
    DWORD size = GetFileVersionInfoSizeW(LibraryPath().c_str(), &unused);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(LibraryPath().c_str(), 0, size, info.data()));
    wchar_t *product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\040704B0\\ProductName",
                               reinterpret_cast<void **>(&product), &length));
    EXPECT_EQ(std::wstring(product), L"Tessary");
}

TEST_F(TessaryDllTest, TheAddInObjectAnswersItsInterfaces) {
    TAddInLibrary library;
    ComPtr<IUnknown> addIn = library.CreateAddIn();
    ASSERT_TRUE(addIn);
    EXPECT_TRUE(addIn.TryAs<IDTExtensibility2>());
    ComPtr<IDispatch> dual = addIn.TryAs<IDispatch>(IID_ITSY);
    ASSERT_TRUE(dual);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(dual->GetTypeInfo(0, 0, info.Put()), S_OK);
    classlib::TBStr name;
    info->GetDocumentation(MEMBERID_NIL, name.Put(), nullptr, nullptr, nullptr);
    EXPECT_EQ(name.ToString(), L"ITSY");
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(library.GetClassObject(IID_ITSY, IID_IClassFactory, factory.PutVoid()),
              CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(TessaryDllTest, AnOutlookSessionFromConnectionToUnload) {
    TAddInLibrary library;
    {
        hostsim::OutlookHost host(L"11.0");
        auto *entry = host.World().Create<hostsim::ComAddInObject>(
            kProgID, L"{61EC72B0-88A2-4E92-A645-B5CC1D5475A8}", L"Tessary attachment add-in");
        ComPtr<IDTExtensibility2> addIn = NewAddIn(library);
        ASSERT_TRUE(addIn);
        ASSERT_EQ(
            addIn->OnConnection(host.Application(), ext_cm_Startup, static_cast<COMAddIn *>(entry), &custom_),
            S_OK);
        ASSERT_EQ(addIn->OnStartupComplete(&custom_), S_OK);
        EXPECT_EQ(ComPtr<IDispatch>::Copy(entry->AddInObject()).TryAs<IUnknown>(), addIn.TryAs<IUnknown>());
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kOutlookAddInKey, L"ZIDStartMode"), L"NORMAL");

        EXPECT_EQ(library.CanUnloadNow(), S_FALSE);
        EXPECT_EQ(addIn->OnBeginShutdown(&custom_), S_OK);
        EXPECT_EQ(addIn->OnDisconnection(ext_dm_HostShutdown, &custom_), S_OK);
        EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
        host.World().Shutdown(); // Office lets go of the add-in's entry
    }
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

TEST_F(TessaryDllTest, OutlookQuittingFastLeavesNothingBehind) {
    TAddInLibrary library;
    {
        hostsim::OutlookHost host(L"14.0.0.4760");
        ComPtr<IDTExtensibility2> addIn = NewAddIn(library);
        ASSERT_EQ(addIn->OnConnection(host.Application(), ext_cm_Startup, nullptr, &custom_), S_OK);
        ASSERT_EQ(addIn->OnStartupComplete(&custom_), S_OK);
        host.Quit();
        EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
        // Outlook 2010 releases the add-in without further calls.
    }
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

TEST_F(TessaryDllTest, AWordSessionAndAUserUnload) {
    TAddInLibrary library;
    {
        hostsim::WordHost host(L"12.0");
        host.NewDocument();
        ComPtr<IDTExtensibility2> addIn = NewAddIn(library);
        ASSERT_EQ(addIn->OnConnection(host.Application(), ext_cm_AfterStartup, nullptr, &custom_), S_OK);
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kWordAddInKey, L"ZIDStartMode"), L"NORMAL");
        EXPECT_EQ(addIn->OnDisconnection(ext_dm_UserClosed, &custom_), S_OK);
    }
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

} // namespace
} // namespace addintest
