// The simulated Word: its object model called late-bound as the framework calls it, and its
// application events through real connection points.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "hostsim/WordHost.h"
#include "office/office.h"
#include "tests/hostsim/SimTestSink.h"

#include "ErrorOf.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::DispPut;
using classlib::OleVariant;
using hostsim_test::RefBool;
using hostsim_test::TestSink;
using testsupport::ErrorOf;

namespace {

ComPtr<TestSink> Advised(IUnknown *source, REFIID iid) {
    auto sink = classlib::Make<TestSink>(iid);
    EXPECT_EQ(sink->Connect(source), S_OK);
    return sink;
}

} // namespace

TEST(WordHost, ObjectModel) {
    WordHost host(L"12.0");
    IDispatch *app = host.Application();
    ComPtr<IUnknown> viaIid;
    EXPECT_EQ(app->QueryInterface(DIID_WordApplication, viaIid.PutVoid()), S_OK);
    EXPECT_EQ(DispGet(app, L"Version").ToString(), L"12.0");
    // No document: ActiveDocument fails as in Word; the collections are empty.
    EXPECT_EQ(ErrorOf([&] { DispGet(app, L"ActiveDocument"); }), E_FAIL);
    EXPECT_EQ(ErrorOf([&] { DispGet(app, L"ActiveWindow"); }), E_FAIL);
    EXPECT_EQ(DispGet(DispGet(app, L"Documents").ToDispatch().Get(), L"Count").ToInt(), 0);

    SimWordDocument *first = host.NewDocument();
    SimWordDocument *letter = host.OpenDocument(L"C:\\Docs\\Brief.doc");
    ComPtr<IDispatch> documents = DispGet(app, L"Documents").ToDispatch();
    EXPECT_EQ(DispGet(documents.Get(), L"Count").ToInt(), 2);
    EXPECT_EQ(DispCall(documents.Get(), L"Item", {1}).ToDispatch().Get(), static_cast<IDispatch *>(first));
    EXPECT_EQ(DispCall(documents.Get(), L"Item", {L"brief.doc"}).ToDispatch().Get(),
              static_cast<IDispatch *>(letter));
    EXPECT_EQ(ErrorOf([&] { DispCall(documents.Get(), L"Item", {3}); }), E_INVALIDARG);
    ComPtr<IDispatch> added = DispCall(documents.Get(), L"Add").ToDispatch();
    EXPECT_EQ(DispGet(added.Get(), L"Name").ToString(), L"Document3");
    EXPECT_EQ(DispGet(app, L"ActiveDocument").ToDispatch().Get(), added.Get());
    host.Activate(letter->Window());
    EXPECT_EQ(DispGet(letter, L"Name").ToString(), L"Brief.doc");
    EXPECT_EQ(DispGet(letter, L"FullName").ToString(), L"C:\\Docs\\Brief.doc");
    EXPECT_EQ(DispGet(app, L"ActiveDocument").ToDispatch().Get(), static_cast<IDispatch *>(letter));
    EXPECT_EQ(DispGet(letter, L"ActiveWindow").ToDispatch().Get(),
              DispGet(app, L"ActiveWindow").ToDispatch().Get());
    EXPECT_EQ(DispGet(DispGet(app, L"Windows").ToDispatch().Get(), L"Count").ToInt(), 3);

    // Templates: the Normal template first; Saved and Save as the registration code uses them.
    EXPECT_EQ(DispGet(DispGet(app, L"NormalTemplate").ToDispatch().Get(), L"FullName").ToString(),
              L"C:\\Templates\\Normal.dotm");
    SimWordTemplate *custom = host.AddTemplate(L"Letter.dot", L"C:\\Templates\\Letter.dot");
    custom->SetSaved(false);
    ComPtr<IDispatch> templates = DispGet(app, L"Templates").ToDispatch();
    ASSERT_EQ(DispGet(templates.Get(), L"Count").ToInt(), 2);
    ComPtr<IDispatch> second = DispCall(templates.Get(), L"Item", {2}).ToDispatch();
    EXPECT_FALSE(DispGet(second.Get(), L"Saved").ToBool());
    DispCall(second.Get(), L"Save");
    EXPECT_TRUE(custom->Saved());
    EXPECT_EQ(custom->SaveCount(), 1);

    auto context = ComPtr<IDispatch>::Copy(letter);
    DispPut(app, L"CustomizationContext", OleVariant(context.Get()));
    EXPECT_EQ(DispGet(app, L"CustomizationContext").ToDispatch().Get(), context.Get());
}

TEST(WordHost, CommandBarsAndVersionMembers) {
    WordHost word2000(L"9.0");
    EXPECT_EQ(DispGet(word2000.NormalTemplate(), L"Name").ToString(), L"Normal.dot");

    WordHost host;
    SimWordDocument *document = host.NewDocument();
    EXPECT_FALSE(DispGet(host.Application(), L"CommandBars").ToDispatch());
    // Any automation object stands in for the command-bar simulation's CommandBars.
    IDispatch *bars = host.NormalTemplate();
    host.SetCommandBars(bars);
    EXPECT_EQ(DispGet(host.Application(), L"CommandBars").ToDispatch().Get(), bars);
    EXPECT_EQ(DispGet(document, L"CommandBars").ToDispatch().Get(), bars);
    document->SetCommandBars(host.Application());
    EXPECT_EQ(DispGet(document, L"CommandBars").ToDispatch().Get(), host.Application());

    host.App().FailNext(L"CommandBars", E_OUTOFMEMORY);
    EXPECT_EQ(ErrorOf([&] { DispGet(host.Application(), L"CommandBars"); }), E_OUTOFMEMORY);
}

TEST(WordHost, WindowActivationAndDocumentEvents) {
    WordHost host(L"11.0");
    ComPtr<TestSink> sink = Advised(host.Application(), DIID_WordApplicationEvents4);
    SimWordDocument *first = host.NewDocument();
    SimWordDocument *second = host.OpenDocument(L"C:\\Docs\\Brief.doc");
    host.Activate(first->Window());
    host.Activate(first->Window()); // already active: nothing
    EXPECT_EQ(sink->events,
              (std::vector<std::wstring>{L"NewDocument(Document1)", L"WindowActivate(Document1, Window1)",
                                         L"DocumentChange()", L"DocumentOpen(Brief.doc)",
                                         L"WindowDeactivate(Document1, Window1)",
                                         L"WindowActivate(Brief.doc, Window2)", L"DocumentChange()",
                                         L"WindowDeactivate(Brief.doc, Window2)",
                                         L"WindowActivate(Document1, Window1)", L"DocumentChange()"}));

    // A sink that refuses the close keeps the document.
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
