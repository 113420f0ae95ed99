// Tessary.dll's ribbon end to end: registered with regsvr32, loaded by officesim, which hands over
// its ribbon, asks every get callback of every window and clicks. The exit code and the transcript
// are the verdict.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "AddInTranscripts.h"
#include "WineProcess.h"
#include "classlib/Registry.h"

namespace {

using testsupport::DosPath;
using testsupport::RunProgram;
using TRun = testsupport::TRunResult;
using testsupport::InOrder;

class OfficesimCallbacks : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        registered_ = RunProgram(L"regsvr32.exe /s \"" + DosPath(TESSARY_DLL) + L"\"").ExitCode == 0;
    }
    static void TearDownTestSuite() { RunProgram(L"regsvr32.exe /u /s \"" + DosPath(TESSARY_DLL) + L"\""); }
    void SetUp() override { ASSERT_TRUE(registered_) << "regsvr32 could not register Tessary.dll"; }

    static TRun Officesim(const std::wstring &Host, int Version, const std::string &Script) {
        testsupport::TAddInEntry entry(Host == L"word" ? L"Word" : L"Outlook", L"Tessary.TSY", 3, L"Tessary");
        testsupport::TTempFile script(Script);
        TRun run = RunProgram(L"\"" + DosPath(OFFICESIM_EXE) + L"\" --host " + Host + L" --version " +
                              std::to_wstring(Version) + L" --script \"" + script.Path() + L"\"");
        EXPECT_EQ(run.Output.find("FAILED"), std::string::npos) << run.Output;
        return run;
    }

    static bool registered_;
};

bool OfficesimCallbacks::registered_ = false;

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
