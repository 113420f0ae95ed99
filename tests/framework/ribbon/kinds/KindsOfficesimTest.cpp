// Outlook's ribbon kinds as Office shows them: a test add-in with controls in the explorer's and the
// mail windows' ribbons, registered with regsvr32 and loaded by officesim playing Outlook 2010. Each
// kind has its own IRibbonUI, which re-queries only its own controls.
#include <gtest/gtest.h>

#include <string>

#include "AddInTranscripts.h"
#include "RegisteredServer.h"

namespace {

using testsupport::InOrder;

constexpr char kKindsAddInDll[] = KINDS_ADDIN_DLL;

class KindsOfficesim : public testsupport::TRegisteredServerTest<kKindsAddInDll> {
protected:
    static testsupport::TRunResult Officesim(const std::string &Script) {
        testsupport::TRunResult run = testsupport::RunOfficesim(
            OFFICESIM_EXE, L"outlook", 14, Script, L"TessaryKindsAddIn.KindsAddIn", L"Kinds Test");
        EXPECT_EQ(run.ExitCode, 0u) << run.Output;
        return run;
    }
};

// The mail window's ribbon is handed over after the explorer's; a click in the explorer that changes
// the button's caption still reaches the explorer, which asks for the new caption. The mail window's
// ribbon, which has no such button, refuses the request, and that is no failure of the click.
TEST_F(KindsOfficesim, AChangedExplorerControlIsAskedForAgainInTheExplorer) {
    testsupport::TRunResult run =
        Officesim("open-inspector mail \"Quarterly report\"\nclose-inspector\nclick-ribbon kiCount\nquit\n");
    EXPECT_TRUE(
        InOrder(run.Output, {
                                "GetCustomUI(\"Microsoft.Outlook.Explorer\") -> document",
                                "kiCount.getLabel -> \"Nie geklickt\"",
                                "GetCustomUI(\"Microsoft.Outlook.Mail.Read\") -> document",
                                "customUI.onLoad(RibbonUI) -> (nothing)",
                                "== line 3: click-ribbon kiCount",
                                "kiCount.onAction -> (nothing)",
                                "asked the ribbon Microsoft.Outlook.Explorer: InvalidateControl('kiCount')",
                                "ribbon callbacks asked again in Explorer1:",
                                "kiCount.getLabel -> \"Geklickt: 1\"",
                                "== result: no failures",
                            }));
}

// Outlook's Forward button is extended twice: shown in mail windows, hidden in the explorer. The
// explorer shows no item, yet its own extension answers there, whichever comes first in the form.
TEST_F(KindsOfficesim, ABuiltInControlAnswersFromTheExtensionOfItsWindowKind) {
    testsupport::TRunResult run = Officesim("open-inspector mail \"Quarterly report\"\nquit\n");
    EXPECT_TRUE(InOrder(run.Output, {
                                        "ribbon callbacks in Explorer1 (Microsoft.Outlook.Explorer):",
                                        "Forward.getVisible -> False",
                                        "ribbon callbacks in Inspector2 (Microsoft.Outlook.Mail.Read):",
                                        "Forward.getVisible -> True",
                                        "== result: no failures",
                                    }));
}

} // namespace
