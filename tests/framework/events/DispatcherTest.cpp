// The dispatcher as a host calls it, with hand-made calls: argument order, named arguments, wrong
// counts and types, by-reference arguments written back through the host's own pointers, failing
// handlers, its COM identity and its life after its component has gone. Where an event component
// may live (a module or an Outlook events component, nothing else), what its class's instance count
// says, and VarIsNothing.
#include "EventsTestSupport.h"

#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "classlib/OleString.h"
#include "classlib/Timer.h"
#include "framework/core/ModuleErrors.h"
#include "framework/events/OfficeAppEvents.h"
#include "framework/events/OleFunctions.h"
#include "framework/events/Outlook2007Application.h"
#include "framework/events/OutlookSinks.h"
#include "framework/events/WordEvents.h"
#include "hostsim/WordHost.h"

#include "HandMadeVariants.h"

using classlib::ComPtr;
using classlib::OleVariant;
using framework::TzidWordAppEvents;
using testsupport::BoolRef;
using testsupport::Int;
using testsupport::Object;

namespace eventstest {
namespace {

constexpr DISPID kDocumentBeforeSave = 8; // (Doc, var SaveAsUI, var Cancel)
constexpr VARIANT_BOOL kUntouched = 0x1234;

class DispatcherTest : public EventsTest {
protected:
    void SetUp() override {
        EventsTest::SetUp();
        recorder_.Probes = {word_.AddTemplate(L"Doc.dot", L"C:\\Doc.dot")};
        events_ = classlib::Create<TzidWordAppEvents>(module_);
        dispatch_ = DispatchOf(*events_);
        ASSERT_TRUE(recorder_.Bind(*events_, L"OnDocumentBeforeSave"));
        doc_ = ComPtr<IUnknown>::Copy(recorder_.Probes[0]->Identity()).TryAs<IDispatch>();
    }
    void TearDown() override {
        dispatch_.Reset();
        doc_.Reset();
        EventsTest::TearDown();
    }

    // rgvarg as the host lays it out: named arguments first, then the positional ones, last first.
    HRESULT Call(DISPID id, std::vector<VARIANT> args, std::vector<DISPID> named = {},
                 UINT *argErr = nullptr) {
        DISPPARAMS params{args.empty() ? nullptr : args.data(), named.empty() ? nullptr : named.data(),
                          static_cast<UINT>(args.size()), static_cast<UINT>(named.size())};
        return dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                                 nullptr, argErr);
    }

    hostsim::WordHost word_{L"11.0"};
    TzidWordAppEvents *events_ = nullptr;
    // DocumentBeforeSave as Word calls it, with the fixture's flags.
    HRESULT Save() {
        return Call(kDocumentBeforeSave, {BoolRef(&cancel_), BoolRef(&saveAsUI_), Object(doc_.Get())});
    }

    ComPtr<IDispatch> dispatch_, doc_;
    VARIANT_BOOL saveAsUI_ = VARIANT_FALSE, cancel_ = VARIANT_FALSE;
};

TEST_F(DispatcherTest, ArgumentsArriveInDeclarationOrderAndAnswersReachTheHostsFlags) {
    ASSERT_EQ(Save(), S_OK);
    ASSERT_EQ(recorder_.Calls.size(), 1u);
    EXPECT_EQ(recorder_.Calls[0].Args, (std::vector<std::wstring>{L"obj0", L"ref:false", L"ref:false"}));
    EXPECT_EQ(recorder_.Calls[0].Sender, events_);
    EXPECT_EQ(saveAsUI_, VARIANT_TRUE);
    EXPECT_EQ(cancel_, VARIANT_TRUE);
}

TEST_F(DispatcherTest, NamedArgumentsTakeThePositionsTheirIdsName) {
    // All named, in no particular order; then one positional with two named after it.
    ASSERT_EQ(
        Call(kDocumentBeforeSave, {BoolRef(&saveAsUI_), Object(doc_.Get()), BoolRef(&cancel_)}, {1, 0, 2}),
        S_OK);
    VARIANT_BOOL saveAsUI = VARIANT_FALSE, cancel = VARIANT_FALSE;
    ASSERT_EQ(Call(kDocumentBeforeSave, {BoolRef(&cancel), BoolRef(&saveAsUI), Object(doc_.Get())}, {2, 1}),
              S_OK);
    ASSERT_EQ(recorder_.Calls.size(), 2u);
    for (const TRecorded &call : recorder_.Calls)
        EXPECT_EQ(call.Args, (std::vector<std::wstring>{L"obj0", L"ref:false", L"ref:false"}));
    EXPECT_EQ(cancel_ & saveAsUI_ & cancel & saveAsUI, VARIANT_TRUE);
}

TEST_F(DispatcherTest, ANamedArgumentThatNamesNoFreePositionIsRefusedUntouched) {
    cancel_ = saveAsUI_ = kUntouched;
    // A property put's value, a position past the call, a position taken twice.
    for (std::vector<DISPID> named :
         {std::vector<DISPID>{DISPID_PROPERTYPUT, 0, 1}, std::vector<DISPID>{3, 0, 1},
          std::vector<DISPID>{0, 0, 1}, std::vector<DISPID>{-1, 0, 1}}) {
        UINT argErr = 0xdeadbeef;
        std::vector<VARIANT> args{BoolRef(&cancel_), Object(doc_.Get()), BoolRef(&saveAsUI_)};
        EXPECT_EQ(Call(kDocumentBeforeSave, args, named, &argErr), DISP_E_PARAMNOTFOUND) << named[0];
        EXPECT_LT(argErr, 3u);
    }
    // Named ones after positional ones: position 0 is taken by the positional argument.
    EXPECT_EQ(Call(kDocumentBeforeSave, {BoolRef(&cancel_), BoolRef(&saveAsUI_), Object(doc_.Get())}, {0}),
              DISP_E_PARAMNOTFOUND);
    EXPECT_TRUE(recorder_.Calls.empty());
    EXPECT_EQ(cancel_, kUntouched);
    EXPECT_EQ(saveAsUI_, kUntouched);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(DispatcherTest, ACallThatDoesNotFitItsEventFiresNothing) {
    cancel_ = saveAsUI_ = kUntouched;
    // Too few and too many arguments: a dispatch error, nothing for the user to see.
    EXPECT_EQ(Call(kDocumentBeforeSave, {BoolRef(&cancel_), Object(doc_.Get())}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(kDocumentBeforeSave, {Int(1), BoolRef(&cancel_), BoolRef(&saveAsUI_), Object(doc_.Get())}),
              DISP_E_BADPARAMCOUNT);
    EXPECT_TRUE(Errors().empty());
    // A number where the document goes, a flag that cannot be written back: a conversion error for
    // DoError, and the host's call still succeeds.
    EXPECT_EQ(Call(kDocumentBeforeSave, {BoolRef(&cancel_), BoolRef(&saveAsUI_), Int(7)}), S_OK);
    VARIANT wrongRef;
    LONG number = 0;
    wrongRef.vt = VT_BYREF | VT_I4;
    wrongRef.plVal = &number;
    EXPECT_EQ(Call(kDocumentBeforeSave, {wrongRef, BoolRef(&saveAsUI_), Object(doc_.Get())}), S_OK);
    EXPECT_TRUE(recorder_.Calls.empty());
    EXPECT_EQ(Errors().size(), 2u);
    EXPECT_EQ(cancel_, kUntouched);
    EXPECT_EQ(number, 0);
    // Contradicting DISPPARAMS.
    DISPPARAMS broken{nullptr, nullptr, 2, 0};
    EXPECT_EQ(dispatch_->Invoke(kDocumentBeforeSave, IID_NULL, 0, DISPATCH_METHOD, &broken, nullptr, nullptr,
                                nullptr),
              E_INVALIDARG);
    std::vector<VARIANT> one{Int(1)};
    DISPPARAMS moreNamed{one.data(), nullptr, 1, 2};
    EXPECT_EQ(dispatch_->Invoke(kDocumentBeforeSave, IID_NULL, 0, DISPATCH_METHOD, &moreNamed, nullptr,
                                nullptr, nullptr),
              E_INVALIDARG);
}

TEST_F(DispatcherTest, WithoutAHandlerNothingIsConvertedAndUnknownIdsAreIgnored) {
    TRecorder::Unbind(*events_, L"OnDocumentBeforeSave");
    EXPECT_EQ(Call(kDocumentBeforeSave, {Int(1), Int(2), Int(3)}), S_OK);
    // Word's 0 and 5 are no events; -1 is no id at all.
    for (DISPID id : {DISPID_UNKNOWN, 0, 5, 0x7777})
        EXPECT_EQ(Call(id, {Int(1)}), S_OK);
    EXPECT_EQ(
        dispatch_->Invoke(DISPID_UNKNOWN, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
        S_OK);
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(recorder_.Calls.empty());
}

TEST_F(DispatcherTest, AFailingHandlerReachesDoErrorAndItsAnswersStillReachTheHost) {
    recorder_.Raise = L"OnDocumentBeforeSave";
    EXPECT_EQ(Save(), S_OK);
    EXPECT_EQ(Errors(), (std::vector<std::wstring>{L"The handler of OnDocumentBeforeSave failed."}));
    EXPECT_EQ(cancel_, VARIANT_TRUE);

    // Without OnError the user sees the module's error message.
    module_->OnError.Clear();
    EXPECT_EQ(Save(), S_OK);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], L"Events Test error: the add-in has fired an exception.\r\n"
                            L"The handler of OnDocumentBeforeSave failed.");
    messages_.clear();
}

TEST_F(DispatcherTest, AFlagInsideAVariantByReferenceIsWrittenIntoThatVariant) {
    VARIANT inner;
    inner.vt = VT_BOOL;
    inner.boolVal = VARIANT_FALSE;
    VARIANT byVariant;
    byVariant.vt = VT_BYREF | VT_VARIANT;
    byVariant.pvarVal = &inner;
    std::vector<VARIANT> args{byVariant, BoolRef(&saveAsUI_), Object(doc_.Get())};
    DISPPARAMS params{args.data(), nullptr, 3, 0};
    ASSERT_EQ(dispatch_->Invoke(kDocumentBeforeSave, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr,
                                nullptr),
              S_OK);
    // The host's argument list is left as it was: only the storage behind it changed.
    EXPECT_EQ(args[0].vt, VT_BYREF | VT_VARIANT);
    EXPECT_EQ(args[0].pvarVal, &inner);
    EXPECT_EQ(args[1].vt, VT_BYREF | VT_BOOL);
    EXPECT_EQ(args[1].pboolVal, &saveAsUI_);
    EXPECT_EQ(inner.vt, VT_BOOL);
    EXPECT_EQ(inner.boolVal, VARIANT_TRUE);
}

TEST_F(DispatcherTest, DoInvokeAnswersInParamsPassedByValue) {
    framework::TzidEventParams params{OleVariant(doc_.Get()), OleVariant(false), OleVariant(false)};
    events_->DoInvoke(kDocumentBeforeSave, params);
    EXPECT_TRUE(params[1].ToBool());
    EXPECT_TRUE(params[2].ToBool());
}

TEST_F(DispatcherTest, ATextByReferenceIsReplacedWithANewStringTheHostOwns) {
    auto *app = classlib::Create<framework::TzidOutlookAppEvents>(module_);
    auto *inspector = classlib::Create<framework::TzidOutlookInspectorEvents>(app);
    ASSERT_TRUE(recorder_.Bind(*app, L"OnInspectorPageChange"));
    BSTR page = SysAllocString(L"General");
    const BSTR passed = page;
    VARIANT arg;
    arg.vt = VT_BYREF | VT_BSTR;
    arg.pbstrVal = &page;
    std::vector<VARIANT> args{arg};
    DISPPARAMS params{args.data(), nullptr, 1, 0};
    ASSERT_EQ(DispatchOf(*inspector)
                  ->Invoke(0xFBF4, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(recorder_.Calls.at(0).Args, (std::vector<std::wstring>{L"ref:'General'"}));
    EXPECT_NE(page, passed);
    EXPECT_EQ(classlib::BStrToString(page), L"General!");
    EXPECT_EQ(args[0].pbstrVal, &page);
    SysFreeString(page);
}

TEST_F(DispatcherTest, TheSinkAnswersItsOwnInterfacesOnly) {
    EXPECT_EQ(events_->RefCount(), 1); // dispatch_
    for (REFIID iid : {IID_IUnknown, IID_IDispatch, DIID_WordApplicationEvents4}) {
        ComPtr<IUnknown> answer;
        ASSERT_EQ(events_->QueryInterface(iid, answer.PutVoid()), S_OK);
        EXPECT_EQ(answer.Get(), static_cast<IUnknown *>(dispatch_.Get()));
    }
    void *sentinel = reinterpret_cast<void *>(0xdeadbeef);
    EXPECT_EQ(dispatch_->QueryInterface(IID_IConnectionPointContainer, &sentinel), E_NOINTERFACE);
    EXPECT_EQ(sentinel, nullptr);
    sentinel = reinterpret_cast<void *>(0xdeadbeef);
    EXPECT_EQ(events_->QueryInterface(DIID_WordApplicationEvents2, &sentinel), E_NOINTERFACE);
    EXPECT_EQ(sentinel, nullptr);

    UINT count = 7;
    EXPECT_EQ(dispatch_->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    ITypeInfo *info = reinterpret_cast<ITypeInfo *>(0xdeadbeef);
    EXPECT_EQ(dispatch_->GetTypeInfo(0, 0, &info), E_NOTIMPL);
    EXPECT_EQ(info, nullptr);
    LPOLESTR name = const_cast<LPOLESTR>(L"DocumentBeforeSave");
    DISPID id = 0;
    EXPECT_EQ(dispatch_->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), E_NOTIMPL);
    EXPECT_EQ(events_->RefCount(), 1);
}

TEST_F(DispatcherTest, ADispatcherTheHostStillHoldsOutlivesItsComponentAndIgnoresCalls) {
    classlib::Free(events_);
    EXPECT_EQ(classlib::ComServer().ObjectCount(), 1);
    cancel_ = kUntouched;
    EXPECT_EQ(Save(), S_OK);
    EXPECT_EQ(cancel_, kUntouched);
    EXPECT_TRUE(recorder_.Calls.empty());
    ComPtr<IUnknown> same;
    EXPECT_EQ(dispatch_->QueryInterface(IID_IUnknown, same.PutVoid()), S_OK);
    EXPECT_EQ(dispatch_->QueryInterface(DIID_WordApplicationEvents4, same.PutVoid()), E_NOINTERFACE);
    same.Reset();
    dispatch_.Reset(); // the host's last reference
    EXPECT_EQ(classlib::ComServer().ObjectCount(), 0);
}

using OwnerTest = EventsTest;

template <class T> void ExpectRefused(classlib::TComponent *owner, const std::wstring &message) {
    try {
        classlib::Create<T>(owner);
        ADD_FAILURE() << "created";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), framework::zidErrWrongEventsOwner);
        EXPECT_EQ(e.HelpContext(), 0);
        EXPECT_EQ(e.Message(), message);
    }
}

TEST_F(OwnerTest, AComponentLivesInAModuleOrAnOutlookEventsComponentOnly) {
    ExpectRefused<framework::TzidWordAppEvents>(
        nullptr, L"The TzidWordAppEvents class cannot be contained in the nil class.");
    ExpectRefused<framework::TzidOutlookExplorerEvents>(
        nullptr, L"The TzidOutlookExplorerEvents class cannot be contained in the nil class.");
    classlib::TTimer *timer = classlib::Create<classlib::TTimer>(module_);
    ExpectRefused<framework::TzidExcelAppEvents>(
        timer, L"The TzidExcelAppEvents class cannot be contained in the TTimer class.");
    EXPECT_EQ(timer->ComponentCount(), 0) << "a refused component leaves its owner";

    auto *app = classlib::Create<framework::TzidOutlookAppEvents>(module_);
    EXPECT_EQ(app->ComponentCount(), 4) << "NameSpace, Explorers, Inspectors, Reminders";
    auto *explorer = classlib::Create<framework::TzidOutlookExplorerEvents>(app);
    EXPECT_EQ(explorer->App(), app);
    // A child under the module itself is allowed, and fires nothing.
    auto *orphan = classlib::Create<framework::TzidOutlookExplorerEvents>(module_);
    EXPECT_EQ(orphan->App(), nullptr);
    framework::TzidEventParams none;
    orphan->DoInvoke(0xF007, none);
    auto *menus = classlib::Create<framework::TzidOutlook2007Application>(app);
    EXPECT_EQ(menus->OwnerModule(), nullptr);
    menus->DoInvoke(0xFBA6, none);
}

TEST_F(OwnerTest, TheInstanceCountFollowsTheComponentsOfAClass) {
    auto *first = classlib::Create<framework::TzidWordAppEvents>(module_);
    framework::TzidServerData &data = first->ServerData();
    const LONG one = data.InstanceCount;
    auto *second = classlib::Create<framework::TzidWordAppEvents>(module_);
    EXPECT_EQ(&second->ServerData(), &data) << "one descriptor per class";
    EXPECT_EQ(data.InstanceCount, one + 1);
    try {
        classlib::Create<framework::TzidWordAppEvents>(nullptr);
    } catch (const classlib::EOleSysError &) {
    }
    EXPECT_EQ(data.InstanceCount, one + 1);
    classlib::Free(second);
    EXPECT_EQ(data.InstanceCount, one);
    EXPECT_EQ(data.Version, 500);
}

TEST(VarIsNothingTest, OnlyEmptyAndNullObjectReferencesAreNothing) {
    EXPECT_TRUE(framework::VarIsNothing(OleVariant()));
    EXPECT_TRUE(framework::VarIsNothing(OleVariant(static_cast<IDispatch *>(nullptr))));
    EXPECT_TRUE(framework::VarIsNothing(OleVariant(static_cast<IUnknown *>(nullptr))));
    IDispatch *none = nullptr;
    EXPECT_TRUE(framework::VarIsNothing(testsupport::Var(VT_BYREF | VT_DISPATCH, &none)));

    EXPECT_FALSE(framework::VarIsNothing(OleVariant(0)));
    EXPECT_FALSE(framework::VarIsNothing(OleVariant(L"")));
    EXPECT_FALSE(framework::VarIsNothing(OleVariant(false)));
    EXPECT_FALSE(framework::VarIsNothing(testsupport::Var(VT_NULL)));
    EXPECT_FALSE(framework::VarIsNothing(OleVariant::Missing()));
    hostsim::WordHost word(L"14.0");
    EXPECT_FALSE(framework::VarIsNothing(OleVariant(word.Application())));
}

} // namespace
} // namespace eventstest
