// officesim as a developer runs it: a process of its own that finds the test add-in (registered
// with regsvr32) in the prefix's registry, loads it the way Office does and plays a script; the
// transcript and the exit code are the verdict.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/Format.h"
#include "classlib/Registry.h"
#include "AddInTranscripts.h"
#include "RegisteredServer.h"
#include "WineProcess.h"

using namespace classlib;
using testsupport::DosPath;
using testsupport::RunProgram;
using RunResult = testsupport::TRunResult;
using testsupport::InOrder;

namespace {
// The test add-ins' entries carry one friendly name.
struct AddInEntry : testsupport::TAddInEntry {
    AddInEntry(const std::wstring &host, const std::wstring &progId, int loadBehavior, bool requireNotification = false)
        : TAddInEntry(host, progId, loadBehavior, L"officesim test add-in", requireNotification) {}
};
} // namespace

namespace {

const wchar_t kConnect[] = L"OfficesimTest.Connect";
const wchar_t kFailing[] = L"OfficesimTest.Failing";
const wchar_t kCrashing[] = L"OfficesimTest.Crashing";

std::wstring AddInsKey(const std::wstring &host) {
    return L"Software\\Microsoft\\Office\\" + host + L"\\Addins";
}

// A script in a temporary file.
using ScriptFile = testsupport::TTempFile;

size_t Count(const std::string &output, const std::string &piece) {
    size_t count = 0;
    for (size_t at = output.find(piece); at != std::string::npos; at = output.find(piece, at + 1))
        ++count;
    return count;
}

constexpr char kTestAddInDll[] = TEST_ADDIN_DLL;

class OfficesimRun : public testsupport::TRegisteredServerTest<kTestAddInDll> {
protected:
    void SetUp() override {
        TRegisteredServerTest::SetUp();
        // Entries a test that ended early may have left.
        TRegistry key;
        key.SetRootKey(HKEY_CURRENT_USER);
        for (const wchar_t *host : {L"Outlook", L"Word"})
            for (const wchar_t *progId : {kConnect, kFailing, kCrashing})
                key.DeleteKey(AddInsKey(host) + L"\\" + progId);
    }

    static RunResult Officesim(const std::wstring &arguments) {
        return RunProgram(L"\"" + DosPath(OFFICESIM_EXE) + L"\" " + arguments);
    }
    static RunResult Officesim(const std::wstring &arguments, const ScriptFile &script) {
        return Officesim(arguments + L" --script \"" + script.Path() + L"\"");
    }
};

TEST_F(OfficesimRun, Outlook14LoadsTheRibbonPerWindowKindAndShutsDownTheUsualWay) {
    AddInEntry connect(L"Outlook", kConnect, 3);
    AddInEntry dormant(L"Outlook", kFailing, 2);
    ScriptFile script("# the explorer's ribbon comes with start-up\n"
                      "click-ribbon HelloButton\n"
                      "click-ribbon Toggle\n"
                      "click-ribbon MenuFirst\n"
                      "open-inspector mail \"Quarterly report\"\n"
                      "click-ribbon ReadButton\n"
                      "close-inspector\n"
                      "quit\n");
    RunResult run = Officesim(L"--host outlook --version 14", script);
    EXPECT_EQ(0u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(
        run.Output,
        {
            "== officesim: Outlook 14.0.0.0 (officesim.exe)",
            "HKCU OfficesimTest.Connect \"officesim test add-in\", LoadBehavior 3 (load at start-up): to be "
            "loaded",
            "HKCU OfficesimTest.Failing \"officesim test add-in\", LoadBehavior 2 (load at start-up, "
            "currently unloaded): "
            "skipped, not loaded at start-up",
            "== start-up",
            "OfficesimTest.Connect: created {463016CE-55EB-4241-9102-36CE4F25F6BC} from ",
            "OfficesimTest.Connect: OnConnection(Application, ext_cm_Startup, AddInInst, custom) -> S_OK",
            "OfficesimTest.Connect: GetCustomUI(\"Microsoft.Outlook.Explorer\") -> document",
            "| <customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\" onLoad=\"OnLoad\">",
            "customUI.onLoad(RibbonUI) -> (nothing)",
            "Application Startup event",
            "OfficesimTest.Connect: OnStartupComplete(custom) -> S_OK",
            "OfficesimTest.Connect: ribbon callbacks in Explorer1 (Microsoft.Outlook.Explorer):",
            "HelloButton.getLabel -> \"Say hello\"",
            "Toggle.getPressed -> False",
            "Colours.getItemCount -> 3",
            "Colours.getItemLabel[0] -> \"Red\"",
            "Colours.getItemLabel[2] -> \"Blue\"",
            "More.getContent -> \"<menu",
            "MenuFirst.getLabel -> \"Say hello\"",
            "== line 2: click-ribbon HelloButton",
            "HelloButton.onAction -> (nothing)",
            "OfficesimTest.Connect asked the ribbon Microsoft.Outlook.Explorer: "
            "InvalidateControl('HelloButton')",
            "HelloButton.getLabel -> \"Clicked 1 time\"",
            "== line 3: click-ribbon Toggle",
            "Toggle.onAction(pressed True) -> (nothing)",
            "== line 4: click-ribbon MenuFirst",
            "MenuFirst.onAction -> (nothing)",
            "MenuFirst.getLabel -> \"Clicked 2 times\"",
            "== line 5: open-inspector mail \"Quarterly report\"",
            "Inspector2 opened: inspector on mail \"Quarterly report\" (read)",
            "OfficesimTest.Connect: GetCustomUI(\"Microsoft.Outlook.Mail.Read\") -> document",
            "OfficesimTest.Connect: ribbon callbacks in Inspector2 (Microsoft.Outlook.Mail.Read):",
            "ReadButton.getLabel -> \"About Quarterly report\"",
            "== line 6: click-ribbon ReadButton",
            "ReadButton.onAction -> (nothing)",
            "== line 8: quit",
            "OfficesimTest.Connect: OnBeginShutdown(custom) -> S_OK",
            "Outlook closes every window and raises the Application's Quit event",
            "OfficesimTest.Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
            "== release and unload",
            "officesim_testaddin.dll: DllCanUnloadNow -> S_OK",
            "== timings",
            "start-up: ",
            "ribbon load Microsoft.Outlook.Explorer: ",
            "ribbon load Microsoft.Outlook.Mail.Read: ",
            "inspector open: ",
            "== result: no failures",
        }));
    EXPECT_EQ(1u, Count(run.Output, "GetCustomUI(\"Microsoft.Outlook.Explorer\")")) << "asked once per kind";
    EXPECT_EQ(std::string::npos, run.Output.find("OfficesimTest.Failing: "))
        << "LoadBehavior 2 is not loaded";
}

TEST_F(OfficesimRun, Outlook14FastShutdownUnlessTheAddInOrThePolicyAsksForTheUsualCalls) {
    {
        AddInEntry connect(L"Outlook", kConnect, 3);
        RunResult run = Officesim(L"--host outlook --version 14"); // the default session
        EXPECT_EQ(0u, run.ExitCode) << run.Output;
        EXPECT_TRUE(InOrder(
            run.Output,
            {
                "== switch-folder \"\\\\Personal Folders\\Sent Items\"",
                "== open-inspector mail \"New message\"",
                "OfficesimTest.Connect: GetCustomUI(\"Microsoft.Outlook.Mail.Compose\") -> document",
                "| <customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"",
                "ComposeButton.getLabel -> \"Label of ComposeButton\"",
                "== send",
                "\"New message\" sent (ItemSend): now in \\\\Personal Folders\\Sent Items; Inspector3 closed",
                "== quit-fast",
                "Outlook's fast shutdown: add-ins get no shutdown calls unless they ask for them",
                "OfficesimTest.Connect: no OnBeginShutdown, no OnDisconnection",
                "0 event connection(s) on the Application hear Quit",
                // Its button's Click sink is still advised: the add-in never heard of the end.
                "DllCanUnloadNow -> S_FALSE: objects of it are still alive",
                "DllCanUnloadNow -> S_OK once the host let go: the add-in had left event connections or "
                "objects with "
                "the host",
                "== result: no failures",
            }));
        EXPECT_EQ(std::string::npos, run.Output.find("OnBeginShutdown(custom)"));
        EXPECT_EQ(std::string::npos, run.Output.find("OnDisconnection("));
    }
    {
        AddInEntry connect(L"Outlook", kConnect, 3, true);
        ScriptFile script("quit-fast\n");
        RunResult run = Officesim(L"--host outlook --version 14", script);
        EXPECT_EQ(0u, run.ExitCode) << run.Output;
        EXPECT_TRUE(
            InOrder(run.Output,
                    {
                        "OfficesimTest.Connect: RequireShutdownNotification is 1, so it gets the usual calls",
                        "OfficesimTest.Connect: OnBeginShutdown(custom) -> S_OK",
                        "OfficesimTest.Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
                        "officesim_testaddin.dll: DllCanUnloadNow -> S_OK",
                    }));
    }
    {
        AddInEntry connect(L"Outlook", kConnect, 3);
        const std::wstring office14 = L"Software\\Microsoft\\Office\\14.0";
        TRegistry policy;
        policy.SetRootKey(HKEY_CURRENT_USER);
        bool existed = policy.KeyExists(office14);
        ASSERT_TRUE(policy.OpenKey(office14 + L"\\Outlook\\Options\\Shutdown", true));
        policy.WriteInteger(L"AddinFastShutdownBehavior", 1);
        ScriptFile script("quit-fast\n");
        RunResult run = Officesim(L"--host outlook --version 14", script);
        policy.DeleteValue(L"AddinFastShutdownBehavior");
        policy.CloseKey();
        if (!existed)
            policy.DeleteKey(office14);
        EXPECT_TRUE(InOrder(run.Output,
                            {
                                "Outlook's fast shutdown, but AddinFastShutdownBehavior is 1: every add-in "
                                "gets the usual calls",
                                "OfficesimTest.Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
                            }));
    }
}

TEST_F(OfficesimRun, Outlook11ShowsTheBarsTheAddInBuiltAndClicksThem) {
    AddInEntry connect(L"Outlook", kConnect, 3);
    ScriptFile script("click-bar \"Say hello\"\n"
                      "click-bar officesim.hello\n"
                      "open-inspector mail \"Lunch on Friday\"\n"
                      "switch-folder \"Sent Items\"\n"
                      "open-inspector mail \"Lunch on Friday\"\n");
    RunResult run = Officesim(L"--host outlook --version 11", script);
    EXPECT_EQ(0u, run.ExitCode) << run.Output;
    EXPECT_TRUE(
        InOrder(run.Output, {
                                "== officesim: Outlook 11.0.0.0 (officesim11.exe)",
                                "OfficesimTest.Connect: OnStartupComplete(custom) -> S_OK",
                                "command bars the add-ins built in Explorer1:",
                                "  bar \"OfficesimTest\" (top, visible, temporary)",
                                "    button \"Say hello\" tag \"officesim.hello\" temporary",
                                "== line 1: click-bar \"Say hello\"",
                                "click on button \"Say hello\" tag \"officesim.hello\" temporary",
                                "the button's own action ran",
                                "now: button \"Clicked 1 time\"",
                                "== line 2: click-bar officesim.hello",
                                "now: button \"Clicked 2 times\"",
                                "Inspector2 opened",
                                "no bars or controls of add-ins in the command bars of Inspector2",
                                "== line 4: switch-folder \"Sent Items\"",
                                "Explorer1 shows \\\\Personal Folders\\Sent Items",
                                "== line 5: open-inspector mail \"Lunch on Friday\"",
                                "Inspector2 shows it already: activated (Activate)",
                                "== quit",
                                "OfficesimTest.Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
                                "officesim_testaddin.dll: DllCanUnloadNow -> S_OK",
                            }));
    EXPECT_EQ(std::string::npos, run.Output.find("GetCustomUI")) << "Outlook 11 has no ribbon";
}

TEST_F(OfficesimRun, SelectTakesAnItemOfTheExplorersFolderAndTellsWhoHeardTheEvent) {
    AddInEntry connect(L"Outlook", kConnect, 3);
    ScriptFile script("select \"Lunch on Friday\"\n"
                      "switch-folder \"Sent Items\"\n"
                      "select \"Lunch on Friday\"\n");
    RunResult run = Officesim(L"--host outlook --version 11", script);
    EXPECT_EQ(2u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(run.Output,
                        {
                            "== line 1: select \"Lunch on Friday\"",
                            "Explorer1 selects \"Lunch on Friday\" (SelectionChange)",
                            // The test add-in listens to its own button only.
                            "SelectionChange heard by 0 event connection(s) on Explorer1",
                            "== line 3: select \"Lunch on Friday\"",
                            "SCRIPT ERROR: no item \"Lunch on Friday\" in \\\\Personal Folders\\Sent Items",
                        }));
}

TEST_F(OfficesimRun, WordRibbonThroughTheProgramOfItsVersion) {
    AddInEntry connect(L"Word", kConnect, 3);
    ScriptFile script("open-document \"C:\\Documents\\Letter.docx\"\n"
                      "click-ribbon HelloButton\n"
                      "close-document\n"
                      "quit\n");
    RunResult run = Officesim(L"--host word --version 12", script);
    EXPECT_EQ(0u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(
        run.Output,
        {
            "== officesim: Word 12.0.0.0 (officesim12.exe)",
            "Window1 opened: window of \"Document1\"",
            "OfficesimTest.Connect: OnConnection(Application, ext_cm_Startup, AddInInst, custom) -> S_OK",
            "OfficesimTest.Connect: GetCustomUI(\"Microsoft.Word.Document\") -> document",
            "OfficesimTest.Connect: OnStartupComplete(custom) -> S_OK",
            "ribbon callbacks in Window1 (Microsoft.Word.Document):",
            "HelloButton.getLabel -> \"Say hello\"",
            "Window2 opened: window of \"C:\\Documents\\Letter.docx\"",
            "ribbon callbacks in Window2 (Microsoft.Word.Document):",
            "== line 2: click-ribbon HelloButton",
            "click on HelloButton in Window2",
            // Office asks the invalidated control again in every window of the kind.
            "ribbon callbacks asked again in Window1:",
            "HelloButton.getLabel -> \"Clicked 1 time\"",
            "ribbon callbacks asked again in Window2:",
            "HelloButton.getLabel -> \"Clicked 1 time\"",
            "Window2 closed",
            "OfficesimTest.Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
            "== result: no failures",
        }));
    EXPECT_EQ(1u, Count(run.Output, "GetCustomUI(")) << "one kind of window, one document";
}

TEST_F(OfficesimRun, Outlook12RefusesADocumentInTheNewerNamespace) {
    AddInEntry connect(L"Outlook", kConnect, 3);
    ScriptFile script("open-inspector mail \"Draft\"\n");
    RunResult run = Officesim(L"--host outlook --version 12", script);
    EXPECT_EQ(1u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(
        run.Output, {
                        "command bars the add-ins built in Explorer1:", // Outlook 12's explorer has no ribbon
                        "a new mail \"Draft\" in \\\\Personal Folders\\Drafts",
                        "GetCustomUI(\"Microsoft.Outlook.Mail.Compose\") -> document",
                        "FAILED: OfficesimTest.Connect: Office refuses the document for "
                        "Microsoft.Outlook.Mail.Compose: Office 12 "
                        "does not know the namespace http://schemas.microsoft.com/office/2009/07/customui",
                        "== result: 1 failure(s)",
                    }));
    EXPECT_EQ(std::string::npos, run.Output.find("ComposeButton.getLabel"));
}

TEST_F(OfficesimRun, AnAddInThatFailsOnConnectionEndsTheRunNonZero) {
    AddInEntry failing(L"Outlook", kFailing, 3);
    AddInEntry connect(L"Outlook", kConnect, 3);
    ScriptFile script("quit\n");
    RunResult run = Officesim(L"--host outlook --version 11", script);
    EXPECT_EQ(1u, run.ExitCode) << run.Output;
    EXPECT_TRUE(
        InOrder(run.Output,
                {
                    "FAILED: OfficesimTest.Failing: OnConnection(Application, ext_cm_Startup, AddInInst, "
                    "custom) returned "
                    "0x80004005 (E_FAIL",
                    ": The test add-in refuses to connect",
                    "OfficesimTest.Failing: Office would release it and mark it unloaded (LoadBehavior 2)",
                    "OfficesimTest.Connect: OnStartupComplete(custom) -> S_OK",
                    "== result: 1 failure(s)",
                }));
    EXPECT_EQ(std::string::npos, run.Output.find("OfficesimTest.Failing: OnStartupComplete"));
}

TEST_F(OfficesimRun, AMachineWideAddInLoadsDespiteTheStateItKeepsInTheUsersKey) {
    // Add-ins keep state of their own in the user's key of their entry; that key registers nothing.
    const std::wstring path = AddInsKey(L"Word") + L"\\" + kConnect;
    TRegistry user, machine;
    user.SetRootKey(HKEY_CURRENT_USER);
    machine.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(user.OpenKey(path, true));
    user.WriteString(L"ZIDStartMode", L"NORMAL");
    ASSERT_TRUE(machine.OpenKey(path, true));
    machine.WriteInteger(L"LoadBehavior", 3);
    RunResult run = Officesim(L"--host word --version 11");
    user.DeleteKey(L"\\" + path);
    machine.DeleteKey(L"\\" + path);
    EXPECT_EQ(0u, run.ExitCode) << run.Output;
    EXPECT_TRUE(
        InOrder(run.Output, {"HKCU OfficesimTest.Connect: skipped, no LoadBehavior value",
                             "HKLM OfficesimTest.Connect, LoadBehavior 3 (load at start-up): to be loaded",
                             "OfficesimTest.Connect: OnConnection("}))
        << run.Output;
}

TEST_F(OfficesimRun, ACrashInsideAnAddInIsReportedWithItsPlace) {
    AddInEntry crashing(L"Word", kCrashing, 3);
    RunResult run = Officesim(L"--host word --version 11");
    EXPECT_EQ(3u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(
        run.Output,
        {
            "OfficesimTest.Crashing: OnConnection(Application, ext_cm_Startup, AddInInst, custom) -> S_OK",
            "CRASH: access violation at 0x",
            " in officesim_testaddin.dll during OnStartupComplete of OfficesimTest.Crashing",
            "officesim ends with exit code 3",
        }));
}

TEST_F(OfficesimRun, BadCommandLinesAndStepsEndWithExitCode2) {
    RunResult run = Officesim(L"--host excel");
    EXPECT_EQ(2u, run.ExitCode);
    EXPECT_TRUE(InOrder(run.Output, {"officesim: --host is outlook or word, not excel", "usage: officesim"}));

    ScriptFile wrongHost("new-document\nswitch-folder Inbox\n");
    run = Officesim(L"--host word", wrongHost);
    EXPECT_EQ(2u, run.ExitCode);
    EXPECT_NE(std::string::npos, run.Output.find(": line 2: switch-folder is a step for Outlook"))
        << run.Output;
    EXPECT_EQ(std::string::npos, run.Output.find("== start-up"))
        << "nothing starts for a script it cannot read";
    ScriptFile selectInWord("select \"Quarterly report\"\n");
    run = Officesim(L"--host word", selectInWord);
    EXPECT_EQ(2u, run.ExitCode);
    EXPECT_NE(std::string::npos, run.Output.find(": line 1: select is a step for Outlook")) << run.Output;

    AddInEntry connect(L"Outlook", kConnect, 3);
    ScriptFile impossible("close-inspector\nsend\n");
    run = Officesim(L"--host outlook --version 11", impossible);
    EXPECT_EQ(2u, run.ExitCode) << run.Output;
    EXPECT_TRUE(
        InOrder(run.Output, {
                                "== line 1: close-inspector",
                                "SCRIPT ERROR: no inspector is open",
                                "== shutdown after the script error",
                                "OfficesimTest.Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
                                "== result: the script could not be played to its end",
                            }));
    EXPECT_EQ(std::string::npos, run.Output.find("== line 2")) << "the script stops at the failed step";

    ScriptFile noRibbon("click-ribbon HelloButton\n");
    run = Officesim(L"--host outlook --version 11", noRibbon);
    EXPECT_EQ(2u, run.ExitCode);
    EXPECT_NE(std::string::npos,
              run.Output.find(
                  "SCRIPT ERROR: Explorer1 has no ribbon in Outlook 11; click-bar clicks its command bars"))
        << run.Output;
}

} // namespace
