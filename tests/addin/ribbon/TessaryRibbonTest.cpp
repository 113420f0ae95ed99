// Tessary.dll's ribbon as Office gets it: registered with regsvr32, loaded by officesim playing
// Outlook 2010, Outlook 2007 and Word, asked for a document per window kind, every get callback of
// every window asked and buttons clicked. The documents are read back from officesim's transcript; with
// RIBBON_DOCUMENTS set they are also kept for the schema check.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "AddInTranscripts.h"
#include "RegisteredServer.h"
#include "classlib/Format.h"
#include "classlib/Registry.h"

namespace {

using TRun = testsupport::TRunResult;
using testsupport::InOrder;

const wchar_t kProgID[] = L"Tessary.TSY";

bool Has(const std::string &Text, const std::string &Part) {
    return Text.find(Part) != std::string::npos;
}

constexpr char kTessaryDll[] = TESSARY_DLL;

class TessaryRibbon : public testsupport::TRegisteredServerTest<kTessaryDll> {
protected:
    // officesim playing Host of Version through Script; the add-in's documents must reach it whole (a
    // failed GetCustomUI and a refused document are failures of the run).
    static TRun Officesim(const std::wstring &Host, int Version, const std::string &Script) {
        TRun run = testsupport::RunOfficesim(OFFICESIM_EXE, Host, Version, Script, kProgID, L"Tessary");
        EXPECT_FALSE(Has(run.Output, "FAILED")) << run.Output;
        EXPECT_EQ(run.ExitCode, 0u) << run.Output;
        return run;
    }

    // The document of RibbonId, kept under Name.
    static std::string Document(const TRun &Run, const std::string &RibbonId, const std::string &Name) {
        return testsupport::TranscriptDocument(Run, "Tessary.TSY", RibbonId, Name);
    }
};

TEST_F(TessaryRibbon, Outlook2010GetsTheMailTabGroupAndATabPerMailWindow) {
    TRun run = Officesim(L"outlook", 14,
                         "click-ribbon tsyExplorerReply\nopen-inspector mail \"Quarterly report\"\n"
                         "click-ribbon tsyReadReply\nopen-inspector mail \"Neue Nachricht\"\nquit\n");
    EXPECT_TRUE(InOrder(
        run.Output,
        {"GetCustomUI(\"Microsoft.Outlook.Explorer\") -> document", "customUI.onLoad(RibbonUI) -> (nothing)",
         "ribbon callbacks in Explorer1 (Microsoft.Outlook.Explorer):", "TabMail.getVisible -> True",
         "tsyExplorerReply.getLabel -> \"Antworten\"", "tsyExplorerReply.getSize -> 1",
         "tsyExplorerInsertAttachment.getContent -> \"<menu", "== line 1: click-ribbon tsyExplorerReply",
         "tsyExplorerReply.onAction -> (nothing)", "GetCustomUI(\"Microsoft.Outlook.Mail.Read\") -> document",
         "customUI.onLoad(RibbonUI) -> (nothing)", "tsyReadReply.getLabel -> \"Antworten\"",
         "tsyReadReply.onAction -> (nothing)", "GetCustomUI(\"Microsoft.Outlook.Mail.Compose\") -> document",
         "customUI.onLoad(RibbonUI) -> (nothing)", "OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
         "DllCanUnloadNow -> S_OK", "== result: no failures"}));

    std::string explorer = Document(run, "Microsoft.Outlook.Explorer", "Outlook14.Explorer");
    // Outlook's Home tab keeps its own label and key tip: the add-in gives it none.
    EXPECT_TRUE(Has(explorer, "<tab getVisible=\"GetVisible_Callback\" idMso=\"TabMail\">\n")) << explorer;
    EXPECT_TRUE(Has(explorer, "id=\"tsyGroupExplorer\" insertAfterMso=\"GroupMailRespond\""));
    EXPECT_TRUE(Has(explorer, "<dynamicMenu id=\"tsyExplorerInsertAttachment\""));
    EXPECT_TRUE(Has(explorer, "<menu id=\"tsyExplorerExtras\""));
    EXPECT_TRUE(Has(explorer, "<menuSeparator id=\"tsyExplorerMenuSeparator1\""));
    EXPECT_FALSE(Has(explorer, "tsyTabRead") || Has(explorer, "tsyTabCompose"));

    std::string read = Document(run, "Microsoft.Outlook.Mail.Read", "Outlook14.MailRead");
    EXPECT_TRUE(Has(read, "id=\"tsyTabRead\"") && Has(read, "id=\"tsyReadReplyAll\""));
    EXPECT_FALSE(Has(read, "tsyTabCompose") || Has(read, "TabMail"));

    std::string compose = Document(run, "Microsoft.Outlook.Mail.Compose", "Outlook14.MailCompose");
    EXPECT_TRUE(Has(compose, "<dynamicMenu id=\"tsyComposeInsertAttachment\""));
    EXPECT_TRUE(Has(compose, "<button id=\"tsyComposeZip\""));
    EXPECT_FALSE(Has(compose, "tsyTabRead") || Has(compose, "TabMail"));
}

// Outlook 2007's explorer has no ribbon: only the mail windows ask.
TEST_F(TessaryRibbon, Outlook2007GetsTheMailWindowTabsInThe2006Namespace) {
    TRun run = Officesim(L"outlook", 12,
                         "open-inspector mail \"Quarterly report\"\nclick-ribbon tsyReadReply\n"
                         "open-inspector mail \"Neue Nachricht\"\nquit\n");
    EXPECT_FALSE(Has(run.Output, "GetCustomUI(\"Microsoft.Outlook.Explorer\")"));
    EXPECT_TRUE(InOrder(run.Output,
                        {"customUI.onLoad(RibbonUI) -> (nothing)", "tsyReadReply.getLabel -> \"Antworten\"",
                         "tsyReadReply.onAction -> (nothing)", "== result: no failures"}));
    for (const char *window : {"Microsoft.Outlook.Mail.Read", "Microsoft.Outlook.Mail.Compose"}) {
        std::string document = Document(run, window, std::string("Outlook12.") + window);
        EXPECT_EQ(document.find("<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\""),
                  0u);
    }
}

// Word has the add-in for its command bars only: its ribbon document names no tab.
TEST_F(TessaryRibbon, WordGetsAnEmptyRibbon) {
    TRun run = Officesim(L"word", 14, "new-document\nquit\n");
    std::string document = Document(run, "Microsoft.Word.Document", "Word14.Document");
    EXPECT_TRUE(Has(document, "\t<ribbon>\n\t</ribbon>\n")) << document;
    EXPECT_TRUE(InOrder(run.Output, {"customUI.onLoad(RibbonUI) -> (nothing)", "== result: no failures"}));
}

} // namespace
