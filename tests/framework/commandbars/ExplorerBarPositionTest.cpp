// An Outlook explorer bar built temporarily comes back where the user left it: its position is saved
// when Outlook closes and restored after the bar is built again at the next start.
#include "CommandBarFixture.h"

#include "hostsim/OutlookFolders.h"

using namespace framework;
namespace ol = hostsim::ol;

namespace cbtest {
namespace {

class ExplorerBarPositionTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        outlook_->OpenExplorer(outlook_->DefaultFolder(ol::olFolderInbox));
        Start();
    }
    void TearDown() override {
        module_->DisconnectFromHost();
        CommandBarTest::TearDown();
    }
    // The add-in starts: its module connects to Outlook and builds its bars in the active explorer.
    void Start() {
        UseEngine();
        module_->ConnectToHost();
        ReadForm(
            L"object Explorer1: TzidOlExplorerCommandBar CommandBarName = 'Tessary' Temporary = True\n"
            L"  ItemTypes = [zidOLMailItem] ButtonTypes = " +
            Kinds({0}) +
            L" Buttons = < item Caption = 'Zippen' OfficeTag = 'zip' end > end\n"
            L"object Explorer2: TzidOlExplorerCommandBar CommandBarName = 'Tessary Extra' Temporary = True\n"
            L"  ItemTypes = [zidOLMailItem] end\n");
        module_->CreateCommandBars();
    }
    void Restart() {
        module_->DisconnectFromHost();
        RestartModule();
        Start();
    }
};

TEST_F(ExplorerBarPositionTest, PositionsSurviveARestartOfOutlook) {
    hostsim::BarRef bar = OfficeBar(L"Tessary");
    ASSERT_NE(bar, nullptr) << "the explorer bar was not built";
    ASSERT_NE(OfficeBar(L"Tessary Extra"), nullptr);
    Set().SetBarPosition(bar, hostsim::msoBarPos::Left);
    Set().SetBarRowIndex(bar, 2);
    Set().SetBarPosition(OfficeBar(L"Tessary Extra"), hostsim::msoBarPos::Bottom);

    module_->SaveExplorerBarPositions();
    Restart();
    bar = OfficeBar(L"Tessary");
    ASSERT_NE(bar, nullptr) << "the temporary bar was not built again";
    EXPECT_NE(bar->position, hostsim::msoBarPos::Left) << "the restart kept the bar: nothing is tested";
    module_->RestoreExplorerBarPositions();

    EXPECT_EQ(bar->position, hostsim::msoBarPos::Left);
    EXPECT_EQ(bar->rowIndex, 2);
    EXPECT_EQ(OfficeBar(L"Tessary Extra")->position, hostsim::msoBarPos::Bottom);
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
}

// A bar Office fails to describe must not cost the next bar its saved position.
TEST_F(ExplorerBarPositionTest, ABarThatCannotBeReadDoesNotStopTheOthers) {
    Set().SetBarPosition(OfficeBar(L"Tessary Extra"), hostsim::msoBarPos::Bottom);
    hostsim::SimObject::FromUnknown(sim_->ObjectOf(OfficeBar(L"Tessary")).Get())->FailNext(L"Left", E_FAIL);
    module_->SaveExplorerBarPositions();
    Restart();
    module_->RestoreExplorerBarPositions();
    EXPECT_EQ(OfficeBar(L"Tessary Extra")->position, hostsim::msoBarPos::Bottom);
}

// A bar whose key cannot be made (its name is longer than the registry allows) must not cost the
// bars after it their saved positions.
TEST_F(ExplorerBarPositionTest, ABarWhoseKeyCannotBeMadeDoesNotStopTheOthers) {
    auto *first = static_cast<TzidOlExplorerCustomCommandBar *>(module_->FindComponent(L"Explorer1"));
    first->SetCommandBarName(std::wstring(300, L'x'));
    Set().SetBarPosition(OfficeBar(L"Tessary Extra"), hostsim::msoBarPos::Bottom);
    module_->SaveExplorerBarPositions();
    EXPECT_EQ(Record(L"CommandBars\\Tessary Extra", L"Position"), hostsim::msoBarPos::Bottom);
}

} // namespace
} // namespace cbtest
