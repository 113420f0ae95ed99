// What the model asks of the host and what the host's actions do to it: re-query requests through
// IRibbonUI, the action events with their guards. The property questions and the values the actions
// carry are the callback bodies' tests, through the host's own calls.
#include "RibbonTestModule.h"

#include "ErrorOf.h"
#include "hostsim/RibbonControlObject.h"

using namespace framework;

namespace {

using Requests = std::vector<std::wstring>;

class RibbonHostTest : public ribbontest::RibbonGroupTest {};

} // namespace

TEST_F(RibbonHostTest, NothingIsAskedBeforeTheHostHandsOverItsRibbon) {
    auto *button = Add<TzidRibbonButton>(rctButton, L"Send");
    button->SetCaption(L"Senden");
    tab_->SetKeyTip(L"Y");
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();
    EXPECT_EQ(button->Caption(), L"Senden");
    EXPECT_TRUE(ribbon.Requests().empty());
}

TEST_F(RibbonHostTest, ChangedPropertiesAskTheHostToRequeryTheControl) {
    auto *button = Add<TzidRibbonButton>(rctButton, L"Send");
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();
    button->SetCaption(L"Senden");
    button->SetCaption(L"Senden"); // unchanged: no request
    button->SetEnabled(false);
    button->SetKeyTip(L"SNDX");
    button->SetKeyTip(L"SND"); // the same once cut
    button->SetId(L"Send2");   // ids and built-in ids are not shown: no request
    EXPECT_EQ(ribbon.Requests(), (Requests{L"InvalidateControl('Send')", L"InvalidateControl('Send')",
                                           L"InvalidateControl('Send')"}));

    ribbon.ClearRequests();
    classlib::TBitmap glyph;
    glyph.SetSize(16, 16);
    button->SetGlyph(&glyph);
    EXPECT_EQ(ribbon.Requests(), Requests{L"InvalidateControl('Send2')"});

    // A built-in control is known to the host by its built-in id only: the whole ribbon is asked.
    ribbon.ClearRequests();
    button->SetIdMso(L"FileSave");
    button->SetVisible(false);
    EXPECT_EQ(ribbon.Requests(), Requests{L"Invalidate()"});
}

TEST_F(RibbonHostTest, SplitButtonRequeriesItsInnerButtonToo) {
    auto *split = Add<TzidRibbonSplitButton>(rctSplitButton, L"Reply");
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();
    split->SetPressed(true);
    EXPECT_EQ(ribbon.Requests(),
              (Requests{L"InvalidateControl('Reply')", L"InvalidateControl('Replywrapped')"}));
}

TEST_F(RibbonHostTest, ItemsOfADropDownRequeryTheDropDown) {
    auto *dropDown = Add<TzidRibbonDropDown>(rctDropDown, L"Files");
    auto *combo = Add<TzidRibbonComboBox>(rctComboBox, L"Words");
    TzidRibbonCustomControl *comboItem = combo->Items()->Add();
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();

    TzidRibbonCustomControl *item = dropDown->Items()->Add(); // a new item changes the list
    EXPECT_EQ(ribbon.Requests(), Requests{L"InvalidateControl('Files')"});
    ribbon.ClearRequests();
    item->SetCaption(L"a.zip");
    item->SetEnabled(false); // not something a drop-down shows of its items
    EXPECT_EQ(ribbon.Requests(), Requests{L"InvalidateControl('Files')"});

    ribbon.ClearRequests();
    comboItem->SetCaption(L"b.zip");
    EXPECT_TRUE(ribbon.Requests().empty());
}

TEST_F(RibbonHostTest, TabRequeriesOnlyForItsKeyTip) {
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();
    tab_->SetCaption(L"Anh\u00e4nge");
    tab_->SetVisible(false);
    tab_->SetInsertAfterIdMso(L"TabHome");
    EXPECT_TRUE(ribbon.Requests().empty());
    tab_->SetKeyTip(L"ANHX");
    EXPECT_EQ(tab_->KeyTip(), L"ANH");
    tab_->SetKeyTip(L"ANH");
    tab_->SetIdMso(L"TabMail");
    tab_->SetKeyTip(L"M");
    EXPECT_EQ(ribbon.Requests(), (Requests{L"InvalidateControl('Tab')", L"Invalidate()"}));
}

TEST_F(RibbonHostTest, ARefusedRequestReachesTheCaller) {
    auto *button = Add<TzidRibbonButton>(rctButton, L"Send");
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();
    ribbon.FailNext(L"InvalidateControl", E_FAIL);
    EXPECT_EQ(testsupport::ErrorOf([&] { button->SetCaption(L"Senden"); }), E_FAIL);
    EXPECT_EQ(button->Caption(), L"Senden"); // the value is kept; the host asks again later
}

// Office hands each ribbon kind (explorer, mail read, ...) an IRibbonUI of its own, which re-queries
// only its own controls: a change goes to every kind handed over, each object once. A kind without
// the control refuses with E_INVALIDARG, which is no failure; any other refusal reaches the caller
// once every kind has been asked.
TEST_F(RibbonHostTest, ChangesReachEveryRibbonKindHandedOver) {
    auto *button = Add<TzidRibbonButton>(rctButton, L"Send");
    hostsim::RibbonUIObject &explorer = ConnectRibbonUI();
    hostsim::RibbonUIObject &mail = ConnectRibbonUI();
    module_->SetRibbonUI(classlib::ComPtr<IRibbonUI>::Copy(&explorer)); // handed over again
    EXPECT_EQ(module_->RibbonUI().Get(), static_cast<IRibbonUI *>(&explorer)) << "the latest";
    button->SetCaption(L"Senden");
    EXPECT_EQ(explorer.Requests(), Requests{L"InvalidateControl('Send')"});
    EXPECT_EQ(mail.Requests(), Requests{L"InvalidateControl('Send')"});

    explorer.ClearRequests();
    mail.ClearRequests();
    mail.SetControls([](const std::wstring &) { return false; });
    EXPECT_EQ(testsupport::ErrorOf([&] { button->SetCaption(L"Neu"); }), S_OK);
    EXPECT_EQ(explorer.Requests(), Requests{L"InvalidateControl('Send')"});
    EXPECT_TRUE(mail.Requests().empty());

    mail.SetControls(nullptr);
    explorer.FailNext(L"InvalidateControl", E_FAIL);
    EXPECT_EQ(testsupport::ErrorOf([&] { button->SetEnabled(false); }), E_FAIL);
    EXPECT_EQ(mail.Requests(), Requests{L"InvalidateControl('Send')"}) << "asked after the refusal";

    // A built-in control: every kind's whole ribbon.
    explorer.ClearRequests();
    mail.ClearRequests();
    button->SetIdMso(L"FileSave");
    button->SetVisible(false);
    EXPECT_EQ(explorer.Requests(), Requests{L"Invalidate()"});
    EXPECT_EQ(mail.Requests(), Requests{L"Invalidate()"});
}

// The values each action carries into the model are the callback bodies' test; here, the event and
// its guard.
TEST_F(RibbonHostTest, ActionsFireTheirEventOnceAndAskTheHostNothing) {
    auto *button = Add<TzidRibbonButton>(rctButton, L"Send");
    auto *launcher = Add<TzidRibbonDialogBoxLauncher>(rctDialogBoxLauncher, L"More");
    button->OnClick = classlib::MakeEvent<&ribbontest::TRibbonTestModule::RibbonClick>(module_);
    launcher->OnClick = button->OnClick;
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();

    TzidRibbonActionArguments args;
    args.RibbonControl.CopyFrom(world_.Create<hostsim::RibbonControlObject>(L"Send", nullptr));
    args.Pressed = true;
    button->DoAction(args);
    launcher->DoAction(args);
    EXPECT_EQ(module_->Log, (std::vector<std::wstring>{L"Click:Send", L"Click:More"}));
    EXPECT_TRUE(module_->SawInAction);
    EXPECT_TRUE(button->Pressed());
    EXPECT_FALSE(button->InAction());
    EXPECT_TRUE(ribbon.Requests().empty()); // the host knows these values already

    // A handler that runs the action again does not fire the event again.
    module_->Log.clear();
    module_->Reenter = true;
    button->DoAction(args);
    EXPECT_EQ(module_->Log, std::vector<std::wstring>{L"Click:Send"});
    EXPECT_FALSE(button->InAction());
}

// A failing handler of a module's control is the module's error (BackstageCallbacks.ActionsKeep...,
// RibbonCallbackBodies.Actions...). A control outside any module has nobody to report to: the failure
// goes on to the caller, and the control is out of its action all the same, so the next click fires
// again.
TEST_F(RibbonHostTest, AFailingHandlerOfAControlWithoutModuleLeavesItsActionAllTheSame) {
    TzidRibbonControls loose(nullptr, 5, TzidRibbonButton::StaticClass());
    auto *button = static_cast<TzidRibbonButton *>(loose.AddControl(rctButton));
    button->SetId(L"Loose");
    button->OnClick = classlib::MakeEvent<&ribbontest::TRibbonTestModule::RibbonClick>(module_);
    module_->FailHandlers = true;
    TzidRibbonActionArguments args;
    EXPECT_THROW(button->DoAction(args), classlib::Exception);
    EXPECT_FALSE(button->InAction());
    module_->FailHandlers = false;
    button->DoAction(args);
    EXPECT_EQ(module_->Log, (std::vector<std::wstring>{L"Click:Loose", L"Click:Loose"}));
    EXPECT_TRUE(module_->SawInAction);
    EXPECT_FALSE(button->InAction());
}
