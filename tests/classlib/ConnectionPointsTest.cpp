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
    int finds = 0;
    int refusals = 0; // Unadvise calls still to refuse, with refusal
    HRESULT refusal = E_FAIL;

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
        ++finds;
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
        if (refusals > 0) {
            --refusals;
            return refusal;
        }
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

TEST(TConnection, AdvisesAndTakesBackWithExactFailures) {
    FakeSource source;
    IUnknown *container = static_cast<IConnectionPointContainer *>(&source);
    auto sink = classlib::Make<RecordingSink>();
    IUnknown *dispatch = static_cast<IDispatch *>(sink.Get());
    TConnection connection;
    EXPECT_EQ(connection.Advise(container, DIID_FakeEvents, dispatch), S_OK);
    EXPECT_TRUE(connection.Advised());
    EXPECT_EQ(connection.Advise(container, DIID_FakeEvents, dispatch), E_UNEXPECTED); // one advice each
    EXPECT_EQ(source.sinks.size(), 1u);
    // A refusal keeps point and cookie: the next try needs no second look-up.
    source.refusals = 1;
    EXPECT_EQ(connection.Unadvise(), E_FAIL);
    EXPECT_TRUE(connection.Advised());
    EXPECT_EQ(connection.Unadvise(), S_OK);
    EXPECT_EQ(source.finds, 1); // the advice's own look-up only
    EXPECT_TRUE(source.sinks.empty());
    EXPECT_EQ(connection.Unadvise(), S_FALSE);

    EXPECT_EQ(connection.Advise(container, DIID_OtherEvents, dispatch), CONNECT_E_NOCONNECTION);
    auto noContainer = ComPtr<IUnknown>::Copy(dispatch); // a sink is no source
    EXPECT_EQ(connection.Advise(noContainer.Get(), DIID_FakeEvents, dispatch), E_NOINTERFACE);
    EXPECT_EQ(connection.Advise(nullptr, DIID_FakeEvents, dispatch), E_POINTER);
    EXPECT_EQ(connection.Advise(container, DIID_FakeEvents, nullptr), E_POINTER);
    EXPECT_FALSE(connection.Advised());

    // A source whose object has gone holds nothing of ours any more.
    ASSERT_EQ(connection.Advise(container, DIID_FakeEvents, dispatch), S_OK);
    source.refusals = 1;
    source.refusal = RPC_E_DISCONNECTED;
    EXPECT_EQ(connection.Unadvise(), RPC_E_DISCONNECTED);
    EXPECT_FALSE(connection.Advised());
}

// A sink done with whose source refuses to take it back: inert, tried again at the release, let go of
// only when the source still refuses then. (Retries under a key: the control sinks' tests.)
TEST(TLingeringConnections, KeepRefusedAdvicesInertUntilTheSourceTakesThemBack) {
    FakeSource source;
    IUnknown *container = static_cast<IConnectionPointContainer *>(&source);
    const LONG objects = ComServer().ObjectCount();
    auto detachRefused = [&](int Refusals) {
        auto sink = classlib::Make<RecordingSink>();
        EXPECT_EQ(sink->Connect(container), S_OK);
        source.refusals = Refusals;
        sink->Detach();
        EXPECT_EQ(LingeringConnections().Count(), 1u);
        EXPECT_EQ(source.Fire(2, OleVariant(L"late")), S_OK); // inert: S_OK whatever the event
        EXPECT_TRUE(sink->received.empty());
        EXPECT_EQ(sink->Connect(container), E_UNEXPECTED);
    };
    detachRefused(1);
    EXPECT_EQ(liveSinks, 1); // the source holds it
    LingeringConnections().Release();
    EXPECT_TRUE(source.sinks.empty());
    EXPECT_EQ(liveSinks, 0);

    // Refused at both tries of the release: let go of, and the sink keeps the library loaded.
    detachRefused(3);
    LingeringConnections().Release();
    EXPECT_EQ(LingeringConnections().Count(), 0u);
    EXPECT_EQ(source.refusals, 0);
    EXPECT_EQ(ComServer().ObjectCount(), objects + 1);
    source.sinks.begin()->second->Release(); // the source's own reference
    source.sinks.clear();
    EXPECT_EQ(ComServer().ObjectCount(), objects);
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
    source.refusals = 1; // a refused disconnection leaves the sink connected, to be tried again
    ASSERT_EQ(sink->Connect(static_cast<IConnectionPointContainer *>(&source)), S_OK);
    EXPECT_EQ(sink->Disconnect(), E_FAIL);
    EXPECT_TRUE(sink->Connected());
    EXPECT_EQ(sink->Disconnect(), S_OK);

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
