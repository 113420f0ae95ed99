// The Backstage view as Office gets it: a test add-in whose module holds the Backstage tests' view,
// registered with regsvr32 and loaded by officesim playing Outlook 2010, Word 2010 and Outlook 2007.
// Office takes the documents, asks every get callback they name (the items of every list included),
// and clicks; the documents are read back from the transcript and, with RIBBON_DOCUMENTS set, kept
// for the schema check.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "AddInTranscripts.h"
#include "RegisteredServer.h"
#include "classlib/Format.h"

namespace {

using testsupport::InOrder;
using TRun = testsupport::TRunResult;

const char kProgID[] = "TessaryBackstageAddIn.BackstageAddIn";

bool Has(const std::string &Text, const std::string &Part) {
    return Text.find(Part) != std::string::npos;
}

constexpr char kBackstageAddInDll[] = BACKSTAGE_ADDIN_DLL;

class BackstageOfficesim : public testsupport::TRegisteredServerTest<kBackstageAddInDll> {
protected:
    static TRun Officesim(const std::wstring &Host, int Version, const std::string &Script) {
        TRun run = testsupport::RunOfficesim(OFFICESIM_EXE, Host, Version, Script,
                                             classlib::Utf8ToWide(kProgID), L"Backstage Test");
        EXPECT_EQ(run.ExitCode, 0u) << run.Output;
        EXPECT_FALSE(Has(run.Output, "FAILED")) << run.Output; // a refused document among them
        return run;
    }

    static std::string Document(const TRun &Run, const std::string &RibbonId, const std::string &Name) {
        return testsupport::TranscriptDocument(Run, kProgID, RibbonId, Name);
    }
};

// The get callbacks of the view, as the transcript shows their answers, in document order.
const std::vector<std::string> kViewAnswers = {
    "bsTabInfo.getKeytip -> \"T\"",
    "bsTabInfo.getTitle -> \"Tessary\"",
    "bsGroup.getStyle -> 1",
    "bsGroup.getHelperText -> \"Dateien, die jeder Mail beiliegen\"",
    "bsGroup.getShowLabel -> True",
    "bsPrimary.getSupertip -> \"Eine Datei anh",
    "bsCheck.getPressed -> True",
    "bsEdit.getText -> \"Anhang\"",
    "bsCombo.getItemCount -> 2",
    "bsCombo.getItemID[1] -> \"bsCombo1\"",
    "bsCombo.getItemLabel[1] -> \"ZIP\"",
    "bsDrop.getSelectedItemIndex -> 1",
    "bsDrop.getItemCount -> 3",
    "bsDrop.getItemID[2] -> \"bsDrop2\"",
    "bsRadio.getItemLabel[1] -> \"Gesammelt\"",
    "bsLink.getLabel -> \"Hilfe im Netz\"",
    "bsImage.getAltText -> \"Logo des Werkzeugs\"",
    "bsTaskGroup.getHelperText -> \"W",
    "bsTask.getDescription -> \"Mit allen Anh",
    "bsGroupMenus.getShowLabel -> False",
    "bsMenu.getScreentip -> \"Anh",
    "bsMenuToggle.getPressed -> True",
    "bsSubMenu.getDescription -> \"Weitere Ziele\"",
    "bsForms.getShowLabel -> True",
    "bsFormGroup.getStyle -> 0",
    "bsFast.getVisible -> True",
};

TEST_F(BackstageOfficesim, Outlook2010TakesTheViewAndAsksEveryCallback) {
    TRun run = Officesim(L"outlook", 14,
                         "click-ribbon bsFast\nclick-ribbon bsCheck\nclick-ribbon bsMenuToggle\nclick-ribbon "
                         "bsSubButton\nquit\n");
    const std::string explorer = Document(run, "Microsoft.Outlook.Explorer", "Outlook14.Explorer");
    EXPECT_TRUE(Has(explorer, "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\""));
    EXPECT_TRUE(
        Has(explorer, "<backstage onShow=\"OnBackstageShow_Callback\" onHide=\"OnBackstageHide_Callback\">"));
    std::vector<std::string> expected = {"GetCustomUI(\"Microsoft.Outlook.Explorer\") -> document",
                                         "customUI.onLoad(RibbonUI) -> (nothing)",
                                         "ribbon callbacks in Explorer1 (Microsoft.Outlook.Explorer):"};
    expected.insert(expected.end(), kViewAnswers.begin(), kViewAnswers.end());
    expected.insert(expected.end(),
                    {"bsFast.onAction -> (nothing)", "bsCheck.onAction(pressed False) -> (nothing)",
                     "bsMenuToggle.onAction(pressed False) -> (nothing)", "bsSubButton.onAction -> (nothing)",
                     "DllCanUnloadNow -> S_OK", "== result: no failures"});
    EXPECT_TRUE(InOrder(run.Output, expected));
}

TEST_F(BackstageOfficesim, Word2010TakesTheViewAndOutlook2007GetsNone) {
    TRun word = Officesim(L"word", 14, "new-document\nquit\n");
    EXPECT_TRUE(Has(Document(word, "Microsoft.Word.Document", "Word14.Document"), "<backstage "));
    std::vector<std::string> expected = {"GetCustomUI(\"Microsoft.Word.Document\") -> document"};
    expected.insert(expected.end(), kViewAnswers.begin(), kViewAnswers.end());
    expected.push_back("== result: no failures");
    EXPECT_TRUE(InOrder(word.Output, expected));

    // Outlook 2007: no Backstage, and the view's windows are not its ribbon windows anyway.
    TRun outlook = Officesim(L"outlook", 12, "open-inspector mail \"Quarterly report\"\nquit\n");
    const std::string read = Document(outlook, "Microsoft.Outlook.Mail.Read", "Outlook12.MailRead");
    EXPECT_TRUE(Has(read, "xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\""));
    EXPECT_FALSE(Has(outlook.Output, "<backstage"));
    EXPECT_FALSE(Has(outlook.Output, "bsTabInfo"));
    EXPECT_TRUE(InOrder(outlook.Output, {"== result: no failures"}));
}

} // namespace
