// Access: the add-in's bars follow the database that is open, through the module's poll. Opening
// another database lets go of the bars of the first and builds them again for the second.
#include "WindowsFixture.h"

#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarControls.h"

namespace wintest {
namespace {

class AccessDatabaseTest : public WindowsFixture {
protected:
    // The poll has run (its timer fired) once Built builds of the bar's button were logged.
    bool PollBuilt(int Built) {
        return PumpUntil([&] { return Log().Count(L"Build:testHostGo") >= Built; });
    }
    int OfficeBars(const std::wstring &Name) {
        int n = 0;
        for (const hostsim::BarRef &bar : appBars_->Set().Bars())
            n += bar->alive && bar->name == Name ? 1 : 0;
        return n;
    }
};

TEST_F(AccessDatabaseTest, AnotherDatabaseReleasesTheBarsAndBuildsThemAgain) {
    StartOther(hostsim::OtherHostKind::Access, L"11.0");
    auto *bar = dynamic_cast<framework::TzidCustomCommandBar *>(Module()->FindComponent(L"HostBar"));
    ASSERT_NE(bar, nullptr);
    bar->SetSupportedApps(bar->SupportedApps() + framework::TzidHostAppSet{framework::ohaAccess});
    EXPECT_EQ(OfficeBars(L"Test Host"), 0) << "no bars before a database is open";

    other_->OpenProject(L"C:\\Data\\Orders.mdb");
    ASSERT_TRUE(PollBuilt(1)) << "the poll never built the bars";
    EXPECT_EQ(OfficeBars(L"Test Host"), 1);
    hostsim::ControlRef go = appBars_->Find({std::nullopt, std::nullopt, L"testHostGo"});
    ASSERT_NE(go, nullptr);
    EXPECT_EQ(appBars_->ClickHearers(go), 1);
    framework::TzidCommandBarControl *button = bar->Controls()->Items(0);

    other_->OpenProject(L"C:\\Data\\Kunden.mdb");
    ASSERT_TRUE(PollBuilt(2)) << "the second database got no bars";
    EXPECT_EQ(Module()->AccessProjectName(), L"Kunden.mdb");
    EXPECT_EQ(OfficeBars(L"Test Host"), 1) << "the bar is found again, not made twice";
    EXPECT_EQ(appBars_->Find({std::nullopt, std::nullopt, L"testHostGo"}), go);
    EXPECT_TRUE(bar->CommandBarInterface());
    EXPECT_TRUE(button->ControlInterface());
    EXPECT_EQ(appBars_->ClickHearers(go), 1) << "the click is heard once, by the new binding";

    // The same database at the next tick: the bars stay as they are.
    Log().Events.clear();
    Module()->AccessTimerTick(nullptr);
    EXPECT_EQ(Log().Count(L"Build:testHostGo"), 0);
}

} // namespace
} // namespace wintest
