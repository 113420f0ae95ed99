// What the simulated Outlook and Word imitate of their hosts that no framework test would notice:
// Outlook's Quit through real connection points (the windows close in Outlook's order), a note's own
// subject member, a contact that is no mail item, a selection that is a snapshot; a close or quit a
// Word sink refuses. The other events, folder walks, windows, item classes and Word's object walks are
// read by the wrapper, event, command-bar, ribbon, window and task-pane suites.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"
#include "office/office.h"
#include "tests/hostsim/SimTestSink.h"

#include "ErrorOf.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::DispPut;
using hostsim_test::RefBool;
using hostsim_test::TestSink;
using testsupport::ErrorOf;

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

TEST(OutlookHost, ItemsAnswerByTheirClass) {
    OutlookHost host;
    SimOutlookItem *mail = host.AddItem(host.DefaultFolder(ol::olFolderInbox), ol::olMail, L"Angebot");
    SimOutlookItem *note = host.AddItem(host.DefaultFolder(ol::olFolderNotes), ol::olNote, L"Call back");
    SimOutlookItem *contact = host.AddItem(host.DefaultFolder(ol::olFolderContacts), ol::olContact, L"Anna");
    // A note's subject has its own id and cannot be set.
    EXPECT_EQ(DispGet(note, L"Class").ToInt(), 44);
    EXPECT_EQ(DispGet(note, 0xF7A0).ToString(), L"Call back");
    EXPECT_EQ(ErrorOf([&] { DispGet(note, 0x37); }), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(ErrorOf([&] { DispPut(note, L"Subject", L"x"); }), DISP_E_MEMBERNOTFOUND);

    // A contact reads like any item, but is no mail item.
    EXPECT_EQ(DispGet(contact, L"Class").ToInt(), 40);
    EXPECT_EQ(DispGet(contact, L"Subject").ToString(), L"Anna");
    ComPtr<IUnknown> asMail;
    EXPECT_EQ(contact->Identity()->QueryInterface(DIID_OutlookMailItem, asMail.PutVoid()), E_NOINTERFACE);
    EXPECT_EQ(mail->Identity()->QueryInterface(DIID_OutlookMailItem, asMail.PutVoid()), S_OK);
}

TEST(OutlookHost, SelectionIsASnapshot) {
    OutlookHost host;
    SimOutlookFolder *inbox = host.DefaultFolder(ol::olFolderInbox);
    SimOutlookItem *a = host.AddItem(inbox, ol::olMail, L"A");
    SimOutlookItem *b = host.AddItem(inbox, ol::olMail, L"B");
    SimOutlookExplorer *explorer = host.OpenExplorer(inbox);
    host.Select(explorer, {a, b});
    ComPtr<IDispatch> selection = DispGet(explorer, L"Selection").ToDispatch();
    host.Select(explorer, {});
    EXPECT_EQ(DispGet(selection.Get(), L"Count").ToInt(), 2);
    EXPECT_EQ(DispCall(selection.Get(), L"Item", {2}).ToDispatch().Get(), static_cast<IDispatch *>(b));
    EXPECT_EQ(DispGet(DispGet(explorer, L"Selection").ToDispatch().Get(), L"Count").ToInt(), 0);
}

TEST(WordHost, ASinkThatRefusesTheCloseKeepsTheDocument) {
    WordHost host(L"11.0");
    auto sink = classlib::Make<TestSink>(DIID_WordApplicationEvents4);
    ASSERT_EQ(sink->Connect(host.Application()), S_OK);
    SimWordDocument *first = host.NewDocument();
    SimWordDocument *second = host.OpenDocument(L"C:\\Docs\\Brief.doc");
    host.Activate(first->Window());
    sink->events.clear();
    sink->reaction = [](DISPID id, DISPPARAMS *params) {
        if (id == 6)
            *RefBool(params, 1) = VARIANT_TRUE;
    };
    EXPECT_FALSE(host.Close(first));
    EXPECT_FALSE(host.Quit());
    EXPECT_TRUE(first->Connected());
    sink->reaction = nullptr;
    auto held = ComPtr<IDispatch>::Copy(first);
    EXPECT_TRUE(host.Close(first));
    EXPECT_EQ(ErrorOf([&] { DispGet(held.Get(), L"Name"); }), RPC_E_DISCONNECTED);
    EXPECT_EQ(host.ActiveDocument(), second);
    EXPECT_TRUE(host.Quit());
    EXPECT_EQ(sink->Names(), L"DocumentBeforeClose DocumentBeforeClose DocumentBeforeClose WindowActivate "
                             L"DocumentChange DocumentBeforeClose DocumentChange Quit");
    EXPECT_EQ(DispGet(DispGet(host.Application(), L"Documents").ToDispatch().Get(), L"Count").ToInt(), 0);
}
