// Tessary.dll's ribbon end to end: registered with regsvr32, loaded by officesim, which hands over
// its ribbon, asks every get callback of every window and clicks. The exit code and the transcript
// are the verdict.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "AddInTranscripts.h"
#include "RegisteredServer.h"
#include "classlib/Registry.h"

namespace {

using TRun = testsupport::TRunResult;
using testsupport::InOrder;

constexpr char kTessaryDll[] = TESSARY_DLL;

class OfficesimCallbacks : public testsupport::TRegisteredServerTest<kTessaryDll> {
protected:
    static TRun Officesim(const std::wstring &Host, int Version, const std::string &Script) {
        TRun run =
            testsupport::RunOfficesim(OFFICESIM_EXE, Host, Version, Script, L"Tessary.TSY", L"Tessary");
        EXPECT_EQ(run.Output.find("FAILED"), std::string::npos) << run.Output;
        return run;
    }
};

// Outlook 2010 shows the ribbon in the explorer and the mail windows, Outlook 2007 in the mail
// windows only, Word's document has no tab: every document's onLoad and every get callback is
// answered, and clicks reach the product.
TEST_F(OfficesimCallbacks, EveryCallbackIsAnsweredAndClicksAreTaken) {
    const struct {
        const wchar_t *Host;
        int Version;
        std::string Script;
        std::vector<std::string> Transcript;
    } sessions[] = {
        {L"outlook",
         14,
         "click-ribbon tsyExplorerReply\nopen-inspector mail \"Quarterly report\"\nclick-ribbon "
         "tsyReadReply\n"
         "open-inspector mail \"Neue Nachricht\"\nquit\n",
         {"GetCustomUI(\"Microsoft.Outlook.Explorer\") -> document", "customUI.onLoad(RibbonUI) -> (nothing)",
          "ribbon callbacks in Explorer1 (Microsoft.Outlook.Explorer):", "TabMail.getVisible -> True",
          "tsyExplorerReply.getLabel -> \"Antworten\"", "tsyExplorerReply.getSize -> 1",
          "tsyExplorerInsertAttachment.getContent -> \"<menu", "== line 1: click-ribbon tsyExplorerReply",
          "tsyExplorerReply.onAction -> (nothing)",
          "GetCustomUI(\"Microsoft.Outlook.Mail.Read\") -> document",
          "customUI.onLoad(RibbonUI) -> (nothing)", "tsyReadReply.getLabel -> \"Antworten\"",
          "tsyReadReply.onAction -> (nothing)", "GetCustomUI(\"Microsoft.Outlook.Mail.Compose\") -> document",
          "customUI.onLoad(RibbonUI) -> (nothing)", "OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
          "DllCanUnloadNow -> S_OK", "== result: no failures"}},
        {L"outlook",
         12,
         "open-inspector mail \"Quarterly report\"\nclick-ribbon tsyReadReply\nquit\n",
         {"GetCustomUI(\"Microsoft.Outlook.Mail.Read\") -> document",
          "customUI.onLoad(RibbonUI) -> (nothing)", "tsyReadReply.getLabel -> \"Antworten\"",
          "tsyReadReply.onAction -> (nothing)", "== result: no failures"}},
        {L"word",
         14,
         "new-document\nquit\n",
         {"GetCustomUI(\"Microsoft.Word.Document\") -> document", "customUI.onLoad(RibbonUI) -> (nothing)",
          "== result: no failures"}},
    };
    for (const auto &session : sessions) {
        TRun run = Officesim(session.Host, session.Version, session.Script);
        EXPECT_EQ(run.ExitCode, 0u) << run.Output;
        EXPECT_TRUE(InOrder(run.Output, session.Transcript));
    }
}

} // namespace
