// The simulated Outlook's Quit through real connection points: the windows close in Outlook's order.
// The other events are driven through the same objects by the wrapper and framework suites.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"
#include "tests/hostsim/SimTestSink.h"

using namespace hostsim;
using classlib::ComPtr;
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
