// What the simulated Word imitates of Word that no framework test would notice: a close or quit a sink
// refuses. Its object walks, its failures without a document and its events are read by the wrapper,
// event, window and task-pane suites.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "hostsim/WordHost.h"
#include "office/office.h"
#include "tests/hostsim/SimTestSink.h"

#include "ErrorOf.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::DispGet;
using hostsim_test::RefBool;
using hostsim_test::TestSink;
using testsupport::ErrorOf;

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
