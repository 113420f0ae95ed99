// A design copied at run time onto controls and bars that are in Office: Assign of a button, a list
// and a popup with nested controls, and a bar's Controls setter. What the copy changes reaches the
// Office control the target is bound to; what the copy adds is built into Office where the target is
// the next time its bar is built, and what the add-in built before and no longer has is taken out.
#include "CommandBarFixture.h"

#include "framework/commandbars/CommandBarComboBox.h"

using namespace framework;

namespace cbtest {
namespace {

class RunTimeCopyTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        UseEngine();
        // Bar1 is built in Outlook; Design, meant for Word only, stays a design here.
        ReadForm(L"object Bar1: TzidCommandBar CommandBarName = 'Tessary' ButtonTypes = " + Kinds({0, 2, 4}) +
                 L" Buttons = <\n"
                 L"  item Caption = 'Zippen' OfficeTag = 'zip' end\n"
                 L"  item OfficeTag = 'drop' Items.Strings = ('a' 'b') end\n"
                 L"  item Caption = 'Antwort' OfficeTag = 'pop' ButtonTypes = " +
                 Kinds({0}) +
                 L" Buttons = < item Caption = 'An alle' OfficeTag = 'all' end > end > end\n"
                 L"object Design: TzidCommandBar CommandBarName = 'Vorlage' SupportedApps = [ohaWord]\n"
                 L"  ButtonTypes = " +
                 Kinds({0, 2, 4}) +
                 L" Buttons = <\n"
                 L"  item Caption = 'Packen' OfficeTag = 'pack' FaceID = 59 State = zidMsoButtonDown\n"
                 L"    Style = zidMsoButtonIconAndCaption TooltipText = 'Anh'#228'nge packen' end\n"
                 L"  item OfficeTag = 'pick' Items.Strings = ('x' 'y' 'z') DropdownLines = 3 end\n"
                 L"  item Caption = 'Mehr' OfficeTag = 'more' ButtonTypes = " +
                 Kinds({0, 4}) +
                 L"\n    Buttons = < item Caption = 'Eins' OfficeTag = 'one' end\n"
                 L"      item Caption = 'Zwei' OfficeTag = 'two' ButtonTypes = " +
                 Kinds({0}) +
                 L" Buttons = < item Caption = 'Drei' OfficeTag = 'three' end > end > end > end\n");
        bar_ = static_cast<TzidCustomCommandBar *>(module_->FindComponent(L"Bar1"));
        design_ = static_cast<TzidCustomCommandBar *>(module_->FindComponent(L"Design"));
        module_->CreateCommandBars();
        ASSERT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
        ASSERT_TRUE(bar_->CommandBarInterface());
        ASSERT_FALSE(design_->CommandBarInterface());
    }
    TzidCommandBarControl *Item(TzidCustomCommandBar *Bar, int Index) {
        return Bar->Controls()->Items(Index);
    }
    hostsim::ControlRef Tagged(const std::wstring &Tag) { return Set().FindControl({.tag = Tag}); }
    // The tags of an Office bar's live controls, in order.
    static std::vector<std::wstring> Tags(const hostsim::BarRef &Bar) {
        std::vector<std::wstring> tags;
        for (const hostsim::ControlRef &c : Bar->controls)
            if (c->alive)
                tags.push_back(c->props.tag);
        return tags;
    }
    using Names = std::vector<std::wstring>;

    TzidCustomCommandBar *bar_ = nullptr;
    TzidCustomCommandBar *design_ = nullptr;
};

TEST_F(RunTimeCopyTest, AssignWritesTheCopyIntoTheOfficeControlOfTheTarget) {
    hostsim::ControlRef zip = Tagged(L"zip"), drop = Tagged(L"drop"), pop = Tagged(L"pop");
    Item(bar_, 0)->Assign(Item(design_, 0));
    Item(bar_, 1)->Assign(Item(design_, 1));
    Item(bar_, 2)->Assign(Item(design_, 2));
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());

    // The Office controls are the same ones, now showing the copied design.
    EXPECT_EQ(ModelOf(*Item(bar_, 0)), zip);
    EXPECT_EQ(zip->props.caption, L"Packen");
    EXPECT_EQ(zip->props.tag, L"pack");
    EXPECT_EQ(zip->props.faceId, 59);
    EXPECT_EQ(zip->props.state, -1) << "down";
    EXPECT_EQ(zip->props.style, 3) << "icon and caption";
    EXPECT_EQ(zip->props.tooltipText, L"Anh\u00e4nge packen");
    EXPECT_EQ(ModelOf(*Item(bar_, 1)), drop);
    EXPECT_EQ(drop->props.items, (Names{L"x", L"y", L"z"}));
    EXPECT_EQ(drop->props.dropDownLines, 3);
    EXPECT_EQ(ModelOf(*Item(bar_, 2)), pop);
    EXPECT_EQ(pop->props.caption, L"Mehr");

    // The popup took the nested design; the next build of the bar puts it into the same Office popup.
    auto *popup = Item(bar_, 2)->AsCommandBarPopup();
    ASSERT_EQ(popup->Controls()->Count(), 2);
    EXPECT_EQ(popup->Controls()->Items(1)->AsCommandBarPopup()->Controls()->Items(0)->Caption(), L"Drei");
    module_->CreateCommandBar(bar_);
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
    EXPECT_EQ(Tagged(L"more"), pop);
    EXPECT_EQ(Tags(pop->subBar), (Names{L"one", L"two"})) << "the item the add-in no longer has went";
    ASSERT_NE(Tagged(L"three"), nullptr);
    EXPECT_EQ(Tagged(L"three")->Parent(), Tagged(L"two")->subBar);
    EXPECT_EQ(Tagged(L"three")->props.caption, L"Drei");
    EXPECT_EQ(ModelOf(*popup->Controls()->Items(0)), Tagged(L"one"));
    EXPECT_EQ(Tags(OfficeBar(L"Tessary")), (Names{L"pack", L"pick", L"more"}));
    EXPECT_EQ(OfficeBar(L"Vorlage"), nullptr) << "the design itself never reaches Outlook";
}

// The Controls setter replaces the bar's design: the next build puts the new controls on the same
// Office bar and takes the ones the add-in built before and no longer has off it.
TEST_F(RunTimeCopyTest, TheControlsSetterReplacesTheDesignThatTheNextBuildPutsInOffice) {
    hostsim::BarRef office = OfficeBar(L"Tessary");
    const int changed = bar_->PropertyChanged();
    bar_->SetControls(design_->Controls());
    EXPECT_EQ(bar_->PropertyChanged(), changed) << "a run-time change is no new design";
    ASSERT_EQ(bar_->Controls()->Count(), 3);
    EXPECT_EQ(Item(bar_, 1)->GetControlType(), cctDropdownList);
    EXPECT_EQ(static_cast<TzidCustomCommandBarComboBox *>(Item(bar_, 1))->Items()->Count(), 3);
    EXPECT_EQ(Item(bar_, 2)->AsCommandBarPopup()->Controls()->Count(), 2);
    EXPECT_EQ(Item(design_, 0)->Caption(), L"Packen") << "the design keeps its own";

    module_->CreateCommandBar(bar_);
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
    EXPECT_EQ(OfficeBar(L"Tessary"), office);
    EXPECT_EQ(Tags(office), (Names{L"pack", L"pick", L"more"}));
    EXPECT_EQ(Tagged(L"pack")->props.caption, L"Packen");
    EXPECT_EQ(Tagged(L"pick")->props.items, (Names{L"x", L"y", L"z"}));
    EXPECT_EQ(Tags(Tagged(L"more")->subBar), (Names{L"one", L"two"}));
    EXPECT_EQ(Tagged(L"all"), nullptr) << "the old popup's item went with it";
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Item(bar_, i)->ControlInterface()) << i;
}

} // namespace
} // namespace cbtest
