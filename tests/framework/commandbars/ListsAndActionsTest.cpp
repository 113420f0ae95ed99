// List controls' entries and text in Office, and what reaches the handlers: actions, their guard, and
// the Office events' connection following the binding.
#include "CommandBarFixture.h"

using namespace framework;

namespace cbtest {
namespace {

class ListsTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        ReadForm(
            L"object Bar1: TzidCommandBar CommandBarName = 'Tessary' ButtonTypes = " + Kinds({2, 3, 0}) +
            L" Buttons = <\n"
            L"  item OfficeTag = 'drop' Text = 'nie' Items.Strings = ('a' 'b') OnChange = ListChange end\n"
            L"  item OfficeTag = 'combo' Text = 'frei' Enabled = False Temporary = True end\n"
            L"  item Caption = 'Zippen' OfficeTag = 'zip' OnClick = ButtonClick end > end\n");
        bar_ = static_cast<TzidCustomCommandBar *>(module_->FindComponent(L"Bar1"));
        office_ = AddOfficeBar(L"Tessary", false);
        drop_ = AddOfficeControl(office_, hostsim::msoControl::Dropdown, L"drop");
        combo_ = AddOfficeControl(office_, hostsim::msoControl::ComboBox, L"combo");
        button_ = AddOfficeControl(office_, hostsim::msoControl::Button, L"zip");
    }
    TzidCustomCommandBarComboBox &List(int Index) {
        return *static_cast<TzidCustomCommandBarComboBox *>(bar_->Controls()->Items(Index));
    }

    TzidCustomCommandBar *bar_ = nullptr;
    hostsim::BarRef office_;
    hostsim::ControlRef drop_, combo_, button_;
};

TEST_F(ListsTest, ABuildFillsTheListsButTextsOnlyWhereTheyBelong) {
    bar_->Reconnect();
    ClearLog();
    List(0).UpdateControl();
    List(1).UpdateControl();
    EXPECT_EQ(drop_->props.items, (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(drop_->props.text, L"") << "a drop-down list gets no text";
    EXPECT_EQ(combo_->props.text, L"") << "a disabled combo box gets no text";
    EXPECT_TRUE(Writes(L"ListIndex").empty()) << "ListIndex 0 leaves Office's";
    EXPECT_TRUE(Writes(L"ListHeaderCount").empty()) << "ListHeaderCount -1 leaves Office's";
    EXPECT_EQ(Record(L"Controls", L"drop"), 0);
    EXPECT_EQ(Record(L"Controls", L"combo"), -1) << "a temporary control is not recorded";

    auto items = std::make_unique<TzidStrings>();
    items->SetStrings({L"x", L"y", L"z"});
    List(0).SetItems(items.get());
    EXPECT_EQ(drop_->props.items, (std::vector<std::wstring>{L"x", L"y", L"z"}))
        << "cleared before each fill";
    List(0).Items()->Add(L"w");
    EXPECT_EQ(drop_->props.items.size(), 4u);
}

TEST_F(ListsTest, AListWhoseOfficeControlWentAwayIsFoundAgainByItsTag) {
    bar_->Reconnect();
    sim_->Restart(); // the host's objects of the earlier run no longer answer
    List(0).Items()->Add(L"c");
    EXPECT_EQ(drop_->props.items, (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(ModelOf(List(0)), drop_);
    EXPECT_EQ(sinks_.size(), 4u) << "rebinding advised anew";
    EXPECT_TRUE(sinks_[0].Disconnected);
}

TEST_F(ListsTest, ActionsReachTheHandlersAndASecondClickWhileOneRunsIsDropped) {
    auto *button = bar_->Controls()->Items(2)->AsCommandBarButton();
    module_->Reenter = true;
    button->DoAction();
    EXPECT_EQ(module_->Log, std::vector<std::wstring>{L"Click:Zippen"});
    module_->Reenter = false;
    module_->FailHandlers = true;
    button->DoAction();
    EXPECT_EQ(Errors(), std::vector<std::wstring>{L"Error:the handler failed"});
    EXPECT_FALSE(button->InAction()) << "cleared also when the handler raises";
    List(0).DoAction();
    EXPECT_EQ(module_->Log.back(), L"Change:");
    EXPECT_THROW(bar_->Controls()->CreateItem(cctControl)->DoAction(), classlib::EAbstractError);
}

TEST_F(ListsTest, TheOfficeEventsFollowTheBindingAndEndWithTheControl) {
    auto *button = bar_->Controls()->Items(2)->AsCommandBarButton();
    button->BindOfficeControl(ControlObject(button_));
    ASSERT_EQ(sinks_.size(), 1u);
    EXPECT_EQ(module_->EventSinks().Count(), 1);
    button->BindOfficeControl(ControlObject(button_));
    EXPECT_TRUE(sinks_[0].Disconnected) << "rebinding withdraws the earlier advice";
    EXPECT_EQ(module_->EventSinks().Count(), 1) << "and takes it out of the list";
    button->BindOfficeControl(nullptr);
    EXPECT_EQ(module_->EventSinks().Count(), 0);

    List(0).BindOfficeControl(ControlObject(drop_));
    EXPECT_EQ(module_->EventSinks().Count(), 1);
    bar_->Controls()->Delete(0, true);
    EXPECT_EQ(module_->EventSinks().Count(), 0) << "a freed control leaves no sink listed";
    EXPECT_TRUE(sinks_.back().Disconnected);
}

} // namespace
} // namespace cbtest
