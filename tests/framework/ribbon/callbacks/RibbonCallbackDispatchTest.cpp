// The add-in object's dispatch side as the host uses it: names to ids, arguments in and answers out,
// the host's by-reference cancel flag, failures, and the task-pane factory hand-over.
#include <gtest/gtest.h>

#include "CallbackFixture.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "framework/ribbon/RibbonCallbacks.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/RibbonUIObject.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/WordHost.h"

#include "HandMadeVariants.h"
#include "ScratchRegistry.h"

namespace callbacktest {
namespace {

using namespace framework;
using classlib::ComPtr;
using classlib::OleVariant;

// Hears the module's task-pane-factory announcement.
struct TFactoryListener : classlib::TObject {
    std::vector<ICTPFactory *> Seen;
    bool Fail = false;
    void Announce(ICTPFactory *Factory) {
        Seen.push_back(Factory);
        if (Fail)
            throw classlib::Exception(L"no panes today");
    }
};

class RibbonCallbackDispatch : public CallbackTest {
protected:
    HRESULT IdsOf(std::vector<std::wstring> Names, std::vector<DISPID> &Ids, REFIID Riid = IID_NULL) {
        std::vector<LPOLESTR> names;
        for (std::wstring &name : Names)
            names.push_back(name.data());
        Ids.assign(Names.size(), 0xdead);
        return addIn_->GetIDsOfNames(Riid, names.data(), static_cast<UINT>(names.size()), LOCALE_USER_DEFAULT,
                                     Ids.data());
    }
};

// Each callback's name resolves to its id and that id reaches a callback (a call without arguments is
// refused for its count); an id without a callback is no member.
TEST_F(RibbonCallbackDispatch, EveryCallbackNameResolvesToAnIdThatDispatchesAndOnlyTheWholeExactName) {
    std::vector<DISPID> ids;
    OleVariant result;
    int callbacks = 0;
    for (DISPID id = 0; id < 100; ++id) {
        const TzidRibbonCallback *callback = RibbonCallbackOf(id);
        if (!callback) {
            EXPECT_EQ(InvokeId(id, {Control(L"cbReply")}, &result), DISP_E_MEMBERNOTFOUND) << id;
            continue;
        }
        ++callbacks;
        EXPECT_EQ(IdsOf({callback->Name}, ids), S_OK) << id;
        EXPECT_EQ(ids[0], id);
        EXPECT_EQ(InvokeId(id, {}, &result), DISP_E_BADPARAMCOUNT) << id;
    }
    EXPECT_EQ(callbacks, 40);
    EXPECT_TRUE(Module().Log.empty());
    // Another letter case, a name cut short or carried on, and a character beyond 8 bits followed by
    // more (it once ended the name there): the type library's answer, ids of -1.
    for (std::wstring name :
         {std::wstring(L"getlabel_callback"), std::wstring(L"GetLabel_Callbac"),
          std::wstring(L"GetLabel_CallbackX"), std::wstring(L"GetLabel_Callback") + L'\x4e2d' + L"X",
          std::wstring(L"GetLabel") + L'\x0100' + L"_Callback"}) {
        EXPECT_EQ(IdsOf({name}, ids), DISP_E_UNKNOWNNAME);
        EXPECT_EQ(ids[0], DISPID_UNKNOWN);
    }
    // A callback has no parameter names: they are unknown, though the callback's own id is given.
    EXPECT_EQ(IdsOf({L"GetItemLabel_Callback", L"control", L"index"}, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids, (std::vector<DISPID>{29, DISPID_UNKNOWN, DISPID_UNKNOWN}));
    EXPECT_EQ(IdsOf({L"GetVisible_Callback", L"control"}, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids, (std::vector<DISPID>{12, DISPID_UNKNOWN}));
    // Names of another interface are not ours to answer.
    EXPECT_EQ(IdsOf({L"GetLabel_Callback"}, ids, IID_IRibbonControl), DISP_E_UNKNOWNINTERFACE);
}

TEST_F(RibbonCallbackDispatch, InvokeTakesTheHostsArgumentsInTheirPlacesAndRefusesOthers) {
    auto &combo = Add<TzidRibbonComboBox>(Group(), L"cbCombo");
    AddItem(combo, L"i0", L"Zero");
    AddItem(combo, L"i1", L"One");
    auto &edit = Add<TzidRibbonEditBox>(Group(), L"cbEdit");
    OleVariant result;
    UINT argErr = 0xdead;

    // Too few or too many arguments, also for the item question read as (control, index).
    EXPECT_EQ(Call(L"GetLabel_Callback", {}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(L"GetLabel_Callback", {Control(L"cbReply"), OleVariant(1)}, &result),
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(L"GetShowItemImage_Callback", {Control(L"cbCombo")}, &result), DISP_E_BADPARAMCOUNT);
    // The wrong kinds: text where the control goes, an object that is no control, an index that is
    // no number. ArgErr counts from the last argument.
    EXPECT_EQ(Call(L"GetLabel_Callback", {OleVariant(L"cbReply")}, &result, nullptr, &argErr),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argErr, 0u);
    hostsim::RibbonUIObject *ribbon = world_.Create<hostsim::RibbonUIObject>();
    EXPECT_EQ(Call(L"GetLabel_Callback", {OleVariant(static_cast<IDispatch *>(ribbon))}, &result),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Call(L"RibbonLoaded_Callback", {Control(L"cbReply")}, &result), DISP_E_TYPEMISMATCH);
    argErr = 0xdead;
    EXPECT_EQ(Call(L"GetItemLabel_Callback", {Control(L"cbCombo"), OleVariant(L"first")}, &result, nullptr,
                   &argErr),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argErr, 0u);
    argErr = 0xdead;
    EXPECT_EQ(Call(L"OnActionSelected_Callback", {OleVariant(42), OleVariant(L"i1"), OleVariant(1)}, &result,
                   nullptr, &argErr),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argErr, 2u);
    EXPECT_TRUE(Module().Log.empty()) << "a refused call runs nothing";

    // Types automation converts are taken: a short index, a number as the edit text.
    EXPECT_EQ(
        Call(L"GetItemLabel_Callback", {Control(L"cbCombo"), OleVariant(static_cast<double>(1))}, &result),
        S_OK);
    EXPECT_EQ(Shown(result), L"'One'");
    EXPECT_EQ(Call(L"OnChange_Callback", {Control(L"cbEdit"), OleVariant(12)}, &result), S_OK);
    EXPECT_EQ(edit.Text(), L"12");
    // A control passed by reference is read through it.
    OleVariant control = Control(L"cbReply");
    VARIANT byRef = testsupport::Var(VT_BYREF | VT_VARIANT, control.Ptr());
    EXPECT_EQ(Call(L"GetLabel_Callback", {OleVariant(byRef)}, &result), S_OK);
    EXPECT_EQ(Shown(result), L"'Antworten'");

    // No place for the answer: the callback runs all the same.
    EXPECT_EQ(Call(L"OnActionCommon_Callback", {Control(L"cbReply")}, nullptr), S_OK);
    EXPECT_EQ(Call(L"GetLabel_Callback", {Control(L"cbReply")}, nullptr), S_OK);
    EXPECT_EQ(Module().Log, (std::vector<std::wstring>{L"Click:reply with attachments"}));
    // Named arguments name nothing a callback has.
    std::vector<OleVariant> args{Control(L"cbReply")};
    DISPID named = 0;
    DISPPARAMS params{reinterpret_cast<VARIANTARG *>(args.data()), &named, 1, 1};
    EXPECT_EQ(addIn_->Invoke(14, IID_NULL, 0, DISPATCH_METHOD, &params, result.Put(), nullptr, nullptr),
              DISP_E_NONAMEDARGS);
}

// A callback is called as a method, which the host may combine with a property get; any other kind of
// call finds no member, runs nothing and leaves the answer alone.
TEST_F(RibbonCallbackDispatch, OnlyAMethodCallRunsACallback) {
    OleVariant control = Control(L"cbReply");
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS putParams{control.Ptr(), &put, 1, 1};
    DISPPARAMS params{control.Ptr(), nullptr, 1, 0};
    for (DISPID id : {rcbOnActionCommon, rcbGetLabel}) {
        EXPECT_EQ(
            addIn_->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &putParams, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND)
            << id;
        for (WORD flags : {WORD(0), WORD(DISPATCH_PROPERTYGET), WORD(DISPATCH_PROPERTYPUTREF)}) {
            VARIANT answer;
            answer.vt = VT_I4;
            answer.lVal = 0xdead;
            EXPECT_EQ(addIn_->Invoke(id, IID_NULL, 0, flags, &params, &answer, nullptr, nullptr),
                      DISP_E_MEMBERNOTFOUND)
                << id << " flags " << flags;
            EXPECT_EQ(answer.vt, VT_I4);
            EXPECT_EQ(answer.lVal, 0xdead);
        }
    }
    EXPECT_TRUE(Module().Log.empty()) << "no click came through";

    OleVariant result;
    EXPECT_EQ(addIn_->Invoke(rcbGetLabel, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params,
                             result.Put(), nullptr, nullptr),
              S_OK);
    EXPECT_EQ(Shown(result), L"'Antworten'");
    EXPECT_EQ(addIn_->Invoke(rcbOnActionCommon, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params,
                             result.Put(), nullptr, nullptr),
              S_OK);
    EXPECT_EQ(Module().Log, (std::vector<std::wstring>{L"Click:reply with attachments"}));
}

// A repurposed command's cancel flag goes back through the host's own reference; the host's
// variant itself is never replaced.
TEST_F(RibbonCallbackDispatch, TheCancelDefaultIsWrittenThroughTheHostsReference) {
    hostsim::OutlookHost outlook(L"14.0.0.4760");
    hostsim::SimOutlookItem *mail = outlook.AddItem(outlook.DefaultFolder(hostsim::ol::olFolderInbox),
                                                    hostsim::ol::olMail, L"Quarterly report");
    IDispatch *inspector = outlook.OpenInspector(mail);
    Module().SetHostType(ohaOutlook);
    // Two model buttons take over the built-in FileSave, one for mails: it answers in the mail's
    // inspector.
    for (TzidRibbons ribbons : {TzidRibbons{msrOutlookMailRead}, TzidRibbons{msrOutlookTask}}) {
        auto &button = Add<TzidRibbonButton>(Group(), L"save" + std::to_wstring(ribbons.Bits()));
        button.SetIdMso(L"FileSave");
        button.SetRibbons(ribbons);
        button.OnClick = classlib::MakeEvent<&TCallbackTestModule::RibbonMenuClick>(&Module());
    }

    VARIANT_BOOL flag = VARIANT_TRUE;
    VARIANT byRefBool = testsupport::BoolRef(&flag);
    // Nothing takes the command in the explorer: the flag is left as the host set it.
    IDispatch *explorer = outlook.OpenExplorer(outlook.DefaultFolder(hostsim::ol::olFolderInbox));
    std::vector<OleVariant> args{Control(L"FileSave", explorer), OleVariant(byRefBool)};
    ASSERT_EQ(Call(L"OnActionCommonRepurposed_Callback", args), S_OK);
    EXPECT_EQ(flag, VARIANT_TRUE);
    EXPECT_EQ(args[1].Type(), VT_BYREF | VT_BOOL);
    EXPECT_TRUE(Module().Log.empty());
    // In the mail's inspector the mail's button takes it, and the host's own action runs.
    args[0] = Control(L"FileSave", inspector);
    ASSERT_EQ(Call(L"OnActionCommonRepurposed_Callback", args), S_OK);
    EXPECT_EQ(flag, VARIANT_FALSE);
    EXPECT_EQ(args[1].Type(), VT_BYREF | VT_BOOL);
    EXPECT_EQ(args[1].Var().pboolVal, &flag);
    EXPECT_EQ(Module().Log, (std::vector<std::wstring>{L"Click:FileSave"}));

    // officesim's way: a reference to a variant, written as a Boolean into that variant; and a
    // reference to a variant that itself refers to a Boolean.
    OleVariant target(true);
    VARIANT byRefVariant = testsupport::Var(VT_BYREF | VT_VARIANT, target.Ptr());
    ASSERT_EQ(Call(L"OnActionCommonRepurposed_Callback",
                   {Control(L"FileSave", inspector), OleVariant(byRefVariant)}),
              S_OK);
    EXPECT_EQ(Shown(target), L"False");
    flag = VARIANT_TRUE;
    OleVariant inner(byRefBool);
    byRefVariant.pvarVal = inner.Ptr();
    ASSERT_EQ(Call(L"OnActionCommonRepurposed_Callback",
                   {Control(L"FileSave", inspector), OleVariant(byRefVariant)}),
              S_OK);
    EXPECT_EQ(flag, VARIANT_FALSE);
    EXPECT_EQ(inner.Type(), VT_BYREF | VT_BOOL);

    // The repurposed toggle has no model object to reach: the flag stays.
    flag = VARIANT_TRUE;
    ASSERT_EQ(Call(L"OnActionStateRepurposed_Callback",
                   {Control(L"FileSave", inspector), OleVariant(true), OleVariant(byRefBool)}),
              S_OK);
    EXPECT_EQ(flag, VARIANT_TRUE);
    // A reference to something that is no Boolean, and a null reference, are refused.
    LONG number = 1;
    VARIANT byRefLong = testsupport::Var(VT_BYREF | VT_I4, &number);
    UINT argErr = 0xdead;
    EXPECT_EQ(Call(L"OnActionCommonRepurposed_Callback",
                   {Control(L"FileSave", inspector), OleVariant(byRefLong)}, nullptr, nullptr, &argErr),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argErr, 0u);
    byRefBool.pboolVal = nullptr;
    EXPECT_EQ(
        Call(L"OnActionCommonRepurposed_Callback", {Control(L"FileSave", inspector), OleVariant(byRefBool)}),
        DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Module().Log.size(), 3u) << "a refused call clicks nothing";
    outlook.World().Shutdown();
}

TEST_F(RibbonCallbackDispatch, AFailingBodyAnswersDispExceptionWithTheAddInAndTheMessage) {
    auto &combo = Add<TzidRibbonComboBox>(Group(), L"cbCombo");
    AddItem(combo, L"i0", L"Zero");
    EXCEPINFO info{};
    info.scode = 0xdead;
    OleVariant result;
    ASSERT_EQ(Call(L"GetItemLabel_Callback", {Control(L"cbCombo"), OleVariant(5)}, &result, &info),
              DISP_E_EXCEPTION);
    EXPECT_EQ(classlib::BStrToString(info.bstrSource), CallbackTestProgID);
    EXPECT_EQ(classlib::BStrToString(info.bstrDescription), L"List index out of bounds (5)");
    EXPECT_TRUE(FAILED(info.scode));
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    EXPECT_EQ(result.Type(), VT_EMPTY);
    // Without a place for the information, and when the host's control itself fails.
    EXPECT_EQ(Call(L"GetItemLabel_Callback", {Control(L"cbReply"), OleVariant(0)}, &result), DISP_E_EXCEPTION)
        << "a control without items has no item 0";
    hostsim::RibbonControlObject &failing = ControlObject(L"cbReply");
    failing.FailAlways(L"Id", RPC_E_DISCONNECTED);
    info = EXCEPINFO{};
    EXPECT_EQ(Call(L"OnActionCommon_Callback", {OleVariant(static_cast<IRibbonControl *>(&failing))}, &result,
                   &info),
              DISP_E_EXCEPTION);
    EXPECT_EQ(info.scode, RPC_E_DISCONNECTED);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    EXPECT_TRUE(Module().Log.empty());
}

// The host hands over its task-pane factory through ICustomTaskPaneConsumer, before or after
// start-up; after start-up the windows it shows are walked for their panes (Outlook's the add-in
// follows: OutlookPanes.AnAddInEnabledLaterFollowsEveryOpenInspectorAndPanesOnlyThose).
TEST_F(RibbonCallbackDispatch, TheTaskPaneFactoryIsKeptAnnouncedAndTheOpenWindowsWalked) {
    testsupport::TScratchRegistry registry(
        testsupport::TScratchRoots::UserAndMachine); // start-up writes the add-in's key
    hostsim::WordHost word(L"14.0");
    word.NewDocument();
    ComPtr<IDTExtensibility2> extensibility = addIn_.As<IDTExtensibility2>();
    SAFEARRAY *custom = nullptr;
    ASSERT_EQ(extensibility->OnConnection(word.Application(), ext_cm_Startup, nullptr, &custom), S_OK);
    ComPtr<ICustomTaskPaneConsumer> consumer = addIn_.As<ICustomTaskPaneConsumer>();
    auto *first = world_.Create<hostsim::TaskPaneFactory>(nullptr, nullptr);
    auto *second = world_.Create<hostsim::TaskPaneFactory>(nullptr, nullptr);
    TFactoryListener listener;
    Module().OnCTPFactoryAvailable = classlib::MakeEvent<&TFactoryListener::Announce>(&listener);
    // Before start-up no window is asked for; start-up passes over documents it cannot count.
    word.Documents().FailAlways(L"Count", E_FAIL);
    ASSERT_EQ(consumer->CTPFactoryAvailable(first), S_OK);
    EXPECT_EQ(Module().CTPFactory().Get(), static_cast<ICTPFactory *>(first));

    ASSERT_EQ(extensibility->OnStartupComplete(&custom), S_OK);
    word.Log().Clear();
    listener.Fail = true;
    EXPECT_TRUE(FAILED(consumer->CTPFactoryAvailable(second))) << "the documents cannot be counted";
    EXPECT_EQ(Module().CTPFactory().Get(), static_cast<ICTPFactory *>(second)) << "kept all the same";
    EXPECT_EQ(listener.Seen, (std::vector<ICTPFactory *>{first, second}));
    EXPECT_EQ(Module().Log, (std::vector<std::wstring>{L"Error:no panes today"}))
        << "the announcement's failure goes to the module";
    EXPECT_EQ(word.Log().Count(L"", L"Count"), 1) << "the documents were counted";
    word.Documents().ClearFaults();
    EXPECT_EQ(consumer->CTPFactoryAvailable(first), S_OK);
    Module().OnCTPFactoryAvailable.Clear();
    EXPECT_EQ(extensibility->OnBeginShutdown(&custom), S_OK);
    EXPECT_EQ(extensibility->OnDisconnection(ext_dm_HostShutdown, &custom), S_OK);
    consumer = nullptr;
    extensibility = nullptr;
    addIn_ = nullptr;
    word.World().Shutdown();
}

} // namespace
} // namespace callbacktest
