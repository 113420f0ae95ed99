// The host's callbacks for the Backstage controls, through IDispatch as Office calls them: the get
// callbacks answer from the model in the type the host expects (one row for each answer that depends
// on the control's class or kind), as the application's property handlers change it; actions keep the
// host's state and fire once.
#include "BackstageFixture.h"

#include "classlib/Format.h"

namespace backstagetest {
namespace {

using namespace framework;
using classlib::OleVariant;

class BackstageCallbacks : public BackstageTest {};

struct TQuestion {
    const wchar_t *Callback;
    const wchar_t *Id;
    int Index; // -1: no index argument
    const wchar_t *Answer;
};

// The form's other answers reach the host in its types through officesim, which asks every callback
// of the view (BackstageOfficesim.Outlook2010TakesTheViewAndAsksEveryCallback).
TEST_F(BackstageCallbacks, EveryGetCallbackAnswersFromTheModelInTheHostsType) {
    const TQuestion questions[] = {
        {L"GetLabel_Callback", L"bsTabInfo", -1, L"'Anh\u00e4nge'"},
        {L"GetEnabled_Callback", L"bsTabInfo", -1, L"True"},
        {L"GetScreenTip_Callback", L"bsTopButton", -1, L"'Vorlage'"},
        {L"GetPressed_Callback", L"bsMenuCheck", -1, L"False"},
        {L"GetText_Callback", L"bsCombo", -1, L"'PDF'"},
        {L"GetItemLabel_Callback", L"bsDrop", 2, L"'Gro\u00df'"},
        {L"GetSelectedItemIndex_Callback", L"bsRadio", -1, L"0"},
        {L"GetItemID_Callback", L"bsRadio", 1, L"'bsRadio1'"},
        {L"GetAltText_Callback", L"bsLayoutImage", -1, L"''"},
        {L"GetItemCount_Callback", L"bsEdit", -1, L"0"},
    };
    for (const TQuestion &q : questions)
        EXPECT_EQ(Shown(q.Index >= 0 ? Ask(q.Callback, q.Id, q.Index) : Ask(q.Callback, q.Id)), q.Answer)
            << classlib::WideToUtf8(std::wstring(q.Callback) + L" " + q.Id);
    // The form's property handlers saw the questions about their controls, and only those.
    EXPECT_EQ(Module().Log,
              (std::vector<std::wstring>{L"Property:bsTabInfo:rcptCaption", L"Property:bsTabInfo:rcptEnabled",
                                         L"Property:bsDrop:rcptItemCaption:2"}));
}

TEST_F(BackstageCallbacks, PropertyHandlersChangeTheAnswersTheyAreAskedFor) {
    Module().Answer = OleVariant(L"Anders");
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"bsTabInfo")), L"'Anders'");
    EXPECT_EQ(Shown(Ask(L"GetHelperText_Callback", L"bsGroup")), L"'Anders'");
    Module().Answer = OleVariant(false);
    EXPECT_EQ(Shown(Ask(L"GetPressed_Callback", L"bsCheck")), L"False");
    EXPECT_TRUE(Node(L"bsCheck").Pressed()) << "the answer changes, the model does not";

    // A drop-down with an item handler and none of its own: its items' labels change, its own does not.
    Module().Answer = OleVariant(L"Neu");
    EXPECT_EQ(Shown(Ask(L"GetItemLabel_Callback", L"bsDrop", 0)), L"'Neu'");
    EXPECT_EQ(Shown(Ask(L"GetItemID_Callback", L"bsDrop", 0)), L"'Neu'");
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"bsDrop")), L"'Gr\u00f6\u00dfe'");
    EXPECT_EQ(Shown(Ask(L"GetItemCount_Callback", L"bsDrop")), L"3");

    // The image's alternative text goes through its property handler like every other answer.
    auto &image = Node<TzidBackstageImageControl>(L"bsImage");
    image.OnPropertyChanging = classlib::MakeEvent<&TBackstageTestModule::PropertyChanging>(&Module());
    Module().Log.clear();
    EXPECT_EQ(Shown(Ask(L"GetAltText_Callback", L"bsImage")), L"'Neu'");
    EXPECT_EQ(Module().Log, std::vector<std::wstring>{L"Property:bsImage:rcptAltText"});
    // A group's style reaches the host as the style's number (VT_I4), also when a handler answers it
    // as text.
    Module().Answer = OleVariant();
    OleVariant style = Ask(L"GetStyle_Callback", L"bsGroup");
    EXPECT_EQ(style.Type(), VT_I4);
    EXPECT_EQ(Shown(style), L"1");
    Module().Answer = OleVariant(L"2");
    EXPECT_EQ(Shown(Ask(L"GetStyle_Callback", L"bsGroup")), L"2");
}

TEST_F(BackstageCallbacks, ActionsKeepTheHostsStateAndReachTheirHandlersOnce) {
    auto act = [&](const std::wstring &Name, std::vector<OleVariant> Args) {
        OleVariant result;
        EXPECT_EQ(Call(Name, std::move(Args), &result), S_OK) << classlib::WideToUtf8(Name);
        EXPECT_EQ(result.Type(), VT_EMPTY);
    };
    act(L"OnActionCommon_Callback", {Control(L"bsFast")});
    act(L"OnActionCommon_Callback", {Control(L"bsLink")});
    act(L"OnActionCommon_Callback", {Control(L"bsTask")});
    act(L"OnActionState_Callback", {Control(L"bsCheck"), OleVariant(false)});
    act(L"OnActionState_Callback", {Control(L"bsMenuCheck"), OleVariant(true)});
    act(L"OnActionSelected_Callback", {Control(L"bsDrop"), OleVariant(L"bsDrop2"), OleVariant(2)});
    act(L"OnActionSelected_Callback", {Control(L"bsRadio"), OleVariant(L"bsRadio1"), OleVariant(1)});
    act(L"OnChange_Callback", {Control(L"bsEdit"), OleVariant(L"Bericht")});
    act(L"OnChange_Callback", {Control(L"bsCombo"), OleVariant(L"ZIP")});
    EXPECT_EQ(Module().Log,
              (std::vector<std::wstring>{L"Click:bsFast:1", L"Click:bsLink:1", L"Click:bsTask:1",
                                         L"Click:bsCheck:1", L"Click:bsMenuCheck:1", L"Change:bsDrop",
                                         L"Change:bsRadio", L"Change:bsEdit", L"Change:bsCombo"}));
    // The get callbacks answer what the host reported.
    Module().Log.clear();
    EXPECT_EQ(Shown(Ask(L"GetPressed_Callback", L"bsCheck")), L"False");
    EXPECT_EQ(Shown(Ask(L"GetPressed_Callback", L"bsMenuCheck")), L"True");
    EXPECT_EQ(Shown(Ask(L"GetSelectedItemIndex_Callback", L"bsDrop")), L"2");
    EXPECT_EQ(Shown(Ask(L"GetSelectedItemIndex_Callback", L"bsRadio")), L"1");
    EXPECT_EQ(Shown(Ask(L"GetText_Callback", L"bsEdit")), L"'Bericht'");
    EXPECT_EQ(Shown(Ask(L"GetText_Callback", L"bsCombo")), L"'ZIP'");

    // A failing handler is the module's error, not the host's; the host's call succeeds.
    Module().Log.clear();
    Module().FailHandlers = true;
    act(L"OnActionCommon_Callback", {Control(L"bsSubButton")});
    EXPECT_EQ(Module().Log,
              (std::vector<std::wstring>{L"Click:bsSubButton:1", L"Error:The click of bsSubButton failed."}));
    EXPECT_FALSE(Node(L"bsSubButton").InAction());
}

TEST_F(BackstageCallbacks, TheViewsShowAndHideAreAnsweredAndPicturesComeFromItsImageList) {
    OleVariant context(
        static_cast<IDispatch *>(world_.Create<hostsim::RibbonControlObject>(L"ctx", nullptr)));
    EXPECT_EQ(Call(L"OnBackstageShow_Callback", {context}), S_OK);
    EXPECT_EQ(Call(L"OnBackstageHide_Callback", {context}), S_OK);

    auto *images = dynamic_cast<classlib::TImageList *>(Module().FindComponent(L"Images"));
    ASSERT_NE(images, nullptr);
    classlib::TBitmap strip;
    strip.SetSize(16, 16);
    images->AddMasked(strip, RGB(255, 0, 255));
    OleVariant picture = Ask(L"GetImage_Callback", L"bsImage");
    EXPECT_EQ(picture.Type(), VT_DISPATCH);
    EXPECT_NE(picture.Var().pdispVal, nullptr);
    // An index the list does not hold gives no picture.
    Node(L"bsTopButton").SetImageIndex(3);
    OleVariant none = Ask(L"GetImage_Callback", L"bsTopButton");
    EXPECT_TRUE(none.Type() == VT_EMPTY || (none.Type() == VT_DISPATCH && none.Var().pdispVal == nullptr));
}

} // namespace
} // namespace backstagetest
