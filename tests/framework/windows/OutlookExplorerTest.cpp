// Outlook's explorers as the add-in follows them, in Outlook 2003 and 2010 (and 2007 where it
// differs): one wrapper per window however often it is reported, with the bars its folder switches
// filter (the filters' rules are OutlookBarsTest's), activation, and Cancel of a folder switch
// reaching Outlook.
#include "WindowsFixture.h"

#include "hostsim/OutlookFolders.h"

namespace ol = hostsim::ol;

namespace wintest {
namespace {

constexpr DISPID kNewWindow = 0xF001;

class ExplorerTest : public OutlookWindowsTest, public ::testing::WithParamInterface<const wchar_t *> {
protected:
    void SetUp() override {
        OutlookWindowsTest::SetUp();
        StartOutlook(GetParam());
    }
};

TEST_P(ExplorerTest, AnExplorerReportedAtStartupAndAgainGetsOneWrapper) {
    EXPECT_FALSE(Shown(explorer_, L"Test Project"));
    EXPECT_FALSE(Shown(explorer_, L"Test Contacts"));
    outlook_->SwitchFolder(explorer_, outlook_->DefaultStore()->Folder(L"Projekte"));
    EXPECT_TRUE(Shown(explorer_, L"Test Project")) << "the bar of the named folder path stays hidden";
    EXPECT_EQ(AddIn().ExplorerWrapperCount(), 1u);
    outlook_->Explorers().Events().FireAll(kNewWindow, {hostsim::EventArg(explorer_)});
    EXPECT_EQ(AddIn().ExplorerWrapperCount(), 1u);
    EXPECT_EQ(Log().Count(L"NewExplorer"), 2);

    hostsim::SimOutlookExplorer *second = outlook_->OpenExplorer(Folder(ol::olFolderContacts));
    EXPECT_EQ(AddIn().ExplorerWrapperCount(), 2u);
    outlook_->SwitchFolder(second, Folder(ol::olFolderContacts));
    EXPECT_TRUE(Shown(second, L"Test Contacts"));
    EXPECT_FALSE(Shown(second, L"Test Mail"));
    EXPECT_TRUE(Shown(explorer_, L"Test Mail")) << "the first explorer's bars changed with the second's";

    outlook_->Close(second);
    EXPECT_EQ(AddIn().ExplorerWrapperCount(), 1u);
    EXPECT_EQ(Log().Count(L"ExplorerClose"), 1);
}

// A reported explorer gets its bars at its first folder switch, which activates it first (Outlook
// 2007: at once, with the folder switch's work).
TEST_P(ExplorerTest, ActivationOfAReportedExplorerWaitsForItsFirstFolderSwitch) {
    Log().Events.clear();
    hostsim::SimOutlookExplorer *second = outlook_->OpenExplorer(Folder(ol::olFolderInbox));
    EXPECT_TRUE(Module()->ExplorerActivationPending());
    const int activations = Log().Count(L"ExplorerActivate");

    outlook_->SwitchFolder(second, Folder(ol::olFolderContacts));
    EXPECT_FALSE(Module()->ExplorerActivationPending());
    EXPECT_EQ(Log().Count(L"ExplorerActivate"), activations + 1);
    ASSERT_GE(Log().Events.size(), 2u);
    EXPECT_EQ(Log().Events[Log().Events.size() - 2], L"ExplorerActivate");
    EXPECT_EQ(Log().Events.back(), L"FolderSwitch");

    outlook_->SwitchFolder(second, Folder(ol::olFolderInbox));
    EXPECT_EQ(Log().Count(L"ExplorerActivate"), activations + 1) << "a later switch activated again";
}

TEST_P(ExplorerTest, CancelOfABeforeFolderSwitchReachesOutlook) {
    Log().CancelFolderSwitch = true;
    EXPECT_FALSE(outlook_->SwitchFolder(explorer_, Folder(ol::olFolderContacts)));
    EXPECT_EQ(explorer_->CurrentFolder(), Folder(ol::olFolderInbox));
    EXPECT_EQ(Log().Count(L"FolderSwitch"), 0);
    Log().CancelFolderSwitch = false;
    EXPECT_TRUE(outlook_->SwitchFolder(explorer_, Folder(ol::olFolderContacts)));

    outlook_->SwitchView(explorer_, L"Cards");
    outlook_->Select(explorer_, {});
    for (const wchar_t *event :
         {L"BeforeFolderSwitch", L"FolderSwitch", L"BeforeViewSwitch", L"ViewSwitch", L"SelectionChange"})
        EXPECT_GE(Log().Count(event), 1) << event;
}

INSTANTIATE_TEST_SUITE_P(Outlook, ExplorerTest, ::testing::Values(L"11.0", L"14.0.0.4760"));

class ExplorerVersionTest : public OutlookWindowsTest {};

TEST_F(ExplorerVersionTest, AReportedExplorerIsActivatedAtOnce) {
    StartOutlook(L"12.0.0.4518");
    Log().Events.clear();
    hostsim::SimOutlookExplorer *second = outlook_->OpenExplorer(Folder(ol::olFolderContacts));
    EXPECT_FALSE(Module()->ExplorerActivationPending());
    std::vector<std::wstring> events;
    for (const std::wstring &event : Log().Events)
        if (event.rfind(L"Build:", 0) != 0)
            events.push_back(event);
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[0], L"NewExplorer");
    EXPECT_EQ(events[1], L"ExplorerActivate");
    EXPECT_EQ(events[2], L"FolderSwitch");
    EXPECT_TRUE(Shown(second, L"Test Contacts"));
}

// The command-bars sink follows the newest activated explorer in Outlook 2003; 2010 needs none.
TEST_F(ExplorerVersionTest, TheCommandBarsSinkFollowsTheActivatedExplorerIn2003Only) {
    StartOutlook(L"11.0");
    EXPECT_EQ(BarsOf(explorer_).FireOnUpdate(), 1);
    hostsim::SimOutlookExplorer *second = outlook_->OpenExplorer(Folder(ol::olFolderInbox));
    EXPECT_EQ(BarsOf(explorer_).FireOnUpdate(), 0);
    EXPECT_EQ(BarsOf(second).FireOnUpdate(), 1);
    Stop();
    StartOutlook(L"14.0.0.4760");
    EXPECT_EQ(BarsOf(explorer_).FireOnUpdate(), 0);
}

} // namespace
} // namespace wintest
