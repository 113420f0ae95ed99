// Connection points and event sinks against a hand-written source, including a source that drops
// the sink from inside the sink's own Invoke.
#include "classlib/ConnectionPoints.h"
#include "classlib/ComServer.h"
#include "classlib/EventSink.h"
#include "classlib/OleVariant.h"

#include <gtest/gtest.h>
#include <olectl.h>

#include <functional>
#include <map>

using namespace classlib;

namespace {

const IID DIID_FakeEvents = {0x6f0e3c21, 0x52b4, 0x4d2a, {0x9e, 0x11, 0x0c, 0x4d, 0x7a, 0x55, 0x10, 0x01}};
const IID DIID_OtherEvents = {0x6f0e3c21, 0x52b4, 0x4d2a, {0x9e, 0x11, 0x0c, 0x4d, 0x7a, 0x55, 0x10, 0x02}};

// One connection point for DIID_FakeEvents; it fires through raw pointers it does not AddRef,
// as real sources may, so a sink released during its Invoke must protect itself.
class FakeSource : public IConnectionPointContainer, public IConnectionPoint {
public:
    std::map<DWORD, IDispatch *> sinks;
    DWORD nextCookie = 1;

    ~FakeSource() {
        for (auto &entry : sinks)
            entry.second->Release();
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPointContainer))
            *ppv = static_cast<IConnectionPointContainer *>(this);
        else if (IsEqualIID(riid, IID_IConnectionPoint))
            *ppv = static_cast<IConnectionPoint *>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK; // lives on the test's stack: no counting
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint **point) override {
        *point = nullptr;
        if (!IsEqualIID(riid, DIID_FakeEvents))
            return CONNECT_E_NOCONNECTION;
        *point = this;
        return S_OK;
    }
    // IConnectionPoint
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID *iid) override {
        *iid = DIID_FakeEvents;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer **c) override {
        *c = this;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown *sink, DWORD *cookie) override {
        IDispatch *disp = nullptr;
        if (FAILED(sink->QueryInterface(DIID_FakeEvents, reinterpret_cast<void **>(&disp))))
            return CONNECT_E_CANNOTCONNECT;
        sinks[nextCookie] = disp;
        *cookie = nextCookie++;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        auto it = sinks.find(cookie);
        if (it == sinks.end())
            return CONNECT_E_NOCONNECTION;
        IDispatch *sink = it->second;
        sinks.erase(it);
        sink->Release();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections **) override { return E_NOTIMPL; }

    HRESULT Fire(DISPID id, OleVariant arg) {
        HRESULT last = S_OK;
        for (auto [cookie, sink] : std::map<DWORD, IDispatch *>(sinks)) {
            DISPPARAMS params{arg.Ptr(), nullptr, 1, 0};
            last = sink->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        }
        return last;
    }
};

int liveSinks = 0;
int liveAfterHandler = -1; // what the handler saw after the source let go of the sink

class RecordingSink : public TEventSinkBase {
public:
    std::vector<std::wstring> received;
    std::function<void()> during; // runs inside DoInvoke

    RecordingSink() : TEventSinkBase(DIID_FakeEvents) { ++liveSinks; }

protected:
    ~RecordingSink() override { --liveSinks; }
    HRESULT DoInvoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *) override {
        if (id == 99)
            throw EOleSysError(L"handler failed", E_ACCESSDENIED);
        if (id != 1)
            return DISP_E_MEMBERNOTFOUND;
        received.push_back(OleVariant(params->rgvarg[0]).ToString());
        if (during)
            during();
        received.push_back(L"handled"); // touches the sink after the source let go of it
        liveAfterHandler = liveSinks;
        return S_OK;
    }
};

} // namespace

TEST(InterfaceConnect, AdvisesAndUnadvisesWithExactFailures) {
    FakeSource source;
    auto sink = classlib::Make<RecordingSink>();
    DWORD cookie = 0xdeadbeef;
    EXPECT_EQ(InterfaceConnect(static_cast<IConnectionPointContainer *>(&source), DIID_FakeEvents,
                               static_cast<IDispatch *>(sink.Get()), cookie),
              S_OK);
    EXPECT_NE(cookie, 0u);
    EXPECT_EQ(source.sinks.size(), 1u);
    EXPECT_EQ(InterfaceDisconnect(static_cast<IConnectionPointContainer *>(&source), DIID_FakeEvents, cookie),
              S_OK);
    EXPECT_EQ(cookie, 0u);
    EXPECT_TRUE(source.sinks.empty());
    EXPECT_EQ(InterfaceDisconnect(static_cast<IConnectionPointContainer *>(&source), DIID_FakeEvents, cookie),
              S_FALSE);

    cookie = 0xdeadbeef;
    EXPECT_EQ(InterfaceConnect(static_cast<IConnectionPointContainer *>(&source), DIID_OtherEvents,
                               static_cast<IDispatch *>(sink.Get()), cookie),
              CONNECT_E_NOCONNECTION);
    EXPECT_EQ(cookie, 0u);
    auto noContainer = ComPtr<IUnknown>::Copy(static_cast<IDispatch *>(sink.Get())); // a sink is no source
    EXPECT_EQ(
        InterfaceConnect(noContainer.Get(), DIID_FakeEvents, static_cast<IDispatch *>(sink.Get()), cookie),
        E_NOINTERFACE);
    EXPECT_EQ(InterfaceConnect(nullptr, DIID_FakeEvents, static_cast<IDispatch *>(sink.Get()), cookie),
              E_POINTER);

    cookie = 12345; // a cookie the source never gave out is cleared all the same
    EXPECT_EQ(InterfaceDisconnect(static_cast<IConnectionPointContainer *>(&source), DIID_FakeEvents, cookie),
              CONNECT_E_NOCONNECTION);
    EXPECT_EQ(cookie, 0u);
}

TEST(TEventSinkBase, ReceivesEventsUntilDisconnected) {
    FakeSource source;
    LONG objects = ComServer().ObjectCount();
    auto sink = classlib::Make<RecordingSink>();
    EXPECT_EQ(ComServer().ObjectCount(), objects + 1); // the host can call into a live sink
    ASSERT_EQ(sink->Connect(static_cast<IConnectionPointContainer *>(&source)), S_OK);
    EXPECT_TRUE(sink->Connected());
    EXPECT_EQ(source.Fire(1, OleVariant(L"first")), S_OK);
    EXPECT_EQ(source.Fire(2, OleVariant(L"ignored")), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(source.Fire(99, OleVariant(L"x")), E_ACCESSDENIED); // a throwing handler fails the call only
    EXPECT_EQ(sink->Disconnect(), S_OK);
    EXPECT_FALSE(sink->Connected());
    EXPECT_EQ(source.Fire(1, OleVariant(L"second")), S_OK);
    EXPECT_EQ(sink->received, (std::vector<std::wstring>{L"first", L"handled"}));
    EXPECT_EQ(sink->Disconnect(), S_FALSE);

    void *out = reinterpret_cast<void *>(0xdeadbeef);
    EXPECT_EQ(sink->QueryInterface(DIID_OtherEvents, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    sink = nullptr;
    EXPECT_EQ(ComServer().ObjectCount(), objects);
}

TEST(TEventSinkBase, SurvivesBeingUnadvisedAndReleasedInsideItsInvoke) {
    FakeSource source;
    RecordingSink *sink = nullptr;
    {
        ComPtr<RecordingSink> owner = classlib::Make<RecordingSink>();
        sink = owner.Get();
        ASSERT_EQ(sink->Connect(static_cast<IConnectionPointContainer *>(&source)), S_OK);
    } // now only the source holds the sink
    EXPECT_EQ(liveSinks, 1);
    DWORD cookie = source.sinks.begin()->first;
    sink->during = [&] { source.Unadvise(cookie); }; // drops the last reference mid-call
    EXPECT_EQ(source.Fire(1, OleVariant(L"last")), S_OK);
    EXPECT_TRUE(source.sinks.empty());
    EXPECT_EQ(liveAfterHandler, 1);
    EXPECT_EQ(liveSinks, 0); // freed once the call was over, not leaked
}

TEST(TEventSinkBase, SurvivesTheSourceReleasingItDuringDisconnect) {
    FakeSource source;
    RecordingSink *sink = classlib::Make<RecordingSink>().Detach();
    ASSERT_EQ(sink->Connect(static_cast<IConnectionPointContainer *>(&source)), S_OK);
    sink->Release(); // the source's reference is the only one left
    EXPECT_EQ(sink->Disconnect(), S_OK);
    EXPECT_EQ(liveSinks, 0);
}
