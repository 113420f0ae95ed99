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
