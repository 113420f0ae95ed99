// The callback bodies as the host reaches them: answers from the model and as the application's
// property handlers change them, the answers when nothing is found, the ids the host passes (split
// buttons, context-menu copies, letter case), Outlook's built-in controls per item type, clicks and
// other actions into the application's handlers, and the ribbon's hand-over.
#include <gtest/gtest.h>

#include "CallbackFixture.h"
#include "classlib/Format.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/RibbonUIObject.h"

namespace callbacktest {
namespace {

using namespace framework;
using classlib::OleVariant;

struct TQuestion {
    const wchar_t *Callback;
    const wchar_t *Id;
    int Index; // -1: no index argument
    const wchar_t *Answer;
};

class RibbonCallbackBodies : public CallbackTest {
protected:
    // A model with a value in every property the callbacks read; the form's buttons stay as they are.
    void BuildModel() {
        auto &button = Add<TzidRibbonButton>(Group(), L"cbFull");
        button.SetCaption(L"Anhang einf\u00fcgen");
        button.SetSize(csLarge);
        button.SetVisible(false);
        button.SetPressed(true);
        button.SetImageMso(L"AttachFile");
        button.SetTarget(L"Ziel");
        auto &combo = Add<TzidRibbonComboBox>(Group(), L"cbCombo");
        combo.SetText(L"typed");
        AddItem(combo, L"i0", L"Zero");
        AddItem(combo, L"i1", L"One").SetScreenTip(L"Tip 1");
        AddItem(combo, L"i2", L"Two").SetSuperTip(L"Super 2");
        combo.GetItems()->Items(2)->SetImageIndex(0);
        combo.OnItemPropertyChanging =
            classlib::MakeEvent<&TCallbackTestModule::ItemPropertyChanging>(&Module());
        auto &gallery = Add<TzidRibbonGallery>(Group(), L"cbGallery");
        gallery.SetItemHeight(32);
        gallery.SetItemWidth(48);
        gallery.SetSelectedItemIndex(2);
        gallery.SetSelectedItemId(L"g2");
        auto &menu = Add<TzidRibbonMenu>(Group(), L"cbMenu");
        menu.SetDynamic(true);
        Add<TzidRibbonMenuSeparator>(menu.Controls(), L"cbTitle").SetCaption(L"Einstellungen");
        auto &split = Add<TzidRibbonSplitButton>(Group(), L"cbSplit");
        split.SetCaption(L"Zippen");
        split.SetPressed(true);
        split.OnClick = classlib::MakeEvent<&TCallbackTestModule::RibbonMenuClick>(&Module());
        Add<TzidRibbonButton>(Group(), L"unwrappedMail").SetCaption(L"Unwrapped");
        Add<TzidRibbonButton>(Group(), L"gift").SetCaption(L"Gift");
        Add<TzidRibbonButton>(Group(), L"giftwrapped").SetCaption(L"Gift wrapped");
        for (int i = 0; i < Group()->Count(); ++i)
            Group()->Items(i)->OnPropertyChanging =
                classlib::MakeEvent<&TCallbackTestModule::PropertyChanging>(&Module());
    }

    void Expect(const TQuestion &Question) {
        std::optional<int> index;
        if (Question.Index >= 0)
            index = Question.Index;
        EXPECT_EQ(Shown(Ask(Question.Callback, Question.Id, index)), Question.Answer)
            << classlib::WideToUtf8(std::wstring(Question.Callback) + L" " + Question.Id);
    }
};

// Each get callback answers the model's value in the host's type; the application's handler sees
// the question with its property type (and the item's index) and may answer otherwise, converted
// to the host's type.
TEST_F(RibbonCallbackBodies, GetCallbacksAnswerTheModelOrWhatTheHandlerMakesOfIt) {
    BuildModel();
    dynamic_cast<TzidRibbonCustomControl *>(AddIn().FindRibbonControl(L"cbTitle"))->OnPropertyChanging =
        classlib::MakeEvent<&TCallbackTestModule::PropertyChanging>(&Module());
    const struct {
        TQuestion Model;
        OleVariant Changed;
        const wchar_t *Answer;
        const wchar_t *Seen;
    } rows[] = {
        // clang-format off
        {{L"GetVisible_Callback", L"cbFull", -1, L"False"}, OleVariant(1), L"True", L"cbFull:rcptVisible"},
        {{L"GetVisible_Callback", L"cbTab", -1, L"True"}, OleVariant(false), L"False", L"cbTab:rcptVisible"},
        {{L"GetLabel_Callback", L"cbFull", -1, L"'Anhang einf\u00fcgen'"}, OleVariant(7), L"'7'", L"cbFull:rcptCaption"},
        {{L"GetLabel_Callback", L"cbTab", -1, L"'Anh\u00e4nge'"}, OleVariant(L"T"), L"'T'", L"cbTab:rcptCaption"},
        {{L"GetPressed_Callback", L"cbFull", -1, L"True"}, OleVariant(0), L"False", L"cbFull:rcptPressed"},
        {{L"GetShowImage_Callback", L"cbFull", -1, L"True"}, OleVariant(false), L"False", L"cbFull:rcptShowImage"},
        {{L"GetShowImage_Callback", L"cbReply", -1, L"False"}, OleVariant(true), L"True", L"cbReply:rcptShowImage"},
        {{L"GetSize_Callback", L"cbFull", -1, L"1"}, OleVariant(0), L"0", L"cbFull:rcptSize"},
        {{L"GetTarget_Callback", L"cbFull", -1, L"'Ziel'"}, OleVariant(L"T"), L"'T'", L"cbFull:rcptTarget"},
        {{L"GetStyle_Callback", L"cbFull", -1, L"0"}, OleVariant(L"2"), L"2", L"cbFull:rcptGroupStyle"},
        {{L"GetText_Callback", L"cbCombo", -1, L"'typed'"}, OleVariant(5), L"5", L"cbCombo:rcptText"},
        {{L"GetItemCount_Callback", L"cbCombo", -1, L"3"}, OleVariant(L"9"), L"9", L"cbCombo:rcptItemCount"},
        {{L"GetItemID_Callback", L"cbCombo", 1, L"'i1'"}, OleVariant(L"x"), L"'x'", L"cbCombo:rcptItemID:1"},
        {{L"GetItemLabel_Callback", L"cbCombo", 2, L"'Two'"}, OleVariant(L"x"), L"'x'", L"cbCombo:rcptItemCaption:2"},
        {{L"GetItemScreenTip_Callback", L"cbCombo", 1, L"'Tip 1'"}, OleVariant(L"x"), L"'x'", L"cbCombo:rcptItemScreenTip:1"},
        {{L"GetItemSuperTip_Callback", L"cbCombo", 2, L"'Super 2'"}, OleVariant(L"x"), L"'x'", L"cbCombo:rcptItemSuperTip:2"},
        {{L"GetShowItemImage_Callback", L"cbCombo", 0, L"False"}, OleVariant(true), L"True", L"cbCombo:rcptShowItemImage"},
        {{L"GetShowItemImage_Callback", L"cbCombo", 2, L"True"}, OleVariant(false), L"False", L"cbCombo:rcptShowItemImage"},
        {{L"GetSelectedItemIndex_Callback", L"cbGallery", -1, L"2"}, OleVariant(1), L"1", L"cbGallery:rcptSelectedItemIndex"},
        {{L"GetSelectedItemId_Callback", L"cbGallery", -1, L"'g2'"}, OleVariant(L"g1"), L"'g1'", L"cbGallery:rcptSelectedItemID"},
        {{L"GetItemHeight_Callback", L"cbGallery", -1, L"32"}, OleVariant(16), L"16", L"cbGallery:rcptItemHeight"},
        {{L"GetItemWidth_Callback", L"cbGallery", -1, L"48"}, OleVariant(16), L"16", L"cbGallery:rcptItemWidth"},
        {{L"GetTitle_Callback", L"cbTitle", -1, L"'Einstellungen'"}, OleVariant(L"T"), L"'T'", L"cbTitle:rcptTitle"},
        {{L"GetContent_Callback", L"cbMenu", -1, nullptr}, OleVariant(L"<menu/>"), L"'<menu/>'", L"cbMenu:rcptContent"},
        // clang-format on
    };
    dynamic_cast<TzidRibbonTab *>(Module().FindComponent(L"cbTab"))->OnPropertyChanging =
        classlib::MakeEvent<&TCallbackTestModule::PropertyChanging>(&Module());
    for (const auto &row : rows) {
        Module().Answer = OleVariant();
        if (row.Model.Answer != nullptr)
            Expect(row.Model);
        Module().Log.clear();
        Module().Answer = row.Changed;
        Expect({row.Model.Callback, row.Model.Id, row.Model.Index, row.Answer});
        EXPECT_EQ(Module().Log, (std::vector<std::wstring>{std::wstring(L"Property:") + row.Seen}));
    }
    Module().Answer = OleVariant();
    OleVariant content = Ask(L"GetContent_Callback", L"cbMenu");
    EXPECT_EQ(content.ToString().rfind(L"<menu xmlns=", 0), 0u);
    EXPECT_NE(content.ToString().find(L"id=\"cbTitle\""), std::wstring::npos);
    // An answer the host's type cannot take is a failure of the call; a handler that fails is the
    // module's error, and the host gets the model's value.
    Module().Answer = OleVariant(L"not a flag");
    EXPECT_EQ(Call(L"GetVisible_Callback", {Control(L"cbFull")}), DISP_E_EXCEPTION);
    Module().Answer = OleVariant();
    Module().FailHandlers = true;
    Module().Log.clear();
    Expect({L"GetLabel_Callback", L"cbFull", -1, L"'Anhang einf\u00fcgen'"});
    EXPECT_EQ(Module().Log, (std::vector<std::wstring>{L"Property:cbFull:rcptCaption",
                                                       L"Error:OnPropertyChanging failed"}));
    Module().Log.clear();
    Expect({L"GetItemLabel_Callback", L"cbCombo", 2, L"'Two'"});
    EXPECT_EQ(Module().Log, (std::vector<std::wstring>{L"Property:cbCombo:rcptItemCaption:2",
                                                       L"Error:OnPropertyChanging failed"}));
}

TEST_F(RibbonCallbackBodies, WhatNobodyKnowsGetsTheDefaultsAndNothingHappens) {
    const TQuestion questions[] = {
        {L"GetVisible_Callback", L"nobody", -1, L"True"},
        {L"GetLabel_Callback", L"nobody", -1, L"''"},
        {L"GetPressed_Callback", L"nobody", -1, L"False"},
        {L"GetShowLabel_Callback", L"nobody", -1, L"True"},
        {L"GetShowImage_Callback", L"nobody", -1, L"False"},
        {L"GetSize_Callback", L"nobody", -1, L"0"},
        {L"GetText_Callback", L"nobody", -1, L"Empty"},
        {L"GetItemCount_Callback", L"nobody", -1, L"0"},
        {L"GetItemHeight_Callback", L"nobody", -1, L"-1"},
        {L"GetItemLabel_Callback", L"nobody", 3, L"''"},
        {L"GetShowItemImage_Callback", L"nobody", 3, L"True"},
        {L"GetImage_Callback", L"nobody", -1, L"Nothing"},
        {L"GetItemImage_Callback", L"nobody", 3, L"Nothing"},
    };
    for (const TQuestion &question : questions)
        Expect(question);
    // A control the host passes as Nothing is nobody either.
    OleVariant result;
    EXPECT_EQ(Call(L"GetVisible_Callback", {OleVariant(static_cast<IDispatch *>(nullptr))}, &result), S_OK);
    EXPECT_EQ(Shown(result), L"True");
    for (const wchar_t *action :
         {L"OnActionCommon_Callback", L"OnActionState_Callback", L"OnChange_Callback"}) {
        std::vector<OleVariant> args{Control(L"nobody")};
        if (std::wstring(action) != L"OnActionCommon_Callback")
            args.push_back(OleVariant(true));
        EXPECT_EQ(Call(action, args, &result), S_OK);
        EXPECT_EQ(result.Type(), VT_EMPTY);
    }
    EXPECT_EQ(Call(L"OnActionSelected_Callback", {Control(L"nobody"), OleVariant(L"x"), OleVariant(1)}),
              S_OK);
    for (const wchar_t *backstage : {L"OnBackstageShow_Callback", L"OnBackstageHide_Callback"})
        EXPECT_EQ(Call(backstage, {OleVariant(static_cast<IDispatch *>(&ControlObject(L"context")))}), S_OK);
    EXPECT_TRUE(Module().Log.empty());
}

// The ids the host passes back are those the documents gave: a split button's inner button, copies
// in context menus with their number, any letter case.
TEST_F(RibbonCallbackBodies, IdsFindTheirModelObject) {
    BuildModel();
    Module().Answer = OleVariant();
    const TQuestion questions[] = {
        {L"GetLabel_Callback", L"cbSplitwrapped", -1, L"'Zippen'"},
        {L"GetPressed_Callback", L"cbSplitwrapped", -1, L"True"},
        {L"GetLabel_Callback", L"cbSplitwrapped_zid_context_menu_3", -1, L"'Zippen'"},
        {L"GetKeyTip_Callback", L"cbSplitwrapped", -1, L"''"}, // a question the inner button is not asked
        {L"GetLabel_Callback", L"cbFull_zid_context_menu_1", -1, L"'Anhang einf\u00fcgen'"},
        {L"GetLabel_Callback", L"cbFull_zid_context_menu_123456", -1, L"'Anhang einf\u00fcgen'"},
        {L"GetLabel_Callback", L"cbFull_zid_context_menu_", -1, L"''"},
        {L"GetLabel_Callback", L"cbFull_zid_context_menu_1x", -1, L"''"},
        {L"GetLabel_Callback", L"CBFULL", -1, L"'Anhang einf\u00fcgen'"},
        {L"GetLabel_Callback", L"unwrappedMail", -1, L"'Unwrapped'"},
        {L"GetLabel_Callback", L"giftwrapped", -1, L"'Gift wrapped'"},
        {L"GetItemLabel_Callback", L"cbCombo_zid_context_menu_2", 0, L"'Zero'"},
    };
    for (const TQuestion &question : questions)
        Expect(question);
    // A control that changes its id is found by the new one only.
    AddIn().FindRibbonControl(L"cbFull")->SetId(L"cbRenamed");
    Expect({L"GetLabel_Callback", L"cbRenamed", -1, L"'Anhang einf\u00fcgen'"});
    Expect({L"GetLabel_Callback", L"cbFull", -1, L"''"});
}

// Outlook shows one built-in control in every kind of item window; model objects that extend it
// for different item types answer by the message class of the item open in the window.
TEST_F(RibbonCallbackBodies, OutlookBuiltInControlsAnswerForTheItemTypeOfTheirWindow) {
    hostsim::OutlookHost outlook(L"14.0.0.4760");
    auto *inbox = outlook.DefaultFolder(hostsim::ol::olFolderInbox);
    IDispatch *explorer = outlook.OpenExplorer(inbox);
    auto open = [&](hostsim::ol::ObjectClass Class, const std::wstring &MessageClass) -> IDispatch * {
        return outlook.OpenInspector(outlook.AddItem(inbox, Class, L"item", MessageClass));
    };
    IDispatch *mail = open(hostsim::ol::olMail, L"IPM.Note.Custom");
    IDispatch *upperMail = open(hostsim::ol::olMail, L"ipm.NOTE");
    IDispatch *task = open(hostsim::ol::olTask, L"IPM.Task");
    IDispatch *contact = open(hostsim::ol::olContact, L"IPM.Contact");
    Module().SetHostType(ohaOutlook);
    auto &forMail = Add<TzidRibbonButton>(Group(), L"saveMail");
    forMail.SetIdMso(L"FileSave");
    forMail.SetRibbons({msrOutlookMailRead});
    forMail.SetEnabled(false);
    auto &forTask = Add<TzidRibbonButton>(Group(), L"saveTask");
    forTask.SetIdMso(L"FileSave");
    forTask.SetRibbons({msrOutlookTask});
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, mail)), L"False");
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, upperMail)), L"False");
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, task)), L"True");
    // No object for the window's item type, or a window that is neither an explorer nor shows an
    // item: the first one found answers.
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, contact)), L"False");
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, outlook.Application())), L"False");
    // An explorer shows no item: the object made for the explorer's ribbons answers there, wherever
    // it stands; without one, the first one found.
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, explorer)), L"False");
    auto &forExplorer = Add<TzidRibbonButton>(Group(), L"saveExplorer");
    forExplorer.SetIdMso(L"FileSave");
    forExplorer.SetRibbons({msrOutlookExplorer});
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, explorer)), L"True");
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, mail)), L"False");
    delete &forExplorer;
    forMail.SetVisible(false);
    EXPECT_EQ(Shown(Ask(L"GetVisible_Callback", L"FileSave", {}, task)), L"True");
    EXPECT_EQ(Shown(Ask(L"GetVisible_Callback", L"FileSave", {}, mail)), L"False");
    // Other questions, and other hosts, take the first one found.
    forTask.SetCaption(L"Task");
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"FileSave", {}, task)), L"''");
    Module().SetHostType(ohaWord);
    EXPECT_EQ(Shown(Ask(L"GetEnabled_Callback", L"FileSave", {}, task)), L"False");
    // With one model object it answers in every window.
    Module().SetHostType(ohaOutlook);
    delete &forMail;
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"FileSave", {}, mail)), L"'Task'");
    EXPECT_EQ(Shown(Ask(L"GetVisible_Callback", L"FileSave", {}, mail)), L"True");
    outlook.World().Shutdown();
}

TEST_F(RibbonCallbackBodies, ActionsReachTheApplicationsHandlersWithTheHostsValues) {
    BuildModel();
    // The product's way: one handler decides by the control's id; a failing feature is the module's
    // error, and the host hears nothing of it.
    EXPECT_EQ(Call(L"OnActionCommon_Callback", {Control(L"cbReply")}), S_OK);
    EXPECT_EQ(Call(L"OnActionCommon_Callback", {Control(L"cbBroken")}), S_OK);
    EXPECT_EQ(Call(L"OnActionCommon_Callback", {Control(L"cbSplitwrapped")}), S_OK);
    EXPECT_EQ(Module().Log, (std::vector<std::wstring>{L"Click:reply with attachments",
                                                       L"Error:The attachments cannot be zipped.",
                                                       L"Click:cbSplitwrapped"}));
    EXPECT_TRUE(messages_.empty());

    auto &toggle = Add<TzidRibbonCheckBox>(Group(), L"cbToggle");
    for (const auto &[pressed, expected] :
         {std::pair{OleVariant(true), true}, std::pair{OleVariant(0), false}, std::pair{OleVariant(1), true},
          std::pair{OleVariant(false), false}, std::pair{OleVariant(-1), true}}) {
        EXPECT_EQ(Call(L"OnActionState_Callback", {Control(L"cbToggle"), pressed}), S_OK);
        EXPECT_EQ(toggle.Pressed(), expected);
    }
    auto *gallery = dynamic_cast<TzidRibbonGallery *>(AddIn().FindRibbonControl(L"cbGallery"));
    EXPECT_EQ(Call(L"OnActionSelected_Callback", {Control(L"cbGallery"), OleVariant(L"g7"), OleVariant(7)}),
              S_OK);
    EXPECT_EQ(gallery->SelectedItemId(), L"g7");
    EXPECT_EQ(gallery->SelectedItemIndex(), 7);
    auto *combo = dynamic_cast<TzidRibbonComboBox *>(AddIn().FindRibbonControl(L"cbCombo"));
    EXPECT_EQ(Call(L"OnChange_Callback", {Control(L"cbCombo"), OleVariant(L"neu")}), S_OK);
    EXPECT_EQ(combo->Text(), L"neu");
}

TEST_F(RibbonCallbackBodies, TheLoadedRibbonIsKeptWithTheNamespaceOfTheVersion) {
    auto *ribbon = world_.Create<hostsim::RibbonUIObject>();
    Module().SetOfficeVersion(14);
    ASSERT_EQ(Call(L"RibbonLoaded_Callback", {OleVariant(static_cast<IDispatch *>(ribbon))}), S_OK);
    EXPECT_EQ(Module().RibbonUI().Get(), static_cast<IRibbonUI *>(ribbon));
    EXPECT_EQ(Module().CustomUINamespace(), zidCustomUINamespace2009);
    EXPECT_EQ(Module().LoadedRibbon, static_cast<IRibbonUI *>(ribbon));
    EXPECT_EQ(Module().Log, (std::vector<std::wstring>{L"Loaded"}));
    // A namespace the document was written in stays; Office 2007's is the 2006 one.
    Module().SetOfficeVersion(12);
    ASSERT_EQ(Call(L"RibbonLoaded_Callback", {OleVariant(static_cast<IDispatch *>(ribbon))}), S_OK);
    EXPECT_EQ(Module().CustomUINamespace(), zidCustomUINamespace2009);
    Module().SetCustomUINamespace(L"");
    Module().FailHandlers = true;
    ASSERT_EQ(Call(L"RibbonLoaded_Callback", {OleVariant(static_cast<IDispatch *>(ribbon))}), S_OK);
    EXPECT_EQ(Module().CustomUINamespace(), zidCustomUINamespace2006);
    EXPECT_EQ(Module().Log.back(), L"Error:OnRibbonLoaded failed");
    // The module's re-query requests now reach the host's ribbon.
    Module().FailHandlers = false;
    AddIn().FindRibbonControl(L"cbReply")->SetCaption(L"Neu");
    EXPECT_EQ(ribbon->Requests(), (std::vector<std::wstring>{L"InvalidateControl('cbReply')"}));
}

} // namespace
} // namespace callbacktest
