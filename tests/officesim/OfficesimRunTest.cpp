// officesim as a developer runs it: a process of its own that finds the test add-in (registered
// with regsvr32) in the prefix's registry, loads it the way Office does and plays a script. The
// checks read what the add-in was asked and answered (its documents, callbacks, bars, calls) and the
// exit code, not how the transcript words the rest.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "AddInTranscripts.h"
#include "RegisteredServer.h"
#include "RegistryAccess.h"
#include "WineProcess.h"

using testsupport::DosPath;
using testsupport::InOrder;
using testsupport::TAddInEntry;
using RunResult = testsupport::TRunResult;
using ScriptFile = testsupport::TTempFile;

namespace {

const wchar_t kConnect[] = L"OfficesimTest.Connect";
const wchar_t kFailing[] = L"OfficesimTest.Failing";
const wchar_t kCrashing[] = L"OfficesimTest.Crashing";
const wchar_t kOffice14[] = L"Software\\Microsoft\\Office\\14.0";

const wchar_t kName[] = L"officesim test add-in";

std::wstring EntryKey(const std::wstring &host, const std::wstring &progId) {
    return L"Software\\Microsoft\\Office\\" + host + L"\\Addins\\" + progId;
}

size_t Count(const std::string &output, const std::string &piece) {
    size_t count = 0;
    for (size_t at = output.find(piece); at != std::string::npos; at = output.find(piece, at + 1))
        ++count;
    return count;
}

bool Has(const std::string &output, const std::string &piece) {
    return output.find(piece) != std::string::npos;
}

constexpr char kTestAddInDll[] = TEST_ADDIN_DLL;

// Every entry of the test add-ins, the user's and the machine's, and the shutdown policy go in the
// tear-down whatever the test did: a Word add-in left behind would load in every later Word run.
class OfficesimRun : public testsupport::TRegisteredServerTest<kTestAddInDll> {
protected:
    void SetUp() override {
        office14Existed_ = testsupport::KeyExists(HKEY_CURRENT_USER, kOffice14);
        RemoveEntries();
        TRegisteredServerTest::SetUp();
    }
    void TearDown() override {
        RemoveEntries();
        if (!office14Existed_)
            RegDeleteTreeW(HKEY_CURRENT_USER, kOffice14);
    }
    static void RemoveEntries() {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
            for (const wchar_t *host : {L"Outlook", L"Word"})
                for (const wchar_t *progId : {kConnect, kFailing, kCrashing})
                    RegDeleteTreeW(root, EntryKey(host, progId).c_str());
        RegDeleteKeyValueW(HKEY_CURRENT_USER,
                           (std::wstring(kOffice14) + L"\\Outlook\\Options\\Shutdown").c_str(),
                           L"AddinFastShutdownBehavior");
    }

    static RunResult Officesim(const std::wstring &arguments) {
        return testsupport::RunProgram(L"\"" + DosPath(OFFICESIM_EXE) + L"\" " + arguments);
    }
    static RunResult Officesim(const std::wstring &arguments, const std::string &script) {
        ScriptFile file(script);
        return Officesim(arguments + L" --script \"" + file.Path() + L"\"");
    }

private:
    bool office14Existed_ = false;
};

TEST_F(OfficesimRun, Outlook14LoadsTheRibbonPerWindowKindAndShutsDownTheUsualWay) {
    TAddInEntry connect(L"Outlook", kConnect, 3, kName);
    TAddInEntry dormant(L"Outlook", kFailing, 2, kName);
    RunResult run = Officesim(L"--host outlook --version 14", "click-ribbon HelloButton\n"
                                                              "click-ribbon Toggle\n"
                                                              "click-ribbon MenuFirst\n"
                                                              "open-inspector mail \"Quarterly report\"\n"
                                                              "click-ribbon ReadButton\n"
                                                              "close-inspector\n"
                                                              "quit\n");
    EXPECT_EQ(0u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(run.Output, {
                                        "Connect: OnConnection(",
                                        "GetCustomUI(\"Microsoft.Outlook.Explorer\") -> document",
                                        "customUI.onLoad(RibbonUI)",
                                        "Connect: OnStartupComplete(custom) -> S_OK",
                                        "HelloButton.getLabel -> \"Say hello\"",
                                        "Toggle.getPressed -> False",
                                        "Colours.getItemLabel[2] -> \"Blue\"",
                                        "HelloButton.onAction",
                                        "HelloButton.getLabel -> \"Clicked 1 time\"",
                                        "Toggle.onAction(pressed True)",
                                        "MenuFirst.getLabel -> \"Clicked 2 times\"",
                                        "GetCustomUI(\"Microsoft.Outlook.Mail.Read\") -> document",
                                        "ReadButton.getLabel -> \"About Quarterly report\"",
                                        "ReadButton.onAction",
                                        "Connect: OnBeginShutdown(custom) -> S_OK",
                                        "Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
                                        "DllCanUnloadNow -> S_OK",
                                    }));
    EXPECT_EQ(1u, Count(run.Output, "GetCustomUI(\"Microsoft.Outlook.Explorer\")")) << "asked once per kind";
    EXPECT_FALSE(Has(run.Output, "OfficesimTest.Failing: ")) << "LoadBehavior 2 is not loaded";
}

// Outlook 2010's fast shutdown makes no shutdown calls, unless the add-in's key or the user's policy
// asks for them.
TEST_F(OfficesimRun, Outlook14FastShutdownUnlessTheAddInOrThePolicyAsksForTheUsualCalls) {
    {
        TAddInEntry connect(L"Outlook", kConnect, 3, kName);
        RunResult run = Officesim(L"--host outlook --version 14"); // the default session
        EXPECT_EQ(0u, run.ExitCode) << run.Output;
        // Its button's Click sink is still advised: the add-in never heard of the end.
        EXPECT_TRUE(InOrder(run.Output, {"GetCustomUI(\"Microsoft.Outlook.Mail.Compose\") -> document",
                                         "ComposeButton.getLabel", "DllCanUnloadNow -> S_FALSE",
                                         "DllCanUnloadNow -> S_OK"}));
        EXPECT_FALSE(Has(run.Output, "OnBeginShutdown(") || Has(run.Output, "OnDisconnection("));
    }
    {
        TAddInEntry connect(L"Outlook", kConnect, 3, kName, true);
        RunResult run = Officesim(L"--host outlook --version 14", "quit-fast\n");
        EXPECT_TRUE(InOrder(run.Output, {"Connect: OnBeginShutdown(custom) -> S_OK",
                                         "Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK",
                                         "DllCanUnloadNow -> S_OK"}));
    }
    TAddInEntry connect(L"Outlook", kConnect, 3, kName);
    testsupport::WriteDword(HKEY_CURRENT_USER, std::wstring(kOffice14) + L"\\Outlook\\Options\\Shutdown",
                            L"AddinFastShutdownBehavior", 1);
    RunResult run = Officesim(L"--host outlook --version 14", "quit-fast\n");
    EXPECT_TRUE(Has(run.Output, "Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK"))
        << run.Output;
}

TEST_F(OfficesimRun, Outlook11ShowsTheBarsTheAddInBuiltAndClicksThem) {
    TAddInEntry connect(L"Outlook", kConnect, 3, kName);
    RunResult run = Officesim(L"--host outlook --version 11", "click-bar \"Say hello\"\n"
                                                              "click-bar officesim.hello\n"
                                                              "open-inspector mail \"Lunch on Friday\"\n");
    EXPECT_EQ(0u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(run.Output, {"bar \"OfficesimTest\" (top, visible, temporary)",
                                     "button \"Say hello\" tag \"officesim.hello\" temporary",
                                     "button \"Clicked 1 time\"", "button \"Clicked 2 times\"",
                                     "no bars or controls of add-ins in the command bars of Inspector2",
                                     "Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK"}));
    EXPECT_FALSE(Has(run.Output, "GetCustomUI")) << "Outlook 11 has no ribbon";
}

TEST_F(OfficesimRun, WordAsksTheInvalidatedControlAgainInEveryWindowOfItsKind) {
    TAddInEntry connect(L"Word", kConnect, 3, kName);
    RunResult run = Officesim(L"--host word --version 12", "open-document \"C:\\Documents\\Letter.docx\"\n"
                                                           "click-ribbon HelloButton\n"
                                                           "quit\n");
    EXPECT_EQ(0u, run.ExitCode) << run.Output;
    EXPECT_TRUE(
        InOrder(run.Output, {"GetCustomUI(\"Microsoft.Word.Document\") -> document",
                             "HelloButton.getLabel -> \"Say hello\"", "click on HelloButton in Window2",
                             "Window1:", "HelloButton.getLabel -> \"Clicked 1 time\"",
                             "Window2:", "HelloButton.getLabel -> \"Clicked 1 time\"",
                             "Connect: OnDisconnection(ext_dm_HostShutdown, custom) -> S_OK"}));
    EXPECT_EQ(1u, Count(run.Output, "GetCustomUI(")) << "one kind of window, one document";
}

// What goes wrong ends the run with its exit code: 1 for a document Office would refuse or a call the
// add-in failed, 3 for a crash inside it.
TEST_F(OfficesimRun, ARefusedDocumentAFailedConnectionAndACrashEndTheRunNonZero) {
    {
        TAddInEntry connect(L"Outlook", kConnect, 3, kName);
        RunResult run = Officesim(L"--host outlook --version 12", "open-inspector mail \"Draft\"\n");
        EXPECT_EQ(1u, run.ExitCode) << run.Output;
        EXPECT_TRUE(InOrder(run.Output, {"GetCustomUI(\"Microsoft.Outlook.Mail.Compose\") -> document",
                                         "FAILED: OfficesimTest.Connect: Office refuses the document"}));
        EXPECT_FALSE(Has(run.Output, "ComposeButton.getLabel")) << "a refused document has no callbacks";
    }
    {
        TAddInEntry failing(L"Outlook", kFailing, 3, kName);
        TAddInEntry connect(L"Outlook", kConnect, 3, kName);
        RunResult run = Officesim(L"--host outlook --version 11", "quit\n");
        EXPECT_EQ(1u, run.ExitCode) << run.Output;
        EXPECT_TRUE(InOrder(run.Output, {"FAILED: OfficesimTest.Failing: OnConnection(", "0x80004005",
                                         "The test add-in refuses to connect",
                                         "Connect: OnStartupComplete(custom) -> S_OK"}));
        EXPECT_FALSE(Has(run.Output, "Failing: OnStartupComplete")) << "a refused connection goes no further";
    }
    TAddInEntry crashing(L"Word", kCrashing, 3, kName);
    RunResult run = Officesim(L"--host word --version 11");
    EXPECT_EQ(3u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(run.Output,
                        {"CRASH: access violation", "during OnStartupComplete of OfficesimTest.Crashing"}));
}

// Add-ins keep state of their own in the user's key of their entry; that key registers nothing.
TEST_F(OfficesimRun, AMachineWideAddInLoadsDespiteTheStateItKeepsInTheUsersKey) {
    testsupport::WriteString(HKEY_CURRENT_USER, EntryKey(L"Word", kConnect), L"ZIDStartMode", L"NORMAL");
    testsupport::WriteDword(HKEY_LOCAL_MACHINE, EntryKey(L"Word", kConnect), L"LoadBehavior", 3);
    RunResult run = Officesim(L"--host word --version 11");
    EXPECT_EQ(0u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(run.Output, {"HKLM OfficesimTest.Connect", "Connect: OnConnection("}));
}

// A bad command line, or a step the host cannot do, ends the run with exit code 2 before anything more.
TEST_F(OfficesimRun, BadCommandLinesAndStepsEndWithExitCode2) {
    RunResult run = Officesim(L"--host excel");
    EXPECT_EQ(2u, run.ExitCode) << run.Output;
    run = Officesim(L"--host word", "new-document\nswitch-folder Inbox\n");
    EXPECT_EQ(2u, run.ExitCode) << run.Output;
    EXPECT_FALSE(Has(run.Output, "== start-up")) << "nothing starts for a script it cannot read";

    TAddInEntry connect(L"Outlook", kConnect, 3, kName);
    for (const char *script : {"close-inspector\nsend\n", "click-ribbon HelloButton\n"}) {
        run = Officesim(L"--host outlook --version 11", script);
        EXPECT_EQ(2u, run.ExitCode) << run.Output;
        EXPECT_TRUE(InOrder(run.Output, {"SCRIPT ERROR", "Connect: OnDisconnection(ext_dm_HostShutdown"}));
        EXPECT_FALSE(Has(run.Output, "== line 2")) << "the script stops at the failed step";
    }
    // A select takes an item of the explorer's folder only.
    run = Officesim(L"--host outlook --version 11",
                    "select \"Lunch on Friday\"\nswitch-folder \"Sent Items\"\nselect \"Lunch on Friday\"\n");
    EXPECT_EQ(2u, run.ExitCode) << run.Output;
    EXPECT_TRUE(InOrder(run.Output, {"(SelectionChange)", "== line 3", "SCRIPT ERROR"}));
    EXPECT_EQ(1u, Count(run.Output, "SCRIPT ERROR"));
}

} // namespace
