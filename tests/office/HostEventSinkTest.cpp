// The decoding of host event arguments and the sink's answers to the host, driven by hand-made
// DISPPARAMS: the shapes a host may send (reversed and named arguments, objects by value and by
// reference, Cancel flags) and the malformed ones a sink must refuse without harm.
#include "office/HostEventSink.h"
#include "office/HostWrapper.h"

#include <gtest/gtest.h>

#include "CountedDispatch.h"
#include "ErrorOf.h"
#include "HandMadeVariants.h"

#include <functional>
#include <stdexcept>

using classlib::ComPtr;
using classlib::EOleSysError;
using classlib::OleVariant;
using office::THostEventArgs;
using office::THostEventInterface;
using office::THostEventSink;
using office::THostWrapper;
using testsupport::ErrorOf;
using testsupport::Int;
using testsupport::Object;
using testsupport::TCountedDispatch;
using testsupport::Var;

namespace {

// Arguments in declaration order, laid out the way a host passes them (last first).
struct Call {
    std::vector<VARIANTARG> rgvarg;
    std::vector<DISPID> named;
    DISPPARAMS params{};
    explicit Call(std::vector<VARIANTARG> declared) : rgvarg(declared.rbegin(), declared.rend()) {
        params = {rgvarg.data(), nullptr, static_cast<UINT>(rgvarg.size()), 0};
    }
};

} // namespace

TEST(THostEventArgs, ReadsArgumentsInDeclarationOrderAndByName) {
    Call call({Int(10), Int(20), Int(30)});
    THostEventArgs args(&call.params);
    EXPECT_EQ(args.Count(), 3);
    EXPECT_EQ(args.Value(0).ToInt(), 10);
    EXPECT_EQ(args.Value(2).ToInt(), 30);
    EXPECT_EQ(ErrorOf([&] { args.Value(3); }), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(ErrorOf([&] { args.Value(-1); }), DISP_E_BADPARAMCOUNT);

    // Named arguments come first in rgvarg and carry their position as dispatch id.
    VARIANTARG rgvarg[] = {Int(2), Int(1)}; // argument 2 named, then positional argument 0
    DISPID names[] = {2};
    DISPPARAMS named = {rgvarg, names, 2, 1};
    THostEventArgs byName(&named);
    EXPECT_EQ(byName.Value(0).ToInt(), 1);
    EXPECT_EQ(byName.Value(2).ToInt(), 2);
    EXPECT_EQ(ErrorOf([&] { byName.Value(1); }), DISP_E_BADPARAMCOUNT);

    THostEventArgs none(nullptr);
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.OptionalObject(0), nullptr);

    DISPPARAMS contradictory = {rgvarg, nullptr, 2, 1}; // named count without the names
    EXPECT_EQ(ErrorOf([&] { THostEventArgs bad(&contradictory); }), E_INVALIDARG);
    DISPPARAMS tooManyNames = {rgvarg, names, 1, 2};
    EXPECT_EQ(ErrorOf([&] { THostEventArgs bad(&tooManyNames); }), E_INVALIDARG);
}

TEST(THostEventArgs, ObjectsArriveInEveryFormAndOthersAreRefused) {
    TCountedDispatch object;
    IDispatch *slot = &object;
    IUnknown *unknownSlot = &object;
    VARIANT inner = Object(&object);
    Call call({Object(&object), Var(VT_BYREF | VT_DISPATCH, &slot), Var(VT_BYREF | VT_VARIANT, &inner),
               Var(VT_BYREF | VT_UNKNOWN, &unknownSlot), Var(VT_EMPTY), Var(VT_NULL), Object(nullptr),
               Int(5)});
    {
        THostEventArgs args(&call.params);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(args.Object(i).Get(), &object) << "argument " << i;
        for (int i = 4; i < 7; ++i)
            EXPECT_EQ(args.Object(i), nullptr) << "argument " << i;
        EXPECT_EQ(ErrorOf([&] { args.Object(7); }), DISP_E_TYPEMISMATCH);
        EXPECT_EQ(ErrorOf([&] { args.Object(8); }), DISP_E_BADPARAMCOUNT);
        // Hosts whose declarations are not known: whatever is not an object reads as null.
        EXPECT_EQ(args.OptionalObject(7), nullptr);
        EXPECT_EQ(args.OptionalObject(8), nullptr);
        EXPECT_EQ(args.OptionalObject(0).Get(), &object);
    }
    EXPECT_EQ(object.refs, 1); // every reference the decoding took was given back

    TCountedDispatch plain(false); // an object that is no automation object
    VARIANTARG unknown = Var(VT_UNKNOWN);
    unknown.punkVal = &plain;
    Call other({unknown});
    THostEventArgs args(&other.params);
    EXPECT_EQ(ErrorOf([&] { args.Object(0); }), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(plain.refs, 1);
}

TEST(THostEventArgs, ByReferenceFlagsAreWrittenThroughTheHostsPointerOnly) {
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT holder;
    VariantInit(&holder);
    holder.vt = VT_BOOL;
    holder.boolVal = VARIANT_TRUE;
    VARIANT_BOOL notByRef = VARIANT_FALSE;
    VARIANTARG byValue = Var(VT_BOOL);
    byValue.boolVal = VARIANT_FALSE;
    Call call({Var(VT_BYREF | VT_BOOL, &cancel), Var(VT_BYREF | VT_VARIANT, &holder), byValue,
               Var(VT_BYREF | VT_I4, &notByRef)});
    THostEventArgs args(&call.params);

    bool &first = args.BoolRef(0);
    bool &second = args.BoolRef(1);
    EXPECT_FALSE(first);
    EXPECT_TRUE(second); // the handler sees what the host (or an earlier sink) left there
    first = true;
    second = false;
    EXPECT_EQ(cancel, VARIANT_FALSE); // nothing reaches the host before the handler is done
    args.WriteBack();
    EXPECT_EQ(cancel, VARIANT_TRUE);
    EXPECT_EQ(holder.vt, VT_BOOL);
    EXPECT_EQ(holder.boolVal, VARIANT_FALSE);
    // The host's own VARIANT still points at its storage.
    EXPECT_EQ(call.rgvarg[3].vt, VT_BYREF | VT_BOOL);
    EXPECT_EQ(call.rgvarg[3].pboolVal, &cancel);

    EXPECT_EQ(ErrorOf([&] { args.BoolRef(2); }), DISP_E_TYPEMISMATCH); // a copy could never reach the host
    EXPECT_EQ(ErrorOf([&] { args.BoolRef(3); }), DISP_E_TYPEMISMATCH);
}

namespace {

const IID DIID_ProbeEvents = {0x2b7c11e4, 0x90a1, 0x4c1e, {0x8d, 0x2f, 0x61, 0x0a, 0x5e, 0x3b, 0x77, 0x01}};

const std::vector<THostEventInterface> &ProbeInterfaces() {
    static const std::vector<THostEventInterface> interfaces = {{DIID_ProbeEvents, {1, 2}}};
    return interfaces;
}

class TProbeWrapper : public THostWrapper {
public:
    TProbeWrapper() : THostWrapper(nullptr, ProbeInterfaces()) {}
    std::function<void(DISPID, THostEventArgs &)> onEvent;
    using THostWrapper::Get;

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override { onEvent(id, args); }
};

HRESULT Fire(IDispatch *sink, DISPID id, DISPPARAMS *params) {
    return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params, nullptr, nullptr,
                        nullptr);
}

} // namespace

TEST(THostEventSink, AnswersTheHostForEveryOutcomeOfAHandler) {
    TProbeWrapper wrapper;
    auto sink = classlib::Make<THostEventSink>(ProbeInterfaces()[0], &wrapper);
    int calls = 0;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    Call call({Var(VT_BYREF | VT_BOOL, &cancel)});

    wrapper.onEvent = [&](DISPID, THostEventArgs &args) {
        ++calls;
        args.BoolRef(0) = true;
    };
    EXPECT_EQ(Fire(sink.Get(), 1, &call.params), S_OK);
    EXPECT_EQ(cancel, VARIANT_TRUE);
    EXPECT_EQ(Fire(sink.Get(), 3, &call.params), DISP_E_MEMBERNOTFOUND); // not declared: not decoded
    EXPECT_EQ(calls, 1);

    // A failing handler: its HRESULT goes back, and the flag it set before failing reaches the host.
    cancel = VARIANT_FALSE;
    wrapper.onEvent = [&](DISPID, THostEventArgs &args) {
        args.BoolRef(0) = true;
        throw EOleSysError(L"handler failed", E_ACCESSDENIED);
    };
    EXPECT_EQ(Fire(sink.Get(), 2, &call.params), E_ACCESSDENIED);
    EXPECT_EQ(cancel, VARIANT_TRUE);
    wrapper.onEvent = [](DISPID, THostEventArgs &) { throw std::runtime_error("not ours"); };
    EXPECT_EQ(Fire(sink.Get(), 2, &call.params), E_UNEXPECTED);
    wrapper.onEvent = [](DISPID, THostEventArgs &args) { args.Object(0); }; // a flag is no object
    EXPECT_EQ(Fire(sink.Get(), 2, &call.params), DISP_E_TYPEMISMATCH);

    // Once the wrapper has let go, the sink only answers.
    sink->Detach();
    wrapper.onEvent = [&](DISPID, THostEventArgs &) { ++calls; };
    EXPECT_EQ(Fire(sink.Get(), 1, &call.params), S_OK);
    EXPECT_EQ(calls, 1);
}

TEST(THostWrapper, ConnectsOnlyToAutomationObjectsAndNeedsAConnectionForCalls) {
    TProbeWrapper wrapper;
    EXPECT_EQ(ErrorOf([&] { wrapper.Get(1); }), CO_E_OBJNOTCONNECTED);

    TCountedDispatch plain(false);
    EXPECT_EQ(ErrorOf([&] { wrapper.ConnectTo(&plain); }), E_NOINTERFACE);
    EXPECT_FALSE(wrapper.Connected());
    EXPECT_EQ(plain.refs, 1);

    // An object without connection points is still reachable; it just sends no events.
    TCountedDispatch object;
    wrapper.ConnectTo(&object);
    EXPECT_TRUE(wrapper.Connected());
    EXPECT_EQ(wrapper.Dispatch(), &object);
    EXPECT_EQ(wrapper.EventInterface(), nullptr);
    EXPECT_EQ(ErrorOf([&] { wrapper.Get(1); }), DISP_E_MEMBERNOTFOUND);
    wrapper.ConnectTo(nullptr); // drops the earlier object
    EXPECT_FALSE(wrapper.Connected());
    EXPECT_EQ(object.refs, 1);
    wrapper.Disconnect();
    wrapper.Disconnect();
}
