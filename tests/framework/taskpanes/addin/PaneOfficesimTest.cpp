// A task pane as Outlook 2010 shows it: the test add-in (a module with one pane for inspectors),
// registered with regsvr32 and loaded by officesim, is handed Office's task-pane factory; opening an
// inspector brings the pane, shown, and closing it takes the pane away again.
#include <gtest/gtest.h>

#include <string>

#include "AddInTranscripts.h"
#include "RegisteredServer.h"

namespace {

using testsupport::InOrder;

constexpr char kPaneAddInDll[] = PANE_ADDIN_DLL;

class PaneOfficesim : public testsupport::TRegisteredServerTest<kPaneAddInDll> {};

TEST_F(PaneOfficesim, Outlook2010ShowsTheInspectorsPaneAndRemovesItWithTheInspector) {
    testsupport::TRunResult run = testsupport::RunOfficesim(
        OFFICESIM_EXE, L"outlook", 14, "open-inspector mail \"Angebot\"\nclose-inspector\nquit\n",
        L"TessaryPaneAddIn.PaneAddIn", L"Pane Add-in");
    EXPECT_EQ(run.ExitCode, 0u) << run.Output;
    EXPECT_TRUE(
        InOrder(run.Output, {
                                "TessaryPaneAddIn.PaneAddIn: CTPFactoryAvailable(CTPFactoryInst) -> S_OK",
                                "OnStartupComplete(custom) -> S_OK",
                                "== line 1: open-inspector",
                                "task pane \"Notes\" created in Inspector2 (visible, docked right)",
                                "== line 2: close-inspector",
                                "task pane \"Notes\" of Inspector2 deleted",
                                "== line 3: quit",
                                "DllCanUnloadNow -> S_OK",
                                "== result: no failures",
                            }));
    EXPECT_EQ(run.Output.find("created in Explorer1"), std::string::npos)
        << "the pane is for inspectors only";
}

} // namespace
