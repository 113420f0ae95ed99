// Task panes in Excel, PowerPoint, Access, InfoPath and Project: which windows get a pane at start-up
// and when the host hands its factory over later, each host's rule for finding a window's pane again,
// and InfoPath dropping the pane of a window the user closed.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "PaneFixture.h"
#include "hostsim/OtherHosts.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/TaskPaneObject.h"

using classlib::ComPtr;
using framework::TzidOfficeHostApp;
using hostsim::OtherHostKind;

namespace panetest {
namespace {

struct THost {
    OtherHostKind Kind;
    TzidOfficeHostApp App;
    const wchar_t *Version;
};

std::string Name(const THost &Host) {
    std::wstring name = hostsim::HostName(Host.Kind) + L" " + Host.Version;
    return std::string(name.begin(), name.end());
}

class OtherHostPanes : public PaneFixture {
protected:
    // The host with Windows windows open (the last one active) and its task-pane factory.
    void Open(const THost &Host, int Windows) {
        host_ = std::make_unique<hostsim::OtherHost>(Host.Kind, Host.Version);
        windows_.clear();
        for (int i = 1; i <= Windows; ++i)
            windows_.push_back(host_->OpenWindow(L"Window " + std::to_wstring(i)));
        factory_ = host_->World().Create<hostsim::TaskPaneFactory>(host_->Application(), nullptr);
    }
    // The add-in connected with its "Everywhere" pane meant for this host; the factory handed over
    // before start-up complete (as Office 2007 and later do) or, with FactoryLate, after it.
    void Start(const THost &Host, bool FactoryLate = false) {
        addIn_ = ConnectAddIn(host_->Application());
        PanesOf(addIn_).Items(0)->SetSupportedApps(framework::TzidHostAppSet{Host.App});
        if (!FactoryLate) {
            ASSERT_EQ(HandOver(addIn_.Get(), factory_), S_OK);
        }
        ASSERT_EQ(CompleteStartup(addIn_.Get()), S_OK);
        if (FactoryLate) {
            ASSERT_EQ(HandOver(addIn_.Get(), factory_), S_OK);
        }
    }
    // The host hands its factory over again: the add-in walks the host's windows once more.
    void WalkAgain() { ASSERT_EQ(HandOver(addIn_.Get(), factory_), S_OK); }
    void Stop() {
        EXPECT_EQ(Disconnect(addIn_.Get(), ext_dm_HostShutdown), S_OK);
        addIn_.Reset();
        EXPECT_TRUE(factory_->Panes().empty()) << "the add-in's panes go with it";
        factory_ = nullptr;
        windows_.clear();
        host_.reset();
    }
    // The window of each live pane in the host, oldest first: its number, 0 for a pane of no window.
    std::vector<int> PaneWindows() const {
        std::vector<int> shown;
        for (hostsim::TaskPaneObject *pane : factory_->Panes()) {
            auto at = std::find_if(windows_.begin(), windows_.end(), [&](hostsim::SimHostWindow *w) {
                return static_cast<IDispatch *>(w) == pane->Window();
            });
            shown.push_back(at == windows_.end() ? 0 : static_cast<int>(at - windows_.begin()) + 1);
        }
        return shown;
    }

    std::unique_ptr<hostsim::OtherHost> host_;
    std::vector<hostsim::SimHostWindow *> windows_;
    hostsim::TaskPaneFactory *factory_ = nullptr;
};

using Windows = std::vector<int>;

// Excel, Access and Project have one ribbon window per process, PowerPoint 2007 one pane for all its
// windows: their pane is found again whatever the window. InfoPath and PowerPoint 2010 have one per
// window.
TEST_F(OtherHostPanes, TheStartupMakesThePanesOfTheOpenWindowsAndEachHostFindsItsPaneAgain) {
    struct TCase {
        THost Host;
        int Open;
        Windows AtStartup;   // the panes start-up complete made
        Windows AfterSecond; // after the user went to the first window and the host walked again
    };
    const TCase cases[] = {
        {{OtherHostKind::Excel, framework::ohaExcel, L"14.0"}, 2, {2}, {2}},
        {{OtherHostKind::PowerPoint, framework::ohaPowerPoint, L"14.0"}, 2, {2}, {2, 1}},
        {{OtherHostKind::PowerPoint, framework::ohaPowerPoint, L"12.0"}, 2, {2}, {2}},
        {{OtherHostKind::PowerPoint, framework::ohaPowerPoint, L"12.0"}, 0, {0}, {0}},
        {{OtherHostKind::PowerPoint, framework::ohaPowerPoint, L"14.0"}, 0, {}, {0}},
        {{OtherHostKind::Access, framework::ohaAccess, L"14.0"}, 0, {0}, {0}},
        {{OtherHostKind::InfoPath, framework::ohaInfoPath, L"14.0"}, 2, {1}, {1, 2}},
        {{OtherHostKind::Project, framework::ohaProject, L"14.0"}, 2, {2}, {2}},
        {{OtherHostKind::Project, framework::ohaProject, L"12.0"}, 2, {}, {}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(Name(c.Host) + " with " + std::to_string(c.Open) + " windows");
        Open(c.Host, c.Open);
        Start(c.Host);
        EXPECT_EQ(PaneWindows(), c.AtStartup);
        if (!windows_.empty())
            host_->ActivateWindow(windows_[0]);
        WalkAgain();
        WalkAgain();
        EXPECT_EQ(PaneWindows(), c.AfterSecond);
        EXPECT_EQ(PaneLog().Count(L"AfterShow:Everywhere"), static_cast<int>(c.AfterSecond.size()));
        EXPECT_EQ(PaneLog().Errors(), 0);
        Stop();
        PaneLog().Events.clear();
    }
}

// A factory that comes after start-up complete: the add-in walks the windows the host shows, InfoPath
// every one of them where its start-up takes only the first.
TEST_F(OtherHostPanes, AFactoryHandedOverAfterStartupGetsThePanesOfTheWindowsShown) {
    struct TCase {
        THost Host;
        int Open;
        Windows Panes;
    };
    const TCase cases[] = {
        {{OtherHostKind::Excel, framework::ohaExcel, L"14.0"}, 2, {2}},
        {{OtherHostKind::PowerPoint, framework::ohaPowerPoint, L"14.0"}, 2, {2}},
        {{OtherHostKind::PowerPoint, framework::ohaPowerPoint, L"14.0"}, 0, {0}},
        {{OtherHostKind::Access, framework::ohaAccess, L"12.0"}, 0, {0}},
        {{OtherHostKind::InfoPath, framework::ohaInfoPath, L"14.0"}, 3, {1, 2, 3}},
        {{OtherHostKind::Project, framework::ohaProject, L"14.0"}, 1, {1}},
        {{OtherHostKind::Project, framework::ohaProject, L"12.0"}, 1, {}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(Name(c.Host) + " with " + std::to_string(c.Open) + " windows");
        Open(c.Host, c.Open);
        Start(c.Host, true);
        EXPECT_EQ(PaneWindows(), c.Panes);
        EXPECT_EQ(PaneLog().Errors(), 0);
        Stop();
    }
}

// InfoPath says nothing when a window closes: the pane of a window that went is dropped when the next
// window comes, before that window gets its own.
TEST_F(OtherHostPanes, InfoPathDropsThePaneOfAClosedWindowWhenTheNextWindowComes) {
    const THost infoPath{OtherHostKind::InfoPath, framework::ohaInfoPath, L"14.0"};
    Open(infoPath, 2);
    Start(infoPath, true);
    ASSERT_EQ(PaneWindows(), (Windows{1, 2}));
    hostsim::TaskPaneObject *firstPane = factory_->Panes()[0];

    host_->CloseWindow(windows_[0]);
    EXPECT_FALSE(firstPane->Deleted()) << "nothing happens until a window comes";
    PaneLog().Events.clear();
    windows_.push_back(host_->OpenWindow(L"Window 3"));
    host_->ActivateWindow(windows_[2]);
    EXPECT_TRUE(firstPane->Deleted());
    EXPECT_EQ(PaneWindows(), (Windows{2, 3}));
    EXPECT_EQ(PaneLog().Events.front(), L"BeforeDestroy:Everywhere") << "dropped before the new one is made";
    EXPECT_EQ(PaneLog().Count(L"AfterCreate:Everywhere"), 1);
    EXPECT_EQ(PaneLog().Errors(), 0);

    // Coming back to a window that has its pane makes none.
    host_->ActivateWindow(windows_[1]);
    EXPECT_EQ(PaneWindows(), (Windows{2, 3}));
    Stop();
}

} // namespace
} // namespace panetest
