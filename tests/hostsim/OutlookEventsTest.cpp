// The simulated Outlook's events through real connection points: which interfaces each version
// offers, the order of window events, and Cancel by reference honoured.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"
#include "tests/hostsim/SimTestSink.h"

using namespace hostsim;
using classlib::ComPtr;
using hostsim_test::RefBool;
using hostsim_test::TestSink;

namespace {

ComPtr<TestSink> Advised(IUnknown *source, REFIID iid, std::vector<std::wstring> *journal = nullptr,
                         const wchar_t *label = L"") {
    auto sink = classlib::Make<TestSink>(iid);
    EXPECT_EQ(sink->Connect(source), S_OK);
    sink->journal = journal;
    sink->label = label;
    return sink;
}

} // namespace

TEST(OutlookEvents, EachVersionOffersItsApplicationInterfaces) {
    struct Case {
        const wchar_t *version;
        bool v2000, v2002, v2003;
    } cases[] = {{L"9.0", true, false, false},
                 {L"10.0", true, true, false},
                 {L"11.0", true, true, true},
                 {L"14.0.0.4760", true, true, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.version);
        OutlookHost host(c.version);
        ComPtr<TestSink> sinks[] = {classlib::Make<TestSink>(DIID_OutlookApplicationEvents),
                                    classlib::Make<TestSink>(DIID_OutlookApplicationEvents_10),
                                    classlib::Make<TestSink>(DIID_OutlookApplicationEvents_11)};
        bool offered[] = {c.v2000, c.v2002, c.v2003};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(sinks[i]->Connect(host.Application()), offered[i] ? S_OK : CONNECT_E_NOCONNECTION);

        host.NewMail();
        // NewMailEx exists only in the 2003 interface.
        host.App().Events().FireAll(0xFAB5, {EventArg(L"00AB")});
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(sinks[i]->Names(), offered[i] ? (i == 2 ? L"NewMail NewMailEx" : L"NewMail") : L"");
    }
}

TEST(OutlookEvents, ItemSendCancelIsHonoured) {
    OutlookHost host(L"12.0.0.4518");
    SimOutlookItem *mail = host.AddItem(host.DefaultFolder(ol::olFolderDrafts), ol::olMail, L"Angebot");
    SimOutlookInspector *inspector = host.OpenInspector(mail);
    ComPtr<TestSink> sink = Advised(host.Application(), DIID_OutlookApplicationEvents_11);
    ComPtr<TestSink> closing = Advised(inspector->Identity(), DIID_OutlookInspectorEvents_10);
    sink->reaction = [](DISPID id, DISPPARAMS *params) {
        if (id == 0xF002)
            *RefBool(params, 1) = VARIANT_TRUE;
    };
    EXPECT_FALSE(host.Send(mail));
    EXPECT_FALSE(mail->Sent());
    EXPECT_EQ(mail->Folder(), host.DefaultFolder(ol::olFolderDrafts));
    EXPECT_TRUE(inspector->Connected());

    sink->reaction = nullptr;
    EXPECT_TRUE(host.Send(mail));
    EXPECT_EQ(sink->events,
              (std::vector<std::wstring>{L"ItemSend(Item1, False)", L"ItemSend(Item1, False)"}));
    EXPECT_TRUE(mail->Sent());
    EXPECT_EQ(mail->Folder(), host.DefaultFolder(ol::olFolderSentMail));
    // The sent item's inspector closed.
    EXPECT_EQ(closing->Names(), L"Close");
    EXPECT_FALSE(inspector->Connected());
}

TEST(OutlookEvents, ExplorersRaiseNewExplorerThenActivation) {
    OutlookHost host(L"11.0");
    std::vector<std::wstring> journal;
    ComPtr<TestSink> explorers =
        Advised(host.Explorers().Identity(), DIID_OutlookExplorersEvents, &journal, L"Explorers");
    ComPtr<TestSink> first;
    // A sink that hooks each new explorer inside NewExplorer, as the framework does.
    explorers->reaction = [&](DISPID, DISPPARAMS *params) {
        IDispatch *explorer = params->rgvarg[0].pdispVal;
        EXPECT_EQ(classlib::DispGet(explorer, L"Class").ToInt(), 34);
        if (!first)
            first = Advised(explorer, DIID_OutlookExplorerEvents_10, &journal, L"Explorer1");
    };
    host.OpenExplorer(host.DefaultFolder(ol::olFolderInbox));
    SimOutlookExplorer *second = host.OpenExplorer(host.DefaultFolder(ol::olFolderCalendar));
    ComPtr<TestSink> secondSink =
        Advised(second->Identity(), DIID_OutlookExplorerEvents_10, &journal, L"Explorer2");
    host.Close(second);
    EXPECT_EQ(journal, (std::vector<std::wstring>{L"Explorers.NewExplorer", L"Explorer1.Activate",
                                                  L"Explorers.NewExplorer", L"Explorer1.Deactivate",
                                                  L"Explorer2.Close", L"Explorer1.Activate"}));
    EXPECT_EQ(explorers->events[0], L"NewExplorer(Explorer1)");
}

TEST(OutlookEvents, FolderAndViewSwitchCanBeCancelled) {
    OutlookHost host(L"10.0");
    SimOutlookFolder *inbox = host.DefaultFolder(ol::olFolderInbox);
    SimOutlookFolder *contacts = host.DefaultFolder(ol::olFolderContacts);
    SimOutlookExplorer *explorer = host.OpenExplorer(inbox);
    ComPtr<TestSink> sink = Advised(explorer->Identity(), DIID_OutlookExplorerEvents_10);
    bool refuse = true;
    sink->reaction = [&](DISPID id, DISPPARAMS *params) {
        if (id == 0xF003 || id == 0xF005)
            *RefBool(params, 1) = refuse ? VARIANT_TRUE : VARIANT_FALSE;
    };
    EXPECT_FALSE(host.SwitchFolder(explorer, contacts));
    EXPECT_EQ(explorer->CurrentFolder(), inbox);
    EXPECT_FALSE(host.SwitchView(explorer, L"By Sender"));
    refuse = false;
    // Through the object model, as an add-in would switch it.
    classlib::DispPut(explorer, L"CurrentFolder", classlib::OleVariant(static_cast<IDispatch *>(contacts)),
                      true);
    EXPECT_EQ(explorer->CurrentFolder(), contacts);
    EXPECT_EQ(explorer->Caption(), L"Contacts - Outlook");
    EXPECT_TRUE(host.SwitchView(explorer, L"By Sender"));
    EXPECT_EQ(sink->events,
              (std::vector<std::wstring>{L"BeforeFolderSwitch(Contacts, False)",
                                         L"BeforeViewSwitch('By Sender', False)",
                                         L"BeforeFolderSwitch(Contacts, False)", L"FolderSwitch()",
                                         L"BeforeViewSwitch('By Sender', False)", L"ViewSwitch()"}));
}

TEST(OutlookEvents, WindowInterfacesFollowTheVersion) {
    OutlookHost outlook2000(L"9.0");
    SimOutlookExplorer *explorer = outlook2000.OpenExplorer(outlook2000.DefaultFolder(ol::olFolderInbox));
    auto newer = classlib::Make<TestSink>(DIID_OutlookExplorerEvents_10);
    EXPECT_EQ(newer->Connect(explorer->Identity()), CONNECT_E_NOCONNECTION);
    ComPtr<TestSink> older = Advised(explorer->Identity(), DIID_OutlookExplorerEvents);
    outlook2000.Select(explorer, {});
    EXPECT_EQ(older->Names(), L"SelectionChange");

    // From 2002 on an explorer raises its events on both interfaces; a later event only on the
    // interface that declares it.
    OutlookHost outlook2002(L"10.0");
    SimOutlookExplorer *explorer2 = outlook2002.OpenExplorer(outlook2002.DefaultFolder(ol::olFolderInbox));
    ComPtr<TestSink> old2 = Advised(explorer2->Identity(), DIID_OutlookExplorerEvents);
    ComPtr<TestSink> new2 = Advised(explorer2->Identity(), DIID_OutlookExplorerEvents_10);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    explorer2->Events().FireAll(0xFA11, {EventArg::Ref(&cancel)}); // BeforeMaximize
    outlook2002.Select(explorer2, {});
    EXPECT_EQ(old2->Names(), L"SelectionChange");
    EXPECT_EQ(new2->Names(), L"BeforeMaximize SelectionChange");
}

TEST(OutlookEvents, InspectorsAndQuit) {
    OutlookHost host(L"14.0.0.4760");
    std::vector<std::wstring> journal;
    SimOutlookFolder *inbox = host.DefaultFolder(ol::olFolderInbox);
    SimOutlookExplorer *explorer = host.OpenExplorer(inbox);
    ComPtr<TestSink> app =
        Advised(host.Application(), DIID_OutlookApplicationEvents_11, &journal, L"Application");
    ComPtr<TestSink> inspectors =
        Advised(host.Inspectors().Identity(), DIID_OutlookInspectorsEvents, &journal, L"Inspectors");
    ComPtr<TestSink> explorerSink =
        Advised(explorer->Identity(), DIID_OutlookExplorerEvents_10, &journal, L"Explorer");
    SimOutlookInspector *inspector = host.OpenInspector(host.AddItem(inbox, ol::olNote, L"Call back"));
    ComPtr<TestSink> inspectorSink =
        Advised(inspector->Identity(), DIID_OutlookInspectorEvents_10, &journal, L"Inspector");
    journal.clear();
    // Quit closes inspectors first, then explorers, and says Quit last; a second Quit does nothing.
    classlib::DispCall(host.Application(), L"Quit");
    host.Quit();
    EXPECT_EQ(journal, (std::vector<std::wstring>{L"Inspector.Close", L"Explorer.Activate", L"Explorer.Close",
                                                  L"Application.Quit"}));
    EXPECT_EQ(inspectors->events, std::vector<std::wstring>{L"NewInspector(Inspector2)"});
    EXPECT_TRUE(host.HasQuit());
    EXPECT_EQ(host.Explorers().Windows().size(), 0u);
}
