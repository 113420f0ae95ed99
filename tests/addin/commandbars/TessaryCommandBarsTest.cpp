// Tessary.dll's command bars as Office 2003 shows them: registered with regsvr32, loaded by officesim
// playing Outlook 2003 and Word 2003, its bars shown, clicked (the click reaches the add-in's event
// connection) and taken out of the host again when the user unloads the add-in.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "AddInTranscripts.h"
#include "RegisteredServer.h"
#include "RegistryAccess.h"

namespace {

using testsupport::InOrder;

constexpr char kTessaryDll[] = TESSARY_DLL;

class TessaryCommandBars : public testsupport::TRegisteredServerTest<kTessaryDll> {
protected:
    static testsupport::TRunResult Officesim(const std::wstring &Host, const std::string &Script) {
        testsupport::TRunResult run =
            testsupport::RunOfficesim(OFFICESIM_EXE, Host, 11, Script, L"Tessary.TSY", L"Tessary");
        EXPECT_EQ(run.ExitCode, 0u) << run.Output;
        return run;
    }
};

// The inspector's bar is there (and answers a click) while the inspector is open and goes with the
// user's unload, as the explorer's bars do; a folder switch leaves the explorer's bars in place.
TEST_F(TessaryCommandBars, Outlook2003ShowsClicksAndLosesTheBarsOnAUserUnload) {
    testsupport::TRunResult run = Officesim(L"outlook", "click-bar tsyExplorerSave\n"
                                                        "click-bar tsyReplyWithAttachments\n"
                                                        "open-inspector mail \"Angebot\"\n"
                                                        "click-bar tsyInspectorZip\n"
                                                        "switch-folder \"Sent Items\"\n"
                                                        "unload Tessary.TSY\n"
                                                        "close-inspector\n"
                                                        "quit\n");
    EXPECT_TRUE(InOrder(run.Output, {"Tessary.TSY: OnStartupComplete(custom) -> S_OK",
                                     "command bars the add-ins built in Explorer1:",
                                     "bar \"Standard\" (built in, top, visible)",
                                     "tag \"tsyReplyPopup\"",
                                     "tag \"tsyReplyWithAttachments\"",
                                     "bar \"Tessary\" (top, visible, temporary)",
                                     "tag \"tsyExplorerSave\"",
                                     "tag \"tsyExplorerRemove\"",
                                     "== line 1: click-bar tsyExplorerSave",
                                     "Click heard by 1 event connection(s) on the button",
                                     "== line 2: click-bar tsyReplyWithAttachments",
                                     "Click heard by 1 event connection(s) on the button",
                                     "Inspector2 opened",
                                     "command bars the add-ins built in Inspector2:",
                                     "bar \"Tessary\" (top, visible",
                                     "tag \"tsyInspectorZip\"",
                                     "tag \"tsyInspectorSave\"",
                                     "== line 4: click-bar tsyInspectorZip",
                                     "Click heard by 1 event connection(s) on the button",
                                     "== line 5: switch-folder",
                                     "Explorer1 shows \\\\Personal Folders\\Sent Items",
                                     "command bars the add-ins built in Explorer1:",
                                     "bar \"Tessary\" (top, visible, temporary)",
                                     "tag \"tsyExplorerSave\"",
                                     "== line 6: unload Tessary.TSY",
                                     "Tessary.TSY: OnDisconnection(ext_dm_UserClosed, custom) -> S_OK",
                                     "no bars or controls of add-ins in the command bars of Explorer1",
                                     "no bars or controls of add-ins in the command bars of Inspector2",
                                     "== line 7: close-inspector",
                                     "Inspector2 closed",
                                     "== line 8: quit",
                                     "DllCanUnloadNow -> S_OK",
                                     "== result: no failures"}));
    EXPECT_EQ(run.Output.find("OnDisconnection(ext_dm_HostShutdown"), std::string::npos)
        << "an add-in the user unloaded is not disconnected again";
}

// A place saved for the explorer's toolbar that Office would refuse (another program, or an earlier
// version, left it) is no saved place: the toolbar is built where its design puts it, and the place
// saved at the explorer's close is one Office takes, so the next start shows it too.
TEST_F(TessaryCommandBars, Outlook2003BuildsTheToolbarWhateverPlaceWasSavedForIt) {
    testsupport::TAddInEntry entry(L"Outlook", L"Tessary.TSY", 3, L"Tessary");
    const std::wstring saved =
        L"Software\\Microsoft\\Office\\Outlook\\Addins\\Tessary.TSY\\CommandBars\\Tessary";
    const std::vector<std::pair<const wchar_t *, DWORD>> refused{{L"Position", 5},
                                                                 {L"Position", 7},
                                                                 {L"Position", 0xFFFFFFFFu},
                                                                 {L"Position", 256},
                                                                 {L"RowIndex", 0x80000000u}};
    auto startAndQuit = [](const std::string &what) {
        testsupport::TRunResult run =
            testsupport::RunOfficesimScript(OFFICESIM_EXE, L"outlook", 11, "quit\n");
        EXPECT_EQ(run.ExitCode, 0u) << what << "\n" << run.Output;
        EXPECT_TRUE(
            InOrder(run.Output, {"command bars the add-ins built in Explorer1:",
                                 "bar \"Tessary\" (top, visible, temporary)", "== result: no failures"}))
            << what;
    };
    for (const auto &[name, value] : refused) {
        const std::string what = testing::PrintToString(std::wstring(name)) + " " + std::to_string(value);
        testsupport::WriteDword(HKEY_CURRENT_USER, saved, name, value);
        startAndQuit(what);
        EXPECT_EQ(testsupport::ReadDword(HKEY_CURRENT_USER, saved, L"Position"), 1u) << what;
        EXPECT_LT(testsupport::ReadDword(HKEY_CURRENT_USER, saved, L"RowIndex"), 0x80000000u) << what;
    }
    startAndQuit("the next start");
}

TEST_F(TessaryCommandBars, Word2003ShowsClicksAndLosesTheWordBarOnAUserUnload) {
    testsupport::TRunResult run = Officesim(L"word", "click-bar tsyWordZip\n"
                                                     "new-document\n"
                                                     "click-bar tsyWordZip\n"
                                                     "unload Tessary.TSY\n"
                                                     "close-document\n"
                                                     "quit\n");
    EXPECT_TRUE(InOrder(
        run.Output,
        {"Tessary.TSY: OnStartupComplete(custom) -> S_OK",
         "command bars the add-ins built in Window1:", "bar \"Tessary\" (top, visible)",
         "button \"Anhang zippen\" tag \"tsyWordZip\"", "== line 1: click-bar tsyWordZip",
         "Click heard by 1 event connection(s) on the button", "Window2 opened",
         "== line 3: click-bar tsyWordZip", "Click heard by 1 event connection(s) on the button",
         "== line 4: unload Tessary.TSY", "Tessary.TSY: OnDisconnection(ext_dm_UserClosed, custom) -> S_OK",
         "no bars or controls of add-ins in the command bars of Window1", "== line 6: quit",
         "DllCanUnloadNow -> S_OK", "== result: no failures"}));
}

} // namespace
