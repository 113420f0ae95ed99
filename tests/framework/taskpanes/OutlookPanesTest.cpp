// Task panes in Outlook 2010's explorers and inspectors: which definitions a window gets, the
// definition's events and settings, the host's reports, and the panes' end.
#include <gtest/gtest.h>

#include "PaneFixture.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/core/AddInObject.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/TaskPaneObject.h"

using framework::TzidCustomTaskPane;
using hostsim::TaskPaneObject;

namespace panetest {
namespace {

class OutlookPanes : public PaneFixture {
protected:
    void SetUp() override {
        PaneFixture::SetUp();
        hostsim::AttachCommandBars(host_); // Outlook's windows have bars: the add-in follows them
        explorer_ = host_.OpenExplorer(host_.DefaultFolder(hostsim::ol::olFolderInbox));
        factory_ = host_.World().Create<hostsim::TaskPaneFactory>(host_.Application(), nullptr);
    }
    // The add-in started, the host's task-pane factory handed over unless told otherwise.
    void Start(bool WithFactory = true) {
        addIn_ = StartAddIn(host_.Application());
        if (WithFactory) {
            EXPECT_EQ(HandOver(addIn_.Get(), factory_), S_OK);
        }
    }
    framework::TzidCustomTaskPanes &Panes() { return PanesOf(addIn_); }
    hostsim::SimOutlookInspector *OpenInspector() {
        auto *inbox = host_.DefaultFolder(hostsim::ol::olFolderInbox);
        return host_.OpenInspector(host_.AddItem(inbox, hostsim::ol::olMail, L"Hello"));
    }
    // How many live panes the host shows in Window.
    size_t PanesIn(IDispatch *Window) {
        size_t count = 0;
        for (TaskPaneObject *pane : factory_->Panes())
            count += classlib::SameComObject(pane->Window(), Window) ? 1 : 0;
        return count;
    }
    // The live panes in the host, by title.
    std::vector<std::wstring> PaneTitles() {
        std::vector<std::wstring> titles;
        for (TaskPaneObject *pane : factory_->Panes())
            titles.push_back(pane->Name());
        return titles;
    }

    hostsim::OutlookHost host_{L"14.0"};
    IDispatch *explorer_ = nullptr;
    hostsim::TaskPaneFactory *factory_ = nullptr;
};

// Read from the form and written back the same; a definition without settings has the defaults.
TEST_F(OutlookPanes, TheFormsDefinitionsAreStreamedWithTheirDefaults) {
    Start(false);
    framework::TzidCustomTaskPanes &panes = Panes();
    ASSERT_EQ(panes.Count(), 3);
    TzidCustomTaskPane *bare = panes.Items(2);
    EXPECT_EQ(bare->Title(), L"My Custom Pane 3");
    EXPECT_EQ(bare->SupportedApps(), (framework::TzidHostAppSet{framework::ohaWord, framework::ohaOutlook}));
    EXPECT_EQ(bare->OutlookWindows(),
              (framework::TzidCTPOutlookWindows{framework::olExplorers, framework::olInspectors}));
    EXPECT_EQ(panes.Items(0)->ControlProgID(), ControlProgID()) << "the control the suite registered";
    EXPECT_EQ(panes.Items(1)->DockPosition(), framework::zidCTPDockPositionBottom);

    const std::wstring written = classlib::WriteComponentForm(&ModuleOf(addIn_));
    EXPECT_NE(written.find(L"OutlookWindows = [olExplorers]"), std::wstring::npos);
    auto *again = new TPaneTestModule(nullptr);
    classlib::ReadComponentForm(written, again);
    EXPECT_EQ(classlib::WriteComponentForm(again), written);
    classlib::Free(again);
}

// No pane before the host's factory; then each window gets the definitions that fit it, once.
TEST_F(OutlookPanes, WindowsGetTheDefinitionsThatFitThemOnce) {
    Start(false);
    Panes().CreatePanesForWindow(explorer_, framework::zidPaneWindowExplorer);
    EXPECT_TRUE(PaneLog().Events.empty()) << "no factory yet";

    ASSERT_EQ(HandOver(addIn_.Get(), factory_), S_OK);
    EXPECT_EQ(PaneTitles(), (std::vector<std::wstring>{L"TaskPane(Everywhere)", L"TaskPane(Explorers)"}))
        << "the definition without a control makes none";
    EXPECT_EQ(PaneLog().Events,
              (std::vector<std::wstring>{
                  L"BeforeCreate:Everywhere", L"AfterCreate:Everywhere", L"BeforeShow:Everywhere",
                  L"Visible:1:Everywhere", L"AfterShow:Everywhere", L"BeforeCreate:Explorers",
                  L"AfterCreate:Explorers", L"BeforeShow:Explorers", L"AfterShow:Explorers"}));
    for (TaskPaneObject *pane : factory_->Panes()) {
        EXPECT_TRUE(pane->Visible());
        EXPECT_EQ(pane->Window(), explorer_);
    }
    EXPECT_EQ(factory_->Panes()[1]->DockPosition(), msoCTPDockPositionBottom);

    Panes().CreatePanesForWindow(explorer_, framework::zidPaneWindowExplorer);
    EXPECT_EQ(factory_->Panes().size(), 2u) << "a second call for the same window";
    IDispatch *inspector = OpenInspector();
    Panes().CreatePanesForWindow(inspector, framework::zidPaneWindowInspector);
    ASSERT_EQ(factory_->Panes().size(), 3u) << "an inspector gets no explorer-only pane";
    EXPECT_EQ(factory_->Panes()[2]->Window(), inspector);
    EXPECT_EQ(Panes().Items(0)->Instances().Count(), 2);

    // The inspector closes: its pane goes, the explorer's stay.
    PaneLog().Events.clear();
    Panes().DeleteInstancesForWindow(inspector);
    EXPECT_EQ(PaneLog().Events, std::vector<std::wstring>{L"BeforeDestroy:Everywhere"});
    EXPECT_EQ(PaneTitles(), (std::vector<std::wstring>{L"TaskPane(Everywhere)", L"TaskPane(Explorers)"}));
}

TEST_F(OutlookPanes, CancelInBeforeCreateMakesNoPaneAndInBeforeShowKeepsItHidden) {
    PaneLog().CancelCreate.insert(L"Everywhere");
    PaneLog().CancelShow.insert(L"Explorers");
    Start();
    EXPECT_EQ(Panes().Items(0)->Instances().Count(), 0);
    ASSERT_EQ(PaneTitles(), std::vector<std::wstring>{L"TaskPane(Explorers)"});
    EXPECT_FALSE(factory_->Panes()[0]->Visible());
    EXPECT_EQ(Panes().Items(1)->Instances().Count(), 1);
    EXPECT_EQ(PaneLog().Count(L"AfterShow:Explorers"), 0);
}

// The host refuses the dock position: the pane it made is deleted again, the error reported, and
// the next definition still gets its pane.
TEST_F(OutlookPanes, APaneWhoseDockTheHostRefusesIsNotLeftInTheHost) {
    factory_->FailOnNewPanes(L"DockPosition", E_FAIL);
    Start();
    EXPECT_TRUE(factory_->Panes().empty()) << "no orphan pane";
    EXPECT_EQ(host_.Log().Count(L"TaskPane(Everywhere)", L"Delete"), 1);
    EXPECT_EQ(Panes().Items(0)->Instances().Count(), 0);
    EXPECT_EQ(PaneLog().Count(L"AfterCreate:Everywhere"), 0);
    EXPECT_EQ(PaneLog().Count(L"BeforeDestroy:Everywhere"), 0) << "an instance never announced";
    EXPECT_EQ(PaneLog().Errors(), 2) << "one for each definition";

    factory_->ClearNewPaneFaults();
    Panes().Items(1)->SetHeight(-5); // a height the host refuses
    Panes().CreatePanesForWindow(explorer_, framework::zidPaneWindowExplorer);
    EXPECT_EQ(PaneTitles(), std::vector<std::wstring>{L"TaskPane(Everywhere)"}) << "the size write failed";
}

TEST_F(OutlookPanes, SizesReachOnlyPanesDockedWhereTheSizeIsTheirs) {
    Start();
    TaskPaneObject *right = factory_->Panes()[0], *bottom = factory_->Panes()[1];
    long height = 0, width = 0;
    ASSERT_EQ(right->get_Width(&width), S_OK);
    EXPECT_EQ(width, 250);
    ASSERT_EQ(bottom->get_Height(&height), S_OK);
    EXPECT_EQ(height, 120);

    host_.Log().Clear();
    Panes().Items(0)->SetHeight(400);
    Panes().Items(1)->SetHeight(90);
    EXPECT_EQ(host_.Log().Count(L"TaskPane(Everywhere)", L"Height"), 0);
    ASSERT_EQ(right->get_Height(&height), S_OK);
    EXPECT_EQ(height, 150) << "a pane docked right keeps the window's height";
    ASSERT_EQ(bottom->get_Height(&height), S_OK);
    EXPECT_EQ(height, 90);
    EXPECT_EQ(Panes().Items(0)->Instances().Items(0)->Height(), 400);
}

// The user hides and moves a pane: the definition's handlers hear it; the framework's own showing
// does not count as the user's choice.
TEST_F(OutlookPanes, TheHostsReportsReachTheDefinitionsHandlers) {
    Start();
    framework::TzidCustomTaskPaneInstance *instance = Panes().Items(0)->Instances().Items(0);
    PaneLog().Events.clear();
    factory_->Panes()[0]->UserSetVisible(false);
    factory_->Panes()[0]->UserDock(msoCTPDockPositionLeft);
    factory_->Panes()[1]->UserSetVisible(false); // no handler: nothing
    EXPECT_EQ(PaneLog().Events, (std::vector<std::wstring>{L"Visible:0:Everywhere", L"Dock:Everywhere"}));
    EXPECT_FALSE(instance->VisibleState());

    instance->ShowUnderChange(true);
    EXPECT_TRUE(factory_->Panes()[0]->Visible());
    EXPECT_FALSE(instance->VisibleState()) << "shown by the framework, not by the user";
}

// A pane the host has deleted by itself is not written to; the definition's setters go on.
TEST_F(OutlookPanes, ADeadPaneIsPassedOver) {
    Start();
    ASSERT_EQ(factory_->Panes()[0]->Delete(), S_OK);
    Panes().Items(0)->SetVisible(false);
    Panes().Items(1)->SetVisible(false);
    ASSERT_EQ(PaneTitles(), std::vector<std::wstring>{L"TaskPane(Explorers)"});
    EXPECT_FALSE(factory_->Panes()[0]->Visible()) << "the live pane follows";
    EXPECT_EQ(PaneLog().Errors(), 0);
}

// Every live pane leaves the host before the module's finalize, on a host shutdown and on a user
// unload alike.
// The factory comes with an explorer and an inspector open: each gets its panes by its kind.
TEST_F(OutlookPanes, DisconnectionDeletesEveryLivePane) {
    OpenInspector();
    for (int mode : {ext_dm_HostShutdown, ext_dm_UserClosed}) {
        SCOPED_TRACE(mode);
        Start();
        ASSERT_EQ(PaneTitles(), (std::vector<std::wstring>{L"TaskPane(Everywhere)", L"TaskPane(Explorers)",
                                                           L"TaskPane(Everywhere)"}));
        PaneLog().Events.clear();
        ASSERT_EQ(Disconnect(addIn_.Get(), mode), S_OK);
        addIn_.Reset();
        EXPECT_TRUE(factory_->Panes().empty());
        EXPECT_EQ(PaneLog().Count(L"BeforeDestroy:Everywhere"), 2);
        EXPECT_EQ(PaneLog().Count(L"BeforeDestroy:Explorers"), 1);
        EXPECT_EQ(PaneLog().Events.back(), L"Finalize") << "the panes go first";
    }
}

// An add-in enabled while several inspectors are open follows each of them, as at start-up, except
// the note's; the host's factory then makes panes only in the windows it follows, and each pane goes
// when its own window closes.
TEST_F(OutlookPanes, AnAddInEnabledLaterFollowsEveryOpenInspectorAndPanesOnlyThose) {
    hostsim::SimOutlookInspector *first = OpenInspector();
    hostsim::SimOutlookInspector *note = host_.OpenInspector(
        host_.AddItem(host_.DefaultFolder(hostsim::ol::olFolderNotes), hostsim::ol::olNote, L"Zettel"));
    hostsim::SimOutlookInspector *active = OpenInspector();
    addIn_ = ConnectAddIn(host_.Application(), ext_cm_AfterStartup);
    EXPECT_EQ(static_cast<framework::TdivAzore *>(addIn_.Get())->InspectorWrapperCount(), 2u);
    ASSERT_EQ(HandOver(addIn_.Get(), factory_), S_OK);
    EXPECT_EQ(PanesIn(explorer_), 2u);
    EXPECT_EQ(PanesIn(first), 1u);
    EXPECT_EQ(PanesIn(active), 1u);
    EXPECT_EQ(PanesIn(note), 0u) << "a note's window is not followed";

    PaneLog().Events.clear();
    host_.Close(first);
    EXPECT_EQ(PaneLog().Events, std::vector<std::wstring>{L"BeforeDestroy:Everywhere"});
    EXPECT_EQ(factory_->Panes().size(), 3u) << "the closed window's pane is gone";
    host_.Close(note);
    EXPECT_EQ(factory_->Panes().size(), 3u);
    EXPECT_EQ(PaneLog().Errors(), 0);
}

} // namespace
} // namespace panetest
