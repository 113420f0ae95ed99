// The controls in the host: placement by Before, BeforeID and AfterID and by the design's order, the
// run-time AddControl and Delete (nothing half made left behind), the module's look-ups; list
// controls' entries and text in Office, and what reaches the handlers: actions, their guard, and the
// Office events' connection following the binding.
#include "CommandBarFixture.h"

#include "hostsim/CommandBarCatalog.h"

using namespace framework;
namespace id = hostsim::catalogue::id;

namespace cbtest {
namespace {

class ControlsTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        bar_ = new TzidCommandBar(module_);
        bar_->SetCommandBarName(L"Tessary");
    }
    // A lasting control of the bar bound to Office, with no record yet.
    TzidCommandBarButton *Bound(const hostsim::ControlRef &Office) {
        auto *button = bar_->Controls()->CreateItem(cctButton)->AsCommandBarButton();
        button->SetOfficeTag(Office->props.tag);
        button->BindOfficeControl(ControlObject(Office));
        return button;
    }
    static long IndexOf(const hostsim::ControlRef &Control) { return Control->Index(); }

    TzidCommandBar *bar_ = nullptr;
};

TEST_F(ControlsTest, BeforeIdAndAfterIdPlaceNextToBuiltInControls) {
    hostsim::BarRef standard = OfficeBar(L"Standard"); // Print, Delete, Reply, Reply to All, Forward, ...
    bar_->SetCommandBarInterface(BarObject(standard));
    hostsim::ControlRef before = AddOfficeControl(standard, hostsim::msoControl::Button, L"tsyBefore");
    hostsim::ControlRef after = AddOfficeControl(standard, hostsim::msoControl::Button, L"tsyAfter");
    hostsim::ControlRef nowhere = AddOfficeControl(standard, hostsim::msoControl::Button, L"tsyNowhere");
    Bound(before)->SetBeforeID(id::Reply);
    Bound(after)->SetAfterID(id::Print);
    Bound(nowhere)->SetBeforeID(99999);
    for (int i = 0; i < 3; ++i)
        bar_->Controls()->Items(i)->UpdateControl();
    auto reply = Set().FindControl(*standard, {.id = id::Reply}, false);
    EXPECT_EQ(IndexOf(after), 2) << "right after Print";
    EXPECT_EQ(IndexOf(before) + 1, IndexOf(reply)) << "right before Reply";
    EXPECT_EQ(IndexOf(nowhere), static_cast<long>(standard->controls.size()))
        << "an absent id leaves it last";
}

TEST_F(ControlsTest, BeforeAndTheDesignsOrderPlaceOnTheAddInsOwnBar) {
    hostsim::BarRef own = AddOfficeBar(L"Tessary", false);
    bar_->SetCommandBarInterface(BarObject(own));
    hostsim::ControlRef first = AddOfficeControl(own, hostsim::msoControl::Button, L"c0");
    hostsim::ControlRef second = AddOfficeControl(own, hostsim::msoControl::Button, L"c1");
    hostsim::ControlRef third = AddOfficeControl(own, hostsim::msoControl::Button, L"c2");
    Set().MoveControl(third, nullptr, 1); // the user moved c2 to the front: c2 c0 c1
    Bound(first);
    Bound(second);
    TzidCommandBarButton *last = Bound(third);
    ClearLog();
    last->UpdateControl();
    EXPECT_EQ(Writes(L"Move"), std::vector<std::wstring>{L"Missing, 4"}) << "index 2 + 1, past its old place";
    EXPECT_EQ(IndexOf(third), 3);

    Bound(AddOfficeControl(own, hostsim::msoControl::Button, L"c3"))->SetBefore(1);
    bar_->Controls()->Items(3)->UpdateControl();
    EXPECT_EQ(own->controls.front()->props.tag, L"c3");

    // Placing waits for the first start to be over.
    module_->SetStartMode(zsmFirstStart);
    ClearLog();
    bar_->Controls()->Items(0)->UpdateControl();
    EXPECT_TRUE(Writes(L"Move").empty());
}

TEST_F(ControlsTest, AddControlFindsTheBarInAnyCaseAndAddsATaggedControl) {
    hostsim::BarRef own = AddOfficeBar(L"TESSARY");
    AddOfficeControl(own, hostsim::msoControl::Button, L"other");
    ClearLog();
    TzidCommandBarControl *item = bar_->Controls()->AddControl(cctButton, L"tsyNew", -1, true);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(bar_->CommandBarInterface()) << "the bar was looked up";
    EXPECT_EQ(Writes(L"Add"), std::vector<std::wstring>{L"1, Missing, Missing, Missing, True"})
        << "Before -1 appends";
    hostsim::ControlRef added = ModelOf(*item);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->props.tag, L"tsyNew");
    EXPECT_TRUE(added->temporary);
    EXPECT_EQ(IndexOf(added), 2);
    ASSERT_EQ(sinks_.size(), 1u) << "the bound button carries its click";
    EXPECT_EQ(sinks_[0].Control, item);

    // A control an earlier run left in the host is taken over, not doubled.
    hostsim::ControlRef left =
        AddOfficeControl(OfficeBar(L"Standard"), hostsim::msoControl::Button, L"tsyLeft");
    left->props.caption = L"Vom Benutzer";
    ClearLog();
    TzidCommandBarControl *taken = bar_->Controls()->AddControl(cctButton, L"tsyLeft", 0, true);
    EXPECT_EQ(ModelOf(*taken), left);
    EXPECT_TRUE(Writes(L"Add").empty());
    EXPECT_EQ(left->props.caption, L"Vom Benutzer") << "AddControl itself pushes nothing onto it";
}

TEST_F(ControlsTest, AddControlOnAPopupOutsideTheHostOnlyAddsTheItem) {
    TzidCommandBarPopup *popup = bar_->Controls()->CreateItem(cctPopup)->AsCommandBarPopup();
    TzidCommandBarControl *item = popup->Controls()->AddControl(cctButton, L"tsyInPopup", 0, false);
    EXPECT_EQ(popup->Controls()->Items(0), item);
    EXPECT_FALSE(item->ControlInterface());
    item->SetCaption(L"Nur gespeichert");
    EXPECT_EQ(item->Caption(), L"Nur gespeichert");
    EXPECT_TRUE(module_->Log.empty());
}

// Each Office call of a run-time AddControl failing in turn: what Office holds afterwards is either
// nothing or the control with the add-in's Tag, never an untagged control that the next binding,
// not finding it by its Tag, would add a second time.
TEST_F(ControlsTest, AnyFailedCallOfAddControlLeavesNoUntaggedControlInOffice) {
    for (size_t number = 0; number < 12; ++number) {
        const std::wstring tag = L"tsyC" + std::to_wstring(number);
        hostsim::BarRef own = AddOfficeBar(L"Tessary " + std::to_wstring(number), false);
        bar_->SetCommandBarInterface(BarObject(own));
        ClearLog();
        outlook_->Log().FailCallNumber(number, E_FAIL);
        try {
            bar_->Controls()->AddControl(cctButton, tag, 0, false);
        } catch (const classlib::EOleSysError &) {
            // raised failures take the item out again (AFailingAddControlLeavesNothingBehind)
        }
        outlook_->Log().FailCallNumber(static_cast<size_t>(-1), S_OK);
        for (const hostsim::ControlRef &control : own->controls) {
            if (control->alive) {
                EXPECT_EQ(control->props.tag, tag) << "call " << number << " failing";
            }
        }
        // The next round starts from an empty collection; its Office controls stay where they are.
        for (int i = 0; i < bar_->Controls()->Count(); ++i)
            bar_->Controls()->Items(i)->BindOfficeControl(nullptr);
        bar_->Controls()->Clear();
    }
}

TEST_F(ControlsTest, AFailingAddControlLeavesNothingBehind) {
    hostsim::BarRef own = AddOfficeBar(L"Tessary", false);
    bar_->SetCommandBarInterface(BarObject(own));
    classlib::ComPtr<CommandBarControls> officeControls;
    ASSERT_EQ(bar_->CommandBarInterface()->get_Controls(officeControls.Put()), S_OK);
    hostsim::SimObject::FromUnknown(officeControls.Get())->FailNext(L"Add", E_FAIL);
    EXPECT_THROW(bar_->Controls()->AddControl(cctButton, L"tsyA", 0, false), classlib::EOleSysError);
    EXPECT_EQ(bar_->Controls()->Count(), 0);

    // The new control's events cannot be advised: the failure comes after the Office control was added.
    auto previous = framework::SetControlEventSinkFactory(
        [](TzidCOMAddInModule &, TzidCommandBarControl &) -> std::unique_ptr<IzidControlEventSink> {
            throw classlib::EOleSysError(L"no advice", CONNECT_E_CANNOTCONNECT, 0);
        });
    EXPECT_THROW(bar_->Controls()->AddControl(cctButton, L"tsyB", 0, false), classlib::EOleSysError);
    framework::SetControlEventSinkFactory(std::move(previous));
    EXPECT_EQ(bar_->Controls()->Count(), 0) << "the half-made item is taken out";
    EXPECT_TRUE(own->controls.empty()) << "and so is the Office control it got";
    EXPECT_EQ(Record(L"Controls", L"tsyB"), -1);
}

TEST_F(ControlsTest, DeleteRemovesTheOfficeControlAndTheItem) {
    hostsim::BarRef own = AddOfficeBar(L"Tessary");
    hostsim::ControlRef office = AddOfficeControl(own, hostsim::msoControl::Button, L"tsyGone");
    Bound(office);
    bar_->Controls()->Delete(0, false);
    EXPECT_FALSE(office->alive);
    EXPECT_EQ(bar_->Controls()->Count(), 0);
    ASSERT_EQ(sinks_.size(), 1u);
    EXPECT_TRUE(sinks_[0].Disconnected);
}

TEST_F(ControlsTest, LookUpsFindBarsInAnyCaseAndAnswerNullOnFailure) {
    hostsim::BarRef own = AddOfficeBar(L"Tessary");
    own->nameLocal = L"Tessary \u00c4nderungen";
    EXPECT_TRUE(module_->FindCommandBar(L"tESSARY"));
    EXPECT_TRUE(module_->FindCommandBar(L"TESSARY \u00e4NDERUNGEN")) << "NameLocal in any case";
    EXPECT_FALSE(module_->FindCommandBar(L"Nonesuch"));

    hostsim::ControlRef office = AddOfficeControl(own, hostsim::msoControl::Button, L"tsyFind");
    EXPECT_EQ(sim_->ControlOf(module_->FindControlByTag(1, L"tsyFind").Get()), office);
    EXPECT_FALSE(module_->FindControlByTag(10, L"tsyFind")) << "another type";
    EXPECT_FALSE(module_->FindBarControlByTag(nullptr, 1, L"tsyFind"));

    // A control that does not answer its type is searched for once more.
    Sim(office).FailNext(L"Type", RPC_E_DISCONNECTED);
    ClearLog();
    EXPECT_TRUE(module_->FindControlByTag(1, L"tsyFind"));
    EXPECT_EQ(outlook_->Log().Count(L"", L"FindControl"), 2);

    sim_->FailNext(L"FindControl", E_FAIL);
    EXPECT_FALSE(module_->FindControlByTag(1, L"tsyFind"));
    sim_->FailNext(L"Count", E_FAIL);
    EXPECT_FALSE(module_->FindCommandBar(L"Tessary"));
    EXPECT_TRUE(module_->Log.empty()) << "look-ups report nothing";
}

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
    EXPECT_EQ(sinks_.size(), 1u) << "the same Office control keeps its sink";
    EXPECT_FALSE(sinks_[0].Disconnected);
    button->BindOfficeControl(ControlObject(AddOfficeControl(office_, hostsim::msoControl::Button, L"zip")));
    EXPECT_TRUE(sinks_[0].Disconnected) << "another Office control: the earlier advice is withdrawn";
    EXPECT_EQ(module_->EventSinks().Count(), 1) << "and taken out of the list";
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
