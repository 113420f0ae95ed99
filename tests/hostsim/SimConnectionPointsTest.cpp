// Connection points of the simulated objects: advise, fire, unadvise, one by-reference Cancel shared
// by every sink, and sinks that unadvise or release themselves inside the event. By-reference
// arguments of every kind are written back in the framework's event suites.
#include <gtest/gtest.h>

#include "classlib/ConnectionPoints.h"
#include "hostsim/SimConnectionPoints.h"
#include "hostsim/SimDispatch.h"
#include "office/office.h"
#include "tests/hostsim/SimTestSink.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using hostsim_test::RefBool;
using hostsim_test::TestSink;

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
