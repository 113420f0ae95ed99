// Outlook's windows as the add-in follows them. Explorers, in Outlook 2003 and 2010 (and 2007 where
// it differs): one wrapper per window however often it is reported, with the bars its folder switches
// filter (the filters' rules are OutlookBarsTest's), activation, and Cancel of a folder switch
// reaching Outlook. Inspectors: the bars meant for the item, none for a note, a bar cancelled by its
// OnBeforeAdd, activation that does not re-enter itself while bars are built, and the order of a
// close.
#include "HandlerKit.h"
#include "WindowsFixture.h"

#include "framework/commandbars/CommandBarButton.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/core/DeferredFree.h"
#include "hostsim/OutlookFolders.h"

namespace ol = hostsim::ol;

namespace wintest {
namespace {

class InspectorTest : public OutlookWindowsTest {
protected:
    void SetUp() override {
        OutlookWindowsTest::SetUp();
        StartOutlook(L"11.0");
    }
    framework::TzidCommandBarControl *ReplyButton() {
        auto *bar = dynamic_cast<framework::TzidCustomCommandBar *>(Module()->FindComponent(L"ReplyBar"));
        return bar->Controls()->Items(0);
    }
};

TEST_F(InspectorTest, MailAndContactGetTheirBarsANoteNothingAndOnBeforeAddCancelsOne) {
    hostsim::SimOutlookInspector *mail = OpenItem(ol::olMail, ol::olFolderInbox);
    EXPECT_TRUE(Shown(mail, L"Test Reply"));
    EXPECT_EQ(Bar(mail, L"Test Card"), nullptr);
    hostsim::SimOutlookInspector *card = OpenItem(ol::olContact, ol::olFolderContacts);
    EXPECT_TRUE(Shown(card, L"Test Card"));
    EXPECT_EQ(Bar(card, L"Test Reply"), nullptr);
    EXPECT_EQ(AddIn().InspectorWrapperCount(), 2u);

    Log().Events.clear();
    hostsim::SimOutlookInspector *note = OpenItem(ol::olNote, ol::olFolderNotes);
    EXPECT_EQ(Log().Count(L"NewInspector"), 1);
    EXPECT_EQ(Log().Count(L"InspectorActivate"), 0);
    EXPECT_EQ(AddIn().InspectorWrapperCount(), 2u);
    EXPECT_EQ(Bar(note, L"Test Reply"), nullptr);
    EXPECT_EQ(Bar(note, L"Test Card"), nullptr);

    // OnBeforeAdd cancels a bar; the inspector itself is still followed.
    Log().CancelCard = true;
    hostsim::SimOutlookInspector *other = OpenItem(ol::olContact, ol::olFolderContacts);
    EXPECT_EQ(Bar(other, L"Test Card"), nullptr);
    EXPECT_GT(Log().Count(L"InspectorActivate"), 0);
}

// Next Item moves an open inspector to another item: its next activation chooses the bars by the
// item it shows then.
TEST_F(InspectorTest, AnInspectorMovedToAnotherItemGetsThatItemsBarsWhenActivated) {
    hostsim::SimOutlookInspector *window = OpenItem(ol::olMail, ol::olFolderInbox);
    ASSERT_TRUE(Shown(window, L"Test Reply"));
    ASSERT_EQ(Bar(window, L"Test Card"), nullptr);
    outlook_->Activate(explorer_);
    window->ShowItem(outlook_->AddItem(Folder(ol::olFolderContacts), ol::olContact, L"Card"));
    outlook_->Activate(window);
    EXPECT_TRUE(Shown(window, L"Test Card"));
    EXPECT_EQ(AddIn().InspectorWrapperCount(), 1u);
    EXPECT_EQ(Errors(), 0);
}

// An OnBeforeAdd handler that frees its own bar: that bar is not touched again (this program runs
// under Wine's heap checking), and the bars after it are placed in the same activation.
TEST_F(InspectorTest, AnOnBeforeAddHandlerThatFreesItsOwnBar) {
    auto *reply = dynamic_cast<framework::TzidOlInspectorCommandBar *>(Module()->FindComponent(L"ReplyBar"));
    auto *card = dynamic_cast<framework::TzidOlInspectorCommandBar *>(Module()->FindComponent(L"CardBar"));
    reply->OnBeforeAdd = card->OnBeforeAdd; // the reply bar's handler runs first and frees it
    bool cardAtFirstActivation = false;
    int activations = 0;
    Log().Action = [&](const std::wstring &Event) {
        if (Event == L"CardBeforeAdd")
            delete Module()->FindComponent(L"ReplyBar");
        else if (Event == L"InspectorActivate" && ++activations == 1)
            cardAtFirstActivation = Shown(outlook_->Inspectors().Windows().back(), L"Test Card");
    };
    hostsim::SimOutlookInspector *contact = OpenItem(ol::olContact, ol::olFolderContacts);
    Log().Action = nullptr;
    EXPECT_HEAPS_VALID();
    EXPECT_EQ(Module()->FindComponent(L"ReplyBar"), nullptr);
    EXPECT_TRUE(cardAtFirstActivation) << "the bar after the freed one was passed over";
    outlook_->Close(contact);
    EXPECT_HEAPS_VALID();
}

// Building a bar may activate windows; that activation is not handled inside the one that builds.
TEST_F(InspectorTest, ActivationDoesNotReenterWhileBarsAreBuilt) {
    Log().Events.clear();
    hostsim::SimOutlookInspector *mail = nullptr;
    Log().Action = [&](const std::wstring &Event) {
        if (Event == L"Build") {
            outlook_->Activate(explorer_);
            if (mail != nullptr)
                outlook_->Activate(mail);
        }
    };
    hostsim::SimOutlookItem *item = outlook_->AddItem(Folder(ol::olFolderInbox), ol::olMail, L"Hi");
    mail = outlook_->OpenInspector(item);
    Log().Action = nullptr;
    EXPECT_EQ(Log().Count(L"Build:testReply"), 1);
    EXPECT_EQ(Log().Count(L"ExplorerActivate"), 0) << "an explorer activation ran inside the build";
    EXPECT_TRUE(Shown(mail, L"Test Reply"));
}

// A close fires the module's event while everything is still in place, then unbinds the window's
// bars, then lets go of the wrapper once the close has returned.
TEST_F(InspectorTest, ACloseFiresTheEventThenUnbindsThenFrees) {
    hostsim::SimOutlookInspector *mail = OpenItem(ol::olMail, ol::olFolderInbox);
    ASSERT_TRUE(ReplyButton()->ControlInterface());
    bool boundAtEvent = false;
    size_t wrappersAtEvent = 0;
    Log().Action = [&](const std::wstring &Event) {
        if (Event == L"InspectorClose") {
            boundAtEvent = static_cast<bool>(ReplyButton()->ControlInterface());
            wrappersAtEvent = AddIn().InspectorWrapperCount();
        }
    };
    outlook_->Close(mail);
    EXPECT_TRUE(boundAtEvent);
    EXPECT_EQ(wrappersAtEvent, 1u);
    EXPECT_FALSE(ReplyButton()->ControlInterface()) << "the closed window's control is still bound";
    EXPECT_EQ(AddIn().InspectorWrapperCount(), 0u);
    EXPECT_EQ(framework::ObjectsAfterCallCount(), 0u);
}

// A close keeps the bindings another inspector holds now.
TEST_F(InspectorTest, ClosingAnOlderInspectorKeepsTheNewerOnesControls) {
    hostsim::SimOutlookInspector *first = OpenItem(ol::olMail, ol::olFolderInbox);
    hostsim::SimOutlookInspector *second = OpenItem(ol::olMail, ol::olFolderInbox);
    outlook_->Close(first);
    hostsim::ControlRef reply = BarsOf(second).Find({std::nullopt, std::nullopt, std::wstring(L"testReply")});
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(BarsOf(second).ControlOf(ReplyButton()->ControlInterface().Get()), reply);
}

// A handler that closes every window from inside an event of the window that is closing: each
// wrapper waits until its own event has returned.
TEST_F(InspectorTest, AHandlerClosesEverythingFromInsideItsOwnEvent) {
    hostsim::SimOutlookInspector *mail = OpenItem(ol::olMail, ol::olFolderInbox);
    OpenItem(ol::olContact, ol::olFolderContacts);
    size_t waitingInside = 0;
    bool inside = false;
    Log().Action = [&](const std::wstring &Event) {
        if (Event != L"InspectorClose" || inside)
            return;
        inside = true;
        std::vector<hostsim::SimOutlookWindow *> open = outlook_->Inspectors().Windows();
        for (hostsim::SimOutlookWindow *window : open)
            outlook_->Close(window);
        outlook_->Close(explorer_);
        waitingInside = framework::ObjectsAfterCallCount();
    };
    outlook_->Close(mail);
    EXPECT_EQ(waitingInside, 2u) << "a wrapper was freed while its event was still running";
    EXPECT_EQ(framework::ObjectsAfterCallCount(), 0u);
    EXPECT_EQ(AddIn().InspectorWrapperCount(), 0u);
    EXPECT_EQ(AddIn().ExplorerWrapperCount(), 0u);
    EXPECT_EQ(Log().Count(L"InspectorClose"), 2);
    EXPECT_EQ(Log().Count(L"ExplorerClose"), 1);
}

// Unloading the add-in from inside an inspector's event: the wrappers stop at once and go after.
// The user's unload takes the bars out of every open inspector, not only out of the window whose
// bars the module held last.
TEST_F(InspectorTest, AUserUnloadTakesTheBarsOutOfEveryOpenInspector) {
    hostsim::SimOutlookInspector *mail = OpenItem(ol::olMail, ol::olFolderInbox);
    hostsim::SimOutlookInspector *card = OpenItem(ol::olContact, ol::olFolderContacts);
    outlook_->Activate(explorer_);
    ASSERT_TRUE(Shown(mail, L"Test Reply"));
    ASSERT_TRUE(Shown(card, L"Test Card"));
    Stop(ext_dm_UserClosed);
    EXPECT_EQ(Bar(mail, L"Test Reply"), nullptr);
    EXPECT_EQ(Bar(card, L"Test Card"), nullptr);
}

// Bars the add-in frees at run time leave the windows that held them: neither the window's close
// nor the user's unload reaches them.
TEST_F(InspectorTest, ABarFreedAtRunTimeLeavesEveryWindow) {
    hostsim::SimOutlookInspector *mail = OpenItem(ol::olMail, ol::olFolderInbox);
    OpenItem(ol::olMail, ol::olFolderInbox);
    for (const wchar_t *name : {L"ReplyBar", L"MailBar"})
        classlib::Free(Module()->FindComponent(name));
    outlook_->Close(mail);
    Stop(ext_dm_UserClosed);
}

TEST_F(InspectorTest, AnUnloadInsideAnInspectorEventFreesEveryWrapper) {
    hostsim::SimOutlookInspector *mail = OpenItem(ol::olMail, ol::olFolderInbox);
    Log().Action = [&](const std::wstring &Event) {
        if (Event == L"InspectorDeactivate" && addIn_)
            Stop(ext_dm_UserClosed);
    };
    outlook_->Activate(explorer_);
    EXPECT_FALSE(addIn_);
    EXPECT_EQ(Log().ModulesAlive, 0);
    EXPECT_EQ(framework::ObjectsAfterCallCount(), 0u);
    Log().Events.clear();
    outlook_->Close(mail);
    outlook_->Close(explorer_);
    EXPECT_TRUE(Log().Events.empty()) << "a window event reached the unloaded add-in";
}

class Inspector2010Test : public OutlookWindowsTest {};

// Outlook 2010's inspectors have the ribbon: a bar not meant for it stays out.
TEST_F(Inspector2010Test, BarsNotMeantForTheRibbonStayOut) {
    StartOutlook(L"14.0.0.4760");
    hostsim::SimOutlookInspector *mail = OpenItem(ol::olMail, ol::olFolderInbox);
    EXPECT_EQ(Bar(mail, L"Test Reply"), nullptr);
    EXPECT_EQ(Log().Count(L"InspectorActivate"), 2);
    outlook_->Close(mail);
    EXPECT_EQ(AddIn().InspectorWrapperCount(), 0u);
}

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
