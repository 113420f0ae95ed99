// The COM server: class objects, automation objects called through IDispatch, object and lock
// counting for DllCanUnloadNow, and registration (in a scratch registry of this process).
#include "classlib/ComServer.h"
#include "classlib/OleString.h"
#include "classlib/OleVariant.h"

#include "RegistryAccess.h"
#include "ScratchRegistry.h"
#include "TestObject.h"

#include <gtest/gtest.h>

using namespace classlib;
using classlib_test::TTestObject;
using testsupport::KeyExists;
using testsupport::ReadString;

namespace {

const CLSID kUnknownClass = {0x5d1b7e42, 0x10aa, 0x4c7e, {0x8a, 0x01, 0x6e, 0x33, 0x9b, 0x70, 0x22, 0x11}};

ComPtr<IClassFactory> ClassObject() {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(ComServerGetClassObject(CLSID_TestObject, IID_IClassFactory, factory.PutVoid()), S_OK);
    return factory;
}

ComPtr<IDispatch> NewTestObject() {
    ComPtr<IDispatch> object;
    EXPECT_EQ(ClassObject()->CreateInstance(nullptr, IID_IDispatch, object.PutVoid()), S_OK);
    return object;
}

DISPID IdOf(IDispatch *disp, const wchar_t *name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
    return id;
}

// An object class whose Initialize fails: the client must get the error and nothing may leak.
class TFailingObject : public TTestObject {
    void Initialize() override { throw EOleSysError(L"cannot start", E_ACCESSDENIED); }
};

} // namespace

TEST(ComServer, ClassObjectsAreFoundByClassID) {
    void *out = reinterpret_cast<void *>(0xdeadbeef);
    EXPECT_EQ(ComServerGetClassObject(kUnknownClass, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void *>(0xdeadbeef);
    EXPECT_EQ(ComServerGetClassObject(CLSID_TestObject, IID_IDispatch, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(ComServerGetClassObject(CLSID_TestObject, IID_IClassFactory, nullptr), E_POINTER);

    TAutoObjectFactory &factory = classlib_test::TestObjectFactory();
    EXPECT_EQ(ComServer().FindFactory(CLSID_TestObject), &factory);
    EXPECT_EQ(factory.ProgID(), L"TessaryTestServer.TestObject");
    EXPECT_STREQ(factory.ThreadingModelName(), L"Apartment");
    EXPECT_TRUE(IsEqualIID(factory.DispIntfIID(), IID_ITestObject));
}

TEST(ComServer, CreateInstanceRefusesAggregationAndReportsInitializeFailures) {
    ComPtr<IClassFactory> classObject = ClassObject();
    void *out = reinterpret_cast<void *>(0xdeadbeef);
    EXPECT_EQ(
        classObject->CreateInstance(reinterpret_cast<IUnknown *>(classObject.Get()), IID_IUnknown, &out),
        CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);

    LONG before = ComServer().ObjectCount();
    const CLSID failingClass = {0x5d1b7e42, 0x10aa, 0x4c7e, {0x8a, 0x01, 0x6e, 0x33, 0x9b, 0x70, 0x22, 0x12}};
    TAutoObjectFactory failing(ComServer(), TComObjectFactory::ComClass<TFailingObject>(), failingClass,
                               L"Failing", L"", ciInternal);
    EXPECT_EQ(failing.CreateInstance(nullptr, IID_IUnknown, &out), E_ACCESSDENIED);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(ComServer().ObjectCount(), before); // the half-made object was freed
}

TEST(ComServer, AutomationObjectAnswersThroughItsTypeLibrary) {
    ComPtr<IDispatch> disp = NewTestObject();
    ASSERT_TRUE(disp);
    UINT count = 0;
    EXPECT_EQ(disp->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(disp->GetTypeInfo(0, 0, info.Put()), S_OK);
    TBStr name;
    info->GetDocumentation(MEMBERID_NIL, name.Put(), nullptr, nullptr, nullptr);
    EXPECT_EQ(name.ToString(), L"ITestObject");
    EXPECT_EQ(disp->GetTypeInfo(1, 0, info.Put()), DISP_E_BADINDEX);

    // Describe(prefix, value): arguments arrive reversed in rgvarg
    DISPID describe = IdOf(disp.Get(), L"Describe");
    EXPECT_EQ(describe, 3);
    OleVariant args[] = {OleVariant(7), OleVariant(L"p")};
    DISPPARAMS params{reinterpret_cast<VARIANTARG *>(args), nullptr, 2, 0};
    OleVariant result;
    EXPECT_EQ(disp->Invoke(describe, IID_NULL, 0, DISPATCH_METHOD, &params, result.Put(), nullptr, nullptr),
              S_OK);
    EXPECT_EQ(result.ToString(), L"p:7");
    EXPECT_EQ(
        disp->Invoke(describe, IID_IDispatch, 0, DISPATCH_METHOD, &params, result.Put(), nullptr, nullptr),
        DISP_E_UNKNOWNINTERFACE);

    // Initialize ran before the client got the object
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(disp->Invoke(IdOf(disp.Get(), L"Name"), IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result.Put(),
                           nullptr, nullptr),
              S_OK);
    EXPECT_EQ(result.ToString(), L"initial");

    // the class's own name after the type library's
    EXPECT_EQ(IdOf(disp.Get(), L"Extra"), classlib_test::DISPID_EXTRA);
    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"NoSuchMember")};
    DISPID id = 0;
    EXPECT_EQ(disp->GetIDsOfNames(IID_NULL, unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);
}

TEST(ComServer, ExceptionsReachTheClientAsErrorInfo) {
    ComPtr<IDispatch> disp = NewTestObject();
    OleVariant message(L"The AddInName property cannot be empty.");
    DISPPARAMS params{message.Ptr(), nullptr, 1, 0};
    EXCEPINFO excep{};
    HRESULT hr = disp->Invoke(IdOf(disp.Get(), L"Fail"), IID_NULL, 0, DISPATCH_METHOD, &params, nullptr,
                              &excep, nullptr);
    EXPECT_EQ(hr, DISP_E_EXCEPTION);
    EXPECT_EQ(excep.scode, AsFailure(classlib_test::TEST_ERROR_CODE));
    EXPECT_EQ(BStrToString(excep.bstrDescription), L"The AddInName property cannot be empty.");
    EXPECT_EQ(BStrToString(excep.bstrSource), L"TessaryTestServer.TestObject");
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrHelpFile);

    // the same through the vtable, as an early-bound client sees it
    ComPtr<ITestObject> object = disp.As<ITestObject>();
    TBStr text(L"vtable");
    EXPECT_EQ(object->Fail(text.Get()), AsFailure(classlib_test::TEST_ERROR_CODE));
    ComPtr<ISupportErrorInfo> support = disp.As<ISupportErrorInfo>();
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_ITestObject), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID_IClassFactory), S_FALSE);
    ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, info.Put()), S_OK);
    TBStr description;
    info->GetDescription(description.Put());
    EXPECT_EQ(description.ToString(), L"vtable");
}

// One identity, the run-time ids and refused ones are the COM object base's test (TImplements); here,
// what the automation object's template adds.
TEST(ComServer, TheAutomationObjectIsPersistentUnderItsClassID) {
    ComPtr<IDispatch> disp = NewTestObject();
    ComPtr<IPersist> persist = disp.As<IPersist>();
    EXPECT_EQ(persist.As<IUnknown>(), disp.As<IUnknown>());
    CLSID clsid{};
    EXPECT_EQ(persist->GetClassID(&clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_TestObject));
    persist = nullptr;
    EXPECT_EQ(disp.Detach()->Release(), 0u); // every QueryInterface above was balanced
}

TEST(ComServer, CanUnloadOnlyWithoutObjectsAndLocks) {
    ASSERT_EQ(ComServerCanUnloadNow(), S_OK);
    ComPtr<IClassFactory> classObject = ClassObject();
    IDispatch *object = nullptr;
    ASSERT_EQ(classObject->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void **>(&object)), S_OK);
    EXPECT_EQ(ComServer().ObjectCount(), 1);
    EXPECT_EQ(ComServerCanUnloadNow(), S_FALSE);
    EXPECT_EQ(classObject->LockServer(TRUE), S_OK);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(ComServer().ObjectCount(), 0);
    EXPECT_EQ(ComServerCanUnloadNow(), S_FALSE); // the lock still holds the server
    EXPECT_EQ(classObject->LockServer(FALSE), S_OK);
    EXPECT_EQ(ComServerCanUnloadNow(), S_OK);
    // the type library it let go of comes back when the next object needs it
    EXPECT_EQ(IdOf(NewTestObject().Get(), L"Add"), 2);
}

// Writing and removing the server's keys is the registration tests' (RegistrationTest, Regsvr32Test),
// through the same calls; here, a removal with nothing to remove.
TEST(ComServer, UnregisteringAServerThatIsNotRegisteredIsNoError) {
    testsupport::TScratchRegistry scratch;
    ASSERT_TRUE(scratch.Redirected());
    EXPECT_EQ(ComServerUnregister(), S_OK);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"CLSID\\" + GUIDToString(CLSID_TestObject)));
}

TEST(ComServer, ClassesRootWritesUnderAPerUserRoot) {
    testsupport::TScratchRegistry scratch;
    ASSERT_TRUE(scratch.Redirected());
    TClassesRoot perUser(HKEY_CURRENT_USER, L"Software\\Classes");
    perUser.WriteString(L"Tessary.Test\\CLSID", L"", L"{x}");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, L"Software\\Classes\\Tessary.Test\\CLSID"), L"{x}");
    perUser.DeleteKey(L"Tessary.Test");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes\\Tessary.Test"));
    EXPECT_NO_THROW(perUser.DeleteKey(L"Tessary.Test"));
    EXPECT_THROW(perUser.DeleteKey(L""), EOleSysError); // never the whole root
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes"));
}
