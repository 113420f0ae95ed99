// Late binding against the test server's automation object: by name and by id, optional
// arguments left out, property puts, and the errors a caller gets.
#include "classlib/LateBinding.h"
#include "classlib/ComServer.h"

#include "ErrorOf.h"
#include "TestObject.h"

#include <gtest/gtest.h>

using namespace classlib;
using testsupport::ErrorOf;

namespace {

ComPtr<IDispatch> NewTestObject() {
    ComPtr<IClassFactory> factory;
    ComPtr<IDispatch> object;
    EXPECT_EQ(ComServerGetClassObject(CLSID_TestObject, IID_IClassFactory, factory.PutVoid()), S_OK);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, object.PutVoid()), S_OK);
    return object;
}

} // namespace

TEST(LateBinding, CallsByNameAndByIdInArgumentOrder) {
    ComPtr<IDispatch> disp = NewTestObject();
    EXPECT_EQ(DispCall(disp.Get(), L"Add", {2, 3}).ToInt(), 5);
    EXPECT_EQ(DispCall(disp.Get(), L"Describe", {L"p", 7}).ToString(), L"p:7");
    DISPID describe = DispIdOf(disp.Get(), L"describe"); // names are case-insensitive
    EXPECT_EQ(describe, 3);
    EXPECT_EQ(DispCall(disp.Get(), describe, {L"q", L"v"}).ToString(), L"q:v");
}

TEST(LateBinding, OptionalArgumentsCanBeMissingOrLeftOut) {
    ComPtr<IDispatch> disp = NewTestObject();
    EXPECT_EQ(DispCall(disp.Get(), L"Describe", {L"p", OleVariant::Missing()}).ToString(), L"p:missing");
    EXPECT_EQ(DispCall(disp.Get(), L"Describe", {L"p"}).ToString(), L"p:missing");
}

TEST(LateBinding, PropertiesGetPutAndPutRef) {
    ComPtr<IDispatch> disp = NewTestObject();
    EXPECT_EQ(DispGet(disp.Get(), L"Name").ToString(), L"initial");
    DispPut(disp.Get(), L"Name", L"Anh\u00e4nge");
    EXPECT_EQ(DispGet(disp.Get(), 1).ToString(), L"Anh\u00e4nge");
    DispPut(disp.Get(), 1, L"by id");
    EXPECT_EQ(DispGet(disp.Get(), L"Name").ToString(), L"by id");

    ComPtr<IDispatch> child = NewTestObject();
    DispPut(disp.Get(), L"Child", child.Get(), true);
    EXPECT_EQ(DispGet(disp.Get(), L"Child").ToDispatch(), child);
    EXPECT_EQ(DispGet(disp.Get(), L"Extra").ToInt(), 42); // a name the class answers itself
}

TEST(LateBinding, FailuresCarryTheCodeAndTheCalleesMessage) {
    ComPtr<IDispatch> disp = NewTestObject();
    std::wstring message;
    EXPECT_EQ(ErrorOf([&] { DispCall(disp.Get(), L"Fail", {L"Cannot connect"}); }, &message),
              AsFailure(classlib_test::TEST_ERROR_CODE));
    EXPECT_EQ(message, L"Cannot connect");

    EXPECT_EQ(ErrorOf([&] { DispCall(disp.Get(), L"NoSuchMember"); }, &message), DISP_E_UNKNOWNNAME);
    EXPECT_NE(message.find(L"NoSuchMember"), std::wstring::npos);
    EXPECT_EQ(ErrorOf([&] { DispCall(disp.Get(), 777); }), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(ErrorOf([&] { DispCall(disp.Get(), L"Add", {L"two", 3}); }), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ErrorOf([&] { DispGet(nullptr, L"Name"); }), E_POINTER);
}
