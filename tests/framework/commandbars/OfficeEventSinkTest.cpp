// Office's clicks and changes through the simulated host's connection points: what reaches the
// handlers, what is refused, and what the sinks answer Office.
#include "CommandBarFixture.h"

#include "classlib/ConnectionPoints.h"
#include "framework/commandbars/OfficeEventSinks.h"

#include "HandMadeVariants.h"

using namespace framework;

namespace cbtest {
namespace {

class OfficeEventSinkTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        SetControlEventSinkFactory(MakeOfficeControlEventSink); // the fixture restores its own at the end
        ReadForm(L"object Bar1: TzidCommandBar CommandBarName = 'Tessary' ButtonTypes = " + Kinds({0, 1}) +
                 L" Buttons = <\n"
                 L"  item Caption = 'Zippen' OfficeTag = 'zip' OnClick = ButtonClick end\n"
                 L"  item OfficeTag = 'edit' OnChange = ListChange end > end\n");
        bar_ = static_cast<TzidCustomCommandBar *>(module_->FindComponent(L"Bar1"));
        office_ = AddOfficeBar(L"Tessary", false);
        button_ = AddOfficeControl(office_, hostsim::msoControl::Button, L"zip");
        edit_ = AddOfficeControl(office_, hostsim::msoControl::Edit, L"edit");
        button_->props.caption = L"Zippen";
        bar_->Reconnect();
    }
    TzidCommandBarButton &Button() { return *bar_->Controls()->Items(0)->AsCommandBarButton(); }
    int Clicks() const { return static_cast<int>(Lines(L"Click:").size()); }
    // Calls Invoke the way a dispatch caller does (arguments last first).
    static HRESULT Call(IDispatch *Sink, DISPID Id, std::vector<VARIANT> Args) {
        DISPPARAMS params{Args.data(), nullptr, static_cast<UINT>(Args.size()), 0};
        return Sink->Invoke(Id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    VARIANT CancelRef() { return testsupport::BoolRef(&cancel_); }
    static HRESULT IdOf(IDispatch *Sink, const wchar_t *Name, DISPID &Id, UINT Count = 1) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(Name), const_cast<LPOLESTR>(Name)};
        return Sink->GetIDsOfNames(IID_NULL, names, Count, 0, &Id);
    }

    // A control of another bar with the button's tag.
    hostsim::ControlRef Twin() {
        return AddOfficeControl(AddOfficeBar(L"Other", false), hostsim::msoControl::Button, L"zip");
    }
    classlib::ComPtr<IDispatch> BarsDispatch() {
        classlib::ComPtr<IDispatch> bars;
        sim_->Identity()->QueryInterface(IID_IDispatch, bars.PutVoid());
        return bars;
    }

    TzidCustomCommandBar *bar_ = nullptr;
    hostsim::BarRef office_;
    hostsim::ControlRef button_, edit_;
    VARIANT_BOOL cancel_ = VARIANT_FALSE;
};

TEST_F(OfficeEventSinkTest, ClicksAndChangesReachTheHandlersAndOfficesOwnActionStillRuns) {
    EXPECT_TRUE(sim_->UserClick(button_)) << "CancelDefault is never written";
    sim_->UserType(edit_, L"neu");
    EXPECT_EQ(module_->Log, (std::vector<std::wstring>{L"Click:Zippen", L"Change:"}));
    EXPECT_EQ(module_->EventSinks().Count(), 2);

    // A control that is freed takes its advice with it: a later click reaches nothing.
    delete bar_->Controls()->Items(0); // the Office control stays
    EXPECT_EQ(module_->EventSinks().Count(), 1);
    sim_->UserClick(button_);
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(OfficeEventSinkTest, HandlerFailuresGoToDoErrorAndOfficeGetsSOK) {
    module_->FailHandlers = true;
    EXPECT_TRUE(sim_->UserClick(button_));
    EXPECT_EQ(module_->Log.back(), L"Error:the handler failed");
    auto sink = TzidEventSink::Create1(*module_, Button());
    EXPECT_EQ(Call(sink.Get(), 1, {CancelRef(), testsupport::Object(ControlObject(button_).Get())}), S_OK);
    EXPECT_FALSE(sink->InEvent()) << "cleared also when the handler raises";
    EXPECT_FALSE(Button().InAction());
    sink->Detach();
}

TEST_F(OfficeEventSinkTest, ASecondClickWhileTheHandlerRunsIsDropped) {
    int depth = 0;
    module_->DuringClick = [&] {
        if (++depth == 1)
            sim_->UserClick(button_); // the user clicks again while a message box of the handler is open
    };
    sim_->UserClick(button_);
    EXPECT_EQ(Clicks(), 1);
    module_->DuringClick = nullptr;
    sim_->UserClick(button_);
    EXPECT_EQ(Clicks(), 2) << "the guard is cleared afterwards";
}

TEST_F(OfficeEventSinkTest, AControlWhoseOfficeObjectStoppedAnsweringIsBoundToTheClickedOneOnce) {
    hostsim::ControlRef twin = Twin();
    Sim(button_).FailAlways(L"HelpFile", RPC_E_DISCONNECTED);
    sim_->UserClick(twin);
    EXPECT_EQ(Clicks(), 1) << "the handler fires once, though the new advice sits on the clicked object";
    EXPECT_EQ(ModelOf(Button()), twin);
    EXPECT_EQ(module_->EventSinks().Count(), 2) << "the old advice was withdrawn";
    sim_->UserClick(twin);
    EXPECT_EQ(Clicks(), 2);
}

// Bound to another Office control while Office refuses to take the first advice back: that advice
// lingers and fires nothing, and the control's next unbind takes it back.
TEST_F(OfficeEventSinkTest, AnAdviceOfficeRefusesToTakeBackLingersInertUntilTheNextUnbind) {
    hostsim::ControlRef twin = Twin();
    Sim(button_).FailNext(L"Unadvise", E_FAIL);
    Button().BindOfficeControl(ControlObject(twin));
    EXPECT_EQ(sim_->ClickHearers(button_), 2) << "Office still holds the first sink";
    sim_->UserClick(button_);
    EXPECT_EQ(Clicks(), 1);
    Button().BindOfficeControl(nullptr);
    EXPECT_EQ(sim_->ClickHearers(button_), 0);
    EXPECT_EQ(classlib::LingeringConnections().Count(), 0u);
}

TEST_F(OfficeEventSinkTest, AnUnreadableTagMatchesOnlyTheBoundControlItself) {
    hostsim::ControlRef twin = Twin();
    Sim(twin).FailAlways(L"Tag", E_FAIL);
    Sim(button_).FailAlways(L"HelpFile", RPC_E_DISCONNECTED); // would invite a rebind
    sim_->UserClick(twin);
    EXPECT_EQ(Clicks(), 0) << "a control that could not be verified fires nothing";
    EXPECT_EQ(ModelOf(Button()), button_) << "and is not bound";

    Sim(button_).FailAlways(L"Tag", E_FAIL);
    auto sink = TzidEventSink::Create1(*module_, Button());
    EXPECT_EQ(Call(sink.Get(), 1, {CancelRef(), testsupport::Object(ControlObject(button_).Get())}), S_OK);
    EXPECT_EQ(Clicks(), 1) << "the bound control itself is known by COM identity";
    sink->Detach();
}

TEST_F(OfficeEventSinkTest, InvokeChecksItsArgumentsAndNeverTouchesTheControlForOtherMembers) {
    auto sink = TzidEventSink::Create1(*module_, Button());
    classlib::ComPtr<IDispatch> control = ControlObject(button_).As<IDispatch>();
    EXPECT_EQ(Call(sink.Get(), 2, {CancelRef(), testsupport::Object(control.Get())}), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(Call(sink.Get(), 1, {}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(sink.Get(), 1, {testsupport::Object(control.Get())}), DISP_E_BADPARAMCOUNT)
        << "Click has CancelDefault";
    VARIANT text{};
    text.vt = VT_I4;
    text.lVal = 7;
    EXPECT_EQ(Call(sink.Get(), 1, {CancelRef(), text}), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Call(sink.Get(), 1, {CancelRef(), testsupport::Object(nullptr)}), S_OK);
    classlib::ComPtr<IDispatch> bars = BarsDispatch();
    EXPECT_EQ(Call(sink.Get(), 1, {CancelRef(), testsupport::Object(bars.Get())}), S_OK) << "not a control";
    EXPECT_EQ(Clicks(), 0);
    sink->Detach();
    EXPECT_EQ(Call(sink.Get(), 1, {CancelRef(), testsupport::Object(control.Get())}), S_OK)
        << "a detached sink";
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(OfficeEventSinkTest, NamesAreMatchedExactlyByTheControlsKind) {
    auto button = TzidEventSink::Create1(*module_, Button());
    auto edit = TzidEventSink::Create1(*module_, *bar_->Controls()->Items(1));
    DISPID id = 0;
    EXPECT_EQ(IdOf(button.Get(), L"Click", id), S_OK);
    EXPECT_EQ(id, 1);
    EXPECT_EQ(IdOf(button.Get(), L"click", id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(IdOf(button.Get(), L"Change", id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(IdOf(button.Get(), std::wstring(2000, L'C').c_str(), id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(IdOf(edit.Get(), L"Change", id), S_OK);
    EXPECT_EQ(IdOf(edit.Get(), L"Change", id, 2), E_INVALIDARG);
    EXPECT_EQ(button->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &id), E_POINTER);
    button->Detach();
    edit->Detach();
}

TEST_F(OfficeEventSinkTest, TheCommandBarsSinkAnswersOnUpdateAndLetsGo) {
    auto sink = TzidCommandBarsEventSink::Create(*module_, module_->CommandBars());
    EXPECT_EQ(sim_->FireOnUpdate(), 1);
    DISPID id = 0;
    EXPECT_EQ(IdOf(sink.Get(), L"OnUpdate", id), S_OK);
    EXPECT_EQ(IdOf(sink.Get(), L"onupdate", id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(Call(sink.Get(), 2, {}), DISP_E_MEMBERNOTFOUND);
    sink->Detach();
    EXPECT_EQ(sim_->FireOnUpdate(), 0);
}

} // namespace
} // namespace cbtest
