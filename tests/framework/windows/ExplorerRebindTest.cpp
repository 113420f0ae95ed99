// Outlook 2003 refuses once a call the add-in needs to follow its open explorer (the Explorers
// collection's Count or Item, the explorer's event connection): a second explorer opened, activated
// and closed then hands the bars back to the first one, whose activation binds them again, and its
// button answers a click.
#include "WindowsFixture.h"

#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookFolders.h"

namespace ol = hostsim::ol;

namespace wintest {
namespace {

struct TRefusal {
    const char *Name;
    bool Collection; // the Explorers collection, else the explorer
    const wchar_t *Member;
};

void PrintTo(const TRefusal &Refusal, std::ostream *Out) {
    *Out << Refusal.Name;
}

class ExplorerRebindTest : public OutlookWindowsTest, public testing::WithParamInterface<TRefusal> {
protected:
    // How many event connections the Zip button of the first explorer has.
    int ZipHearers() {
        hostsim::ControlRef zip = BarsOf(explorer_).Set().FindControl({.tag = L"testMailZip"});
        return zip ? BarsOf(explorer_).ClickHearers(zip) : -1;
    }
};

TEST_P(ExplorerRebindTest, TheFirstExplorersNextActivationBindsItsButtonAgain) {
    outlook_ = std::make_unique<hostsim::OutlookHost>(L"11.0");
    hostsim::AttachCommandBars(*outlook_);
    explorer_ = outlook_->OpenExplorer(Folder(ol::olFolderInbox));
    hostsim::SimObject &refusing =
        GetParam().Collection ? static_cast<hostsim::SimObject &>(outlook_->Explorers()) : *explorer_;
    // Right before the add-in starts following Outlook's windows.
    Log().Action = [&](const std::wstring &Event) {
        if (Event == L"StartupComplete")
            refusing.FailNext(GetParam().Member, E_FAIL);
    };
    Start(outlook_->Application());
    ASSERT_EQ(ZipHearers(), 1);

    hostsim::SimOutlookExplorer *second = outlook_->OpenExplorer(Folder(ol::olFolderInbox));
    outlook_->SwitchFolder(second, Folder(ol::olFolderSentMail));
    outlook_->Close(second);

    EXPECT_EQ(ZipHearers(), 1) << "the first explorer's button answers no click";
}

INSTANTIATE_TEST_SUITE_P(
    OnceRefused, ExplorerRebindTest,
    testing::Values(TRefusal{"ExplorersCount", true, L"Count"}, TRefusal{"ExplorersItem", true, L"Item"},
                    TRefusal{"ExplorerFindConnectionPoint", false, L"FindConnectionPoint"},
                    TRefusal{"ExplorerAdvise", false, L"Advise"}),
    [](const testing::TestParamInfo<TRefusal> &Info) { return Info.param.Name; });

} // namespace
} // namespace wintest
