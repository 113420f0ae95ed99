// The simulated object base: fault injection, ownership by the world, what IDispatch over a
// dispinterface answers for calls a type-library server refuses (bad ids, counts and types), and over a
// dual interface; its connection points: advise, fire, unadvise, one by-reference Cancel shared by
// every sink, and sinks that unadvise or release themselves inside the event. Calls by name and id and
// their log are what every framework suite makes; by-reference arguments of every kind are written
// back in the framework's event suites.
#include <gtest/gtest.h>

#include "classlib/ConnectionPoints.h"
#include "classlib/Exceptions.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "hostsim/SimConnectionPoints.h"
#include "hostsim/SimDispatch.h"
#include "hostsim/SimDual.h"
#include "office/office.h"
#include "tests/hostsim/SimTestSink.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::DispPut;
using classlib::OleVariant;
using hostsim_test::RefBool;
using hostsim_test::TestSink;

namespace {

// A small host Application over Word's dispinterface.
class TestApp : public SimDispObject<> {
public:
    TestApp(SimWorld &world) : SimDispObject(world, L"Application", DIID_WordApplication) {
        OnGet(L"Version", [] { return OleVariant(L"11.0"); });
        OnGet(L"ShowWindowsInTaskbar", [this] { return OleVariant(taskbar); });
        OnPut(L"ShowWindowsInTaskbar", [this](const OleVariant &v) { taskbar = v.ToBool(); });
        OnMethod(L"OrganizerDelete", [this](DispArgs &a) {
            deleted = a.String(0) + L"|" + a.String(1) + L"|" + std::to_wstring(a.Int(2));
            return OleVariant();
        });
        OnMethod(L"Quit", [this](DispArgs &a) {
            quitArgs = std::to_wstring(a.Has(0)) + std::to_wstring(a.Has(1)) + std::to_wstring(a.Has(2));
            if (a.Ref(0))
                VariantClear(a.Ref(0)); // proves the caller's storage is reachable
            return OleVariant();
        });
    }
    bool taskbar = false;
    std::wstring deleted, quitArgs;
};

// A dual object: IRibbonControl's three properties.
class TestControl : public SimDualObject<IRibbonControl> {
public:
    TestControl(SimWorld &world) : SimDualObject(world, L"Control") {}
    HRESULT STDMETHODCALLTYPE get_Id(BSTR *id) override {
        return Call(L"Id", {}, [&] { *id = classlib::AllocBStr(L"btnZip"); });
    }
    HRESULT STDMETHODCALLTYPE get_Context(IDispatch **context) override {
        return Call(L"Context", {}, [&] { *context = nullptr; });
    }
    HRESULT STDMETHODCALLTYPE get_Tag(BSTR *tag) override {
        return Call(L"Tag", {}, [&] { *tag = classlib::AllocBStr(L"zip"); });
    }
};

HRESULT RawInvoke(IDispatch *disp, DISPID id, WORD flags, std::vector<OleVariant> argsReversed,
                  UINT *argErr = nullptr, EXCEPINFO *excep = nullptr) {
    DISPPARAMS params = {reinterpret_cast<VARIANTARG *>(argsReversed.data()), nullptr,
                         static_cast<UINT>(argsReversed.size()), 0};
    OleVariant result;
    EXCEPINFO local = {};
    HRESULT hr = disp->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.Put(),
                              excep ? excep : &local, argErr);
    if (!excep) {
        SysFreeString(local.bstrSource);
        SysFreeString(local.bstrDescription);
    }
    return hr;
}

class SimDispatchTest : public testing::Test {
protected:
    SimWorld world;
    TestApp *sim = world.Create<TestApp>();
    ComPtr<IDispatch> app = ComPtr<IDispatch>::Copy(sim);
};

} // namespace

TEST_F(SimDispatchTest, AnswersLikeATypeLibraryServer) {
    UINT argErr = 0xdeadbeef;
    // Unknown id, wrong kind (Version cannot be set), unknown name.
    EXPECT_EQ(RawInvoke(app.Get(), 0x7777, DISPATCH_METHOD, {}), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(RawInvoke(app.Get(), 0x18, DISPATCH_METHOD, {}), DISP_E_MEMBERNOTFOUND);
    LPOLESTR name = const_cast<LPOLESTR>(L"NoSuchMember");
    DISPID id = 0;
    EXPECT_EQ(app->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
    // OrganizerDelete takes exactly three arguments.
    EXPECT_EQ(RawInvoke(app.Get(), 0x13F, DISPATCH_METHOD, {2, L"b"}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(RawInvoke(app.Get(), 0x13F, DISPATCH_METHOD, {2, L"b", L"a", 1}), DISP_E_BADPARAMCOUNT);
    // Its third (rgvarg[0]) must be a long: text that is no number is refused and named.
    EXPECT_EQ(RawInvoke(app.Get(), 0x13F, DISPATCH_METHOD, {L"many", L"b", L"a"}, &argErr),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argErr, 0u);
    // A text that is a number is coerced, as a type-library server does.
    EXPECT_EQ(RawInvoke(app.Get(), 0x13F, DISPATCH_METHOD, {L"2", L"b", L"a"}), S_OK);
    // A put without the named DISPID_PROPERTYPUT argument is not a put.
    EXPECT_EQ(RawInvoke(app.Get(), 0x1C4, DISPATCH_PROPERTYPUT, {true}), DISP_E_PARAMNOTOPTIONAL);
    // Refused calls never reached the object.
    EXPECT_EQ(world.Log().Count(L"Application", L"OrganizerDelete"), 1);
}

TEST_F(SimDispatchTest, OptionalAndByReferenceArguments) {
    DispCall(app.Get(), L"Quit");
    EXPECT_EQ(sim->quitArgs, L"000");
    DispCall(app.Get(), L"Quit", {false, OleVariant::Missing(), OleVariant::Missing()});
    EXPECT_EQ(sim->quitArgs, L"100");

    OleVariant saveChanges(true);
    OleVariant byRef;
    VARIANT *ref = byRef.Put();
    ref->vt = VT_BYREF | VT_VARIANT;
    ref->pvarVal = saveChanges.Ptr();
    EXPECT_EQ(RawInvoke(app.Get(), 0x451, DISPATCH_METHOD, {byRef}), S_OK);
    EXPECT_EQ(sim->quitArgs, L"100");
    EXPECT_EQ(saveChanges.Type(), VT_EMPTY); // the handler reached the caller's variant
}

TEST_F(SimDispatchTest, FaultsOnceAndAlways) {

    sim->FailNext(L"Version", E_ACCESSDENIED);
    EXCEPINFO excep = {};
    EXPECT_EQ(RawInvoke(app.Get(), 0x18, DISPATCH_PROPERTYGET, {}, nullptr, &excep), DISP_E_EXCEPTION);
    EXPECT_EQ(excep.scode, E_ACCESSDENIED);
    EXPECT_EQ(classlib::BStrToString(excep.bstrSource), L"Application");
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    EXPECT_EQ(DispGet(app.Get(), L"Version").ToString(), L"11.0"); // used up

    // Late binding sees the injected code; a failing put changes nothing.
    sim->FailAlways(L"ShowWindowsInTaskbar", E_FAIL);
    for (int i = 0; i < 2; ++i) {
        try {
            DispPut(app.Get(), L"ShowWindowsInTaskbar", true);
            ADD_FAILURE() << "the put should fail";
        } catch (const classlib::EOleSysError &e) {
            EXPECT_EQ(e.ErrorCode(), E_FAIL);
        }
    }
    EXPECT_FALSE(sim->taskbar);
    // A dispatch error code is answered as it is: a member the host version lacks.
    sim->FailNext(L"Version", DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(RawInvoke(app.Get(), 0x18, DISPATCH_PROPERTYGET, {}), DISP_E_MEMBERNOTFOUND);

    sim->ClearFaults();
    DispPut(app.Get(), L"ShowWindowsInTaskbar", true);
    EXPECT_TRUE(sim->taskbar);
    EXPECT_EQ(world.Log().Count(L"Application", L"ShowWindowsInTaskbar"), 3); // failed calls are recorded too
}

TEST(SimDispatch, DualObjectDispatchesThroughItsVtable) {
    SimWorld world;
    auto control = ComPtr<IRibbonControl>::Copy(world.Create<TestControl>());
    EXPECT_EQ(DispGet(control.Get(), L"Tag").ToString(), L"zip");
    EXPECT_EQ(DispGet(control.Get(), 1).ToString(), L"btnZip");
    auto *sim = SimObject::FromUnknown(control.Get());
    sim->FailNext(L"Id", E_OUTOFMEMORY);
    BSTR id = nullptr;
    EXPECT_EQ(control->get_Id(&id), E_OUTOFMEMORY);
    sim->FailNext(L"Id", E_ACCESSDENIED);
    try {
        DispGet(control.Get(), L"Id");
        ADD_FAILURE() << "Id should fail";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), E_ACCESSDENIED);
    }
    EXPECT_EQ(world.Log().Count(L"Control", L"Id"), 3);
}

TEST(SimWorld, OwnsItsObjectsAndDisconnectsThemOnShutdown) {
    auto world = std::make_unique<SimWorld>();
    TestApp *sim = world->Create<TestApp>();
    EXPECT_EQ(sim->RefCount(), 1);
    EXPECT_EQ(sim->ClientRefs(), 0);
    auto app = ComPtr<IDispatch>::Copy(sim);
    EXPECT_EQ(sim->ClientRefs(), 1);
    // Identity: the dispinterface id answers with the same IDispatch; no connection points.
    ComPtr<IUnknown> viaDiid;
    EXPECT_EQ(app->QueryInterface(DIID_WordApplication, viaDiid.PutVoid()), S_OK);
    EXPECT_EQ(viaDiid.Get(), static_cast<IUnknown *>(app.Get()));
    ComPtr<IUnknown> container;
    EXPECT_EQ(app->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()), E_NOINTERFACE);
    viaDiid.Reset();

    std::shared_ptr<SimLog> log = world->SharedLog();
    world.reset(); // the host process goes away while the client still holds the object
    EXPECT_FALSE(sim->Connected());
    EXPECT_EQ(sim->RefCount(), 1);
    EXPECT_EQ(RawInvoke(app.Get(), 0x18, DISPATCH_PROPERTYGET, {}), RPC_E_DISCONNECTED);
    EXPECT_EQ(log->Count(L"Application", L"Version"), 1);
    app.Reset(); // frees it
}

namespace {

ULONG RefsOf(IUnknown *unknown) {
    unknown->AddRef();
    return unknown->Release();
}

class TestSource : public SimDispObject<> {
public:
    TestSource(SimWorld &world) : SimDispObject(world, L"Application", DIID_OutlookApplication) {
        Events().Add(DIID_OutlookApplicationEvents_11);
    }
};

class SimConnectionPointsTest : public testing::Test {
protected:
    SimWorld world;
    TestSource *source = world.Create<TestSource>();
};

} // namespace

TEST_F(SimConnectionPointsTest, AdviseFireUnadvise) {
    auto sink = classlib::Make<TestSink>(DIID_OutlookApplicationEvents_11);
    ASSERT_EQ(sink->Connect(source->Identity()), S_OK);
    EXPECT_EQ(source->Events().SinkCount(DIID_OutlookApplicationEvents_11), 1);

    VARIANT_BOOL cancel = VARIANT_FALSE;
    EXPECT_EQ(source->Events().Fire(DIID_OutlookApplicationEvents_11, 0xF002,
                                    {EventArg(source), EventArg::Ref(&cancel)}),
              1);
    EXPECT_EQ(sink->events, std::vector<std::wstring>{L"ItemSend(Application, False)"});

    EXPECT_EQ(sink->Disconnect(), S_OK);
    EXPECT_EQ(source->Events().Fire(DIID_OutlookApplicationEvents_11, 0xF007), 0);
    EXPECT_EQ(sink->events.size(), 1u);
    EXPECT_EQ(world.Log().Lines(),
              (std::vector<std::wstring>{L"Application.FindConnectionPoint(OutlookApplicationEvents_11)",
                                         L"Application.Advise(OutlookApplicationEvents_11)",
                                         L"Application.Unadvise(OutlookApplicationEvents_11)"}))
        << "unadvised on the point advised on";
    EXPECT_EQ(RefsOf(sink.Get()), 1u) << "the source let go of the sink";
}

TEST_F(SimConnectionPointsTest, RefusesWhatItDoesNotSource) {
    auto other = classlib::Make<TestSink>(DIID_OutlookApplicationEvents_10);
    EXPECT_EQ(other->Connect(source->Identity()), CONNECT_E_NOCONNECTION);

    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(source->Identity()->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()), S_OK);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(DIID_OutlookApplicationEvents_11, point.Put()), S_OK);
    // A sink that does not answer the event interface cannot connect.
    DWORD cookie = 0xdeadbeef;
    EXPECT_EQ(point->Advise(other.Get(), &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(point->Unadvise(42), CONNECT_E_NOCONNECTION);
    IID iid = {};
    EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_TRUE(IsEqualIID(iid, DIID_OutlookApplicationEvents_11));
    ComPtr<IConnectionPointContainer> back;
    EXPECT_EQ(point->GetConnectionPointContainer(back.Put()), S_OK);
    EXPECT_EQ(back.Get(), container.Get());

    // Advise can be made to fail like any member.
    source->FailNext(L"Advise", E_OUTOFMEMORY);
    auto sink = classlib::Make<TestSink>(DIID_OutlookApplicationEvents_11);
    EXPECT_EQ(sink->Connect(source->Identity()), E_OUTOFMEMORY);
    EXPECT_EQ(source->Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
}

TEST_F(SimConnectionPointsTest, ByReferenceArgumentsComeBack) {
    auto first = classlib::Make<TestSink>(DIID_OutlookApplicationEvents_11);
    auto second = classlib::Make<TestSink>(DIID_OutlookApplicationEvents_11);
    first->reaction = [](DISPID, DISPPARAMS *params) { *RefBool(params, 1) = VARIANT_TRUE; };
    ASSERT_EQ(first->Connect(source->Identity()), S_OK);
    ASSERT_EQ(second->Connect(source->Identity()), S_OK);

    VARIANT_BOOL cancel = VARIANT_FALSE;
    source->Events().Fire(DIID_OutlookApplicationEvents_11, 0xF002,
                          {EventArg(source), EventArg::Ref(&cancel)});
    EXPECT_EQ(cancel, VARIANT_TRUE);
    // The second sink saw what the first had set: one Cancel for the whole event.
    EXPECT_EQ(second->events, std::vector<std::wstring>{L"ItemSend(Application, True)"});
}

TEST_F(SimConnectionPointsTest, SinksMayUnadviseAndReleaseDuringTheEvent) {
    auto *leaving = new TestSink(DIID_OutlookApplicationEvents_11);
    auto holder = ComPtr<TestSink>::Copy(leaving);
    auto removed = classlib::Make<TestSink>(DIID_OutlookApplicationEvents_11);
    ASSERT_EQ(leaving->Connect(source->Identity()), S_OK);
    ASSERT_EQ(removed->Connect(source->Identity()), S_OK);
    // The first sink unadvises itself and the second one, then drops the last outside reference
    // to itself: it must survive its own call, and the second sink must not be called.
    leaving->reaction = [&](DISPID, DISPPARAMS *) {
        leaving->Disconnect();
        removed->Disconnect();
        holder.Reset();
    };
    EXPECT_EQ(source->Events().Fire(DIID_OutlookApplicationEvents_11, 0xF007), 1);
    EXPECT_TRUE(removed->events.empty());
    EXPECT_EQ(source->Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
}

TEST(SimConnectionPoints, ShutdownReleasesTheSinks) {
    auto world = std::make_unique<SimWorld>();
    TestSource *source = world->Create<TestSource>();
    auto sink = classlib::Make<TestSink>(DIID_OutlookApplicationEvents_11);
    ASSERT_EQ(sink->Connect(source->Identity()), S_OK);
    EXPECT_EQ(RefsOf(sink.Get()), 2u);
    world.reset();
    EXPECT_EQ(RefsOf(sink.Get()), 1u);
    // Unadvising from a host that has gone fails without harm.
    EXPECT_FALSE(SUCCEEDED(sink->Disconnect()));
}
