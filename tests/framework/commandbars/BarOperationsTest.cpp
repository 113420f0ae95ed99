// A bar's own operations in the host: Reconnect binds (and has built) its controls in a window,
// nested popups included; RemoveControls and DeleteBar take them and the bar out again.
#include "CommandBarFixture.h"

using namespace framework;

namespace cbtest {
namespace {

std::wstring NestedBar() {
    return L"  object Bar1: TzidCommandBar\n"
           L"    CommandBarName = 'Tessary'\n"
           L"    ButtonTypes = " +
           Kinds({0, 4}) +
           L"\n"
           L"    Buttons = < item Caption = 'Zippen' OfficeTag = 'b1' end\n"
           L"      item Caption = 'Antworten' OfficeTag = 'p1' ButtonTypes = " +
           Kinds({0, 4}) +
           L"\n"
           L"        Buttons = < item OfficeTag = 'p1a' end\n"
           L"          item OfficeTag = 'p2' ButtonTypes = " +
           Kinds({2}) +
           L" Buttons = < item OfficeTag = 'p2a' end > end > end >\n"
           L"  end\n";
}

class BarOperationsTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        ReadForm(NestedBar());
        bar_ = static_cast<TzidCustomCommandBar *>(module_->FindComponent(L"Bar1"));
        popup_ = bar_->Controls()->Items(1)->AsCommandBarPopup();
        nested_ = popup_->Controls()->Items(1)->AsCommandBarPopup();
    }
    // The Office side of the whole design, as an earlier run left it.
    void BuildInOffice() {
        office_ = AddOfficeBar(L"Tessary", false);
        AddOfficeControl(office_, hostsim::msoControl::Button, L"b1");
        hostsim::ControlRef p1 = AddOfficeControl(office_, hostsim::msoControl::Popup, L"p1");
        AddOfficeControl(p1->subBar, hostsim::msoControl::Button, L"p1a");
        hostsim::ControlRef p2 = AddOfficeControl(p1->subBar, hostsim::msoControl::Popup, L"p2");
        AddOfficeControl(p2->subBar, hostsim::msoControl::Dropdown, L"p2a");
    }
    hostsim::ControlRef InOffice(const std::wstring &Tag) { return Set().FindControl({.tag = Tag}); }

    TzidCustomCommandBar *bar_ = nullptr;
    TzidCommandBarPopup *popup_ = nullptr;
    TzidCommandBarPopup *nested_ = nullptr;
    hostsim::BarRef office_;
};

TEST_F(BarOperationsTest, ReconnectBindsEveryControlDownIntoNestedPopups) {
    BuildInOffice();
    bar_->Reconnect();
    EXPECT_TRUE(bar_->CommandBarInterface());
    EXPECT_EQ(ModelOf(*bar_->Controls()->Items(0)), InOffice(L"b1"));
    EXPECT_EQ(ModelOf(*popup_), InOffice(L"p1"));
    EXPECT_EQ(ModelOf(*popup_->Controls()->Items(0)), InOffice(L"p1a"));
    EXPECT_EQ(ModelOf(*nested_), InOffice(L"p2"));
    EXPECT_EQ(ModelOf(*nested_->Controls()->Items(0)), InOffice(L"p2a"));
    EXPECT_EQ(sinks_.size(), 3u) << "two buttons and a list carry events; popups none";
    EXPECT_TRUE(module_->Log.empty()) << "nothing had to be built";

    // Bound again to the same Office controls: the sinks stay.
    bar_->Reconnect();
    EXPECT_EQ(sinks_.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_FALSE(sinks_[i].Disconnected) << i;
}

TEST_F(BarOperationsTest, NestedControlsAreBoundToWhatTheBuildMade) {
    office_ = AddOfficeBar(L"Tessary", false);
    AddOfficeControl(office_, hostsim::msoControl::Button, L"b1");
    AddOfficeControl(office_, hostsim::msoControl::Popup, L"p1");
    // The build makes what is missing: it binds a button itself, but leaves a popup for the caller.
    module_->OnCreateControl = [this](TzidCommandBarControl *Control, TzidCustomCommandBar *,
                                      TzidCommandBarPopup *Parent) {
        hostsim::BarRef container = Parent != nullptr ? ModelOf(*Parent)->subBar : office_;
        const long type = OfficeControlType(Control->GetControlType());
        hostsim::ControlRef made = AddOfficeControl(container, type, Control->StoredOfficeTag());
        if (type == hostsim::msoControl::Button)
            Control->BindOfficeControl(ControlObject(made));
    };
    bar_->Reconnect();
    EXPECT_EQ(module_->Log, (std::vector<std::wstring>{L"Created:p1a", L"Created:p2", L"Created:p2a"}));
    ASSERT_TRUE(ModelOf(*popup_->Controls()->Items(0)));
    EXPECT_EQ(ModelOf(*popup_->Controls()->Items(0)), InOffice(L"p1a"));
    ASSERT_TRUE(ModelOf(*nested_)) << "found again after it was made";
    EXPECT_EQ(ModelOf(*nested_), InOffice(L"p2"));
    EXPECT_EQ(ModelOf(*nested_->Controls()->Items(0)), InOffice(L"p2a"));
}

TEST_F(BarOperationsTest, ARibbonHostBindsOnlyBarsMeantForIt) {
    BuildInOffice();
    module_->SetUsesRibbon(true);
    bar_->Reconnect();
    EXPECT_FALSE(bar_->CommandBarInterface());
    EXPECT_FALSE(bar_->Controls()->Items(0)->ControlInterface());
    bar_->SetUseForRibbon(true);
    bar_->Reconnect();
    EXPECT_TRUE(bar_->Controls()->Items(0)->ControlInterface());
}

TEST_F(BarOperationsTest, RemoveControlsTakesEverythingOutNestedPopupsIncluded) {
    BuildInOffice();
    std::vector<hostsim::ControlRef> made;
    for (const wchar_t *tag : {L"b1", L"p1", L"p1a", L"p2", L"p2a"})
        made.push_back(InOffice(tag));
    bar_->RemoveControls();
    for (const hostsim::ControlRef &control : made)
        EXPECT_FALSE(control->alive) << control->props.tag;
    EXPECT_FALSE(office_->alive) << "the emptied bar goes too";
    EXPECT_FALSE(bar_->CommandBarInterface());
    EXPECT_TRUE(module_->Log.empty());
}

TEST_F(BarOperationsTest, DeleteBarLeavesBuiltInBarsAndBarsHoldingOtherControls) {
    BuildInOffice();
    hostsim::ControlRef users = AddOfficeControl(office_, hostsim::msoControl::Button, L"");
    bar_->RemoveControls();
    EXPECT_FALSE(InOffice(L"b1")) << "its own controls are gone";
    EXPECT_TRUE(office_->alive) << "a control of the user's keeps the bar";
    EXPECT_TRUE(users->alive);

    bar_->SetCommandBarInterface(BarObject(OfficeBar(L"Menu Bar")));
    hostsim::BarRef menuBar = OfficeBar(L"Menu Bar");
    while (!menuBar->controls.empty())
        Set().DeleteControl(menuBar->controls.back(), false);
    bar_->DeleteBar();
    EXPECT_TRUE(menuBar->alive) << "a built-in bar stays";
    EXPECT_FALSE(bar_->CommandBarInterface());
}

} // namespace
} // namespace cbtest
