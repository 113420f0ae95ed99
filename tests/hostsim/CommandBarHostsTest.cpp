// The command bars as the add-in reaches them in the simulated hosts: through Explorer.CommandBars,
// Inspector.CommandBars and Application.CommandBars.
#include <gtest/gtest.h>

#include "SimTestSink.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::DispGet;
using classlib::OleVariant;
using classlib::TBStr;
using hostsim_test::TestSink;

namespace {

const OleVariant M = OleVariant::Missing();

ComPtr<_CommandBars> BarsOf(IDispatch *window) {
    return DispGet(window, L"CommandBars").ToDispatch().As<_CommandBars>();
}

TEST(CommandBarHosts, EachOutlookWindowHasBarsOfItsKindAndClicksCrossWindows) {
    OutlookHost outlook;
    AttachCommandBars(outlook);
    SimOutlookExplorer *explorer = outlook.OpenExplorer(outlook.DefaultFolder(ol::olFolderInbox));
    SimOutlookItem *item = outlook.AddItem(outlook.DefaultFolder(ol::olFolderInbox), ol::olMail, L"Hello");
    SimOutlookInspector *inspector = outlook.OpenInspector(item);

    ComPtr<_CommandBars> explorerBars = BarsOf(explorer), inspectorBars = BarsOf(inspector);
    ASSERT_TRUE(explorerBars && inspectorBars);
    EXPECT_NE(explorerBars, inspectorBars);
    ComPtr<CommandBar> advanced, formatting;
    EXPECT_EQ(S_OK, explorerBars->get_Item(OleVariant(L"Advanced").Var(), advanced.Put()));
    EXPECT_EQ(S_OK, inspectorBars->get_Item(OleVariant(L"Formatting").Var(), formatting.Put()));
    ComPtr<IDispatch> application, parent;
    ASSERT_EQ(S_OK, advanced->get_Application(application.Put()));
    EXPECT_EQ(outlook.Application(), application.Get());
    ASSERT_EQ(S_OK, explorerBars->get_Parent(parent.Put()));
    EXPECT_EQ(static_cast<IDispatch *>(explorer), parent.Get());

    // The same tag in both windows: a click in the inspector reaches the explorer's button too.
    auto addButton = [](_CommandBars *bars) {
        ComPtr<CommandBar> standard;
        EXPECT_EQ(S_OK, bars->get_Item(OleVariant(L"Standard").Var(), standard.Put()));
        ComPtr<CommandBarControls> controls;
        EXPECT_EQ(S_OK, standard->get_Controls(controls.Put()));
        ComPtr<CommandBarControl> button;
        EXPECT_EQ(S_OK, controls->Add(OleVariant(1).Var(), M.Var(), M.Var(), M.Var(), OleVariant(true).Var(),
                                      button.Put()));
        EXPECT_EQ(S_OK, button->put_Tag(TBStr(L"same").Get()));
        return button;
    };
    ComPtr<CommandBarControl> inExplorer = addButton(explorerBars.Get());
    ComPtr<CommandBarControl> inInspector = addButton(inspectorBars.Get());
    auto sink = classlib::Make<TestSink>(DIID__CommandBarButtonEvents);
    ASSERT_EQ(S_OK, sink->Connect(inExplorer.Get()));
    auto *inspectorSim = dynamic_cast<CommandBarsObject *>(SimObject::FromUnknown(inspectorBars.Get()));
    ASSERT_NE(nullptr, inspectorSim);
    EXPECT_EQ(inspector->Name() + L".CommandBars", inspectorSim->Name());
    EXPECT_TRUE(inspectorSim->UserClick(inspectorSim->ControlOf(inInspector.Get())));
    EXPECT_EQ((std::vector<std::wstring>{L"Click(" + SimObject::FromUnknown(inInspector.Get())->Name() +
                                         L", False)"}),
              sink->events);
    sink->Disconnect();
}

TEST(CommandBarHosts, WordHasOneSetForTheApplicationAndItsDocuments) {
    WordHost word;
    CommandBarsObject &bars = AttachCommandBars(word);
    SimWordDocument *document = word.NewDocument();
    ComPtr<IDispatch> fromApplication = DispGet(word.Application(), L"CommandBars").ToDispatch();
    ComPtr<IDispatch> fromDocument = DispGet(document, L"CommandBars").ToDispatch();
    EXPECT_EQ(static_cast<IDispatch *>(&bars), fromApplication.Get());
    EXPECT_EQ(fromApplication, fromDocument);
    ComPtr<IDispatch> envelope =
        classlib::DispGet(fromApplication.Get(), L"Item", {OleVariant(L"Envelope")}).ToDispatch();
    EXPECT_FALSE(DispGet(envelope.Get(), L"Visible").ToBool());
}

} // namespace
