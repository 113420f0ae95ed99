// Simulated hosts reached by ProgID and as running instances, the ways the framework's registration
// code looks for a host application. These tests write ProgID keys to the prefix's machine classes.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/SimRegistration.h"
#include "hostsim/WordHost.h"
#include "office/office.h"

#include "ScratchRegistry.h"

using namespace hostsim;
using classlib::ComPtr;

namespace {

class ComApartment : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

// The framework's way: CLSIDFromProgID, then CoCreateInstance in-process or local server.
HRESULT CreateByProgID(const wchar_t *progId, ComPtr<IDispatch> &object) {
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr))
        return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                            object.PutVoid());
}

} // namespace

using SimRegistration = ComApartment;

TEST_F(SimRegistration, ProgIDCreatesTheSimulatedHost) {
    WordHost word;
    CLSID clsid;
    EXPECT_EQ(CLSIDFromProgID(L"Word.Application", &clsid), CO_E_CLASSSTRING);
    {
        testsupport::TScratchRegistry redirected; // the keys are found all the same
        ClassRegistration registration(L"Word.Application",
                                       [&] { return ComPtr<IUnknown>::Copy(word.Application()); });
        ASSERT_EQ(CLSIDFromProgID(L"word.application", &clsid), S_OK);
        EXPECT_TRUE(IsEqualCLSID(clsid, SimHostClassID(L"Word.Application")));
        ComPtr<IDispatch> app;
        ASSERT_EQ(CreateByProgID(L"Word.Application", app), S_OK);
        EXPECT_EQ(app.Get(), word.Application());
        EXPECT_EQ(classlib::DispGet(app.Get(), L"Version").ToString(), L"11.0");
        EXPECT_EQ(registration.Created(), 1);
        // Aggregation is refused as by an Office server.
        ComPtr<IUnknown> aggregated;
        EXPECT_EQ(CoCreateInstance(clsid, word.Application(), CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   aggregated.PutVoid()),
                  CLASS_E_NOAGGREGATION);
    }
    // Gone with the registration: the ProgID no longer resolves and the class is not served.
    EXPECT_EQ(CLSIDFromProgID(L"Word.Application", &clsid), CO_E_CLASSSTRING);
    ComPtr<IUnknown> none;
    EXPECT_FALSE(SUCCEEDED(CoCreateInstance(SimHostClassID(L"Word.Application"), nullptr,
                                            CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                            none.PutVoid())));
    EXPECT_EQ(word.App().ClientRefs(), 0);
}

TEST_F(SimRegistration, RunningInstanceIsFoundByGetActiveObject) {
    OutlookHost outlook;
    ComPtr<IUnknown> running;
    {
        ActiveObjectRegistration active(L"Outlook.Application", outlook.Application());
        // As the registration code asks: the ProgID's class, then the running object as IDispatch.
        CLSID clsid;
        ASSERT_EQ(CLSIDFromProgID(L"Outlook.Application", &clsid), S_OK);
        ASSERT_EQ(GetActiveObject(clsid, nullptr, running.Put()), S_OK);
        ComPtr<IDispatch> app = running.As<IDispatch>(IID_IDispatch);
        EXPECT_EQ(app.Get(), outlook.Application());
        // Two registrations of one ProgID share its keys; the keys stay while either lives.
        { ProgIDRegistration again(L"Outlook.Application"); }
        EXPECT_EQ(CLSIDFromProgID(L"Outlook.Application", &clsid), S_OK);
    }
    running.Reset();
    ComPtr<IUnknown> after;
    EXPECT_EQ(GetActiveObject(SimHostClassID(L"Outlook.Application"), nullptr, after.Put()),
              MK_E_UNAVAILABLE);
    EXPECT_EQ(outlook.App().ClientRefs(), 0) << "the running-object table let go of the Application";
    EXPECT_THROW(SimHostClassID(L"Tessary.TSY"), classlib::EOleSysError);
}
