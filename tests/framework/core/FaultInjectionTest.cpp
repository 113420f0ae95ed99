// Hosts that fail: every IDTExtensibility2 method answers with an HRESULT (and IErrorInfo), the add-in
// can still be disconnected and freed, and nothing is left behind.
#include "CoreFixture.h"
#include "framework/core/ModuleErrors.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/WordHost.h"
#include "tests/support/TraceRecorder.h"

#include <type_traits>

using classlib::ComPtr;
using namespace framework;

namespace coretest {
namespace {

class FaultInjectionTest : public CoreFixture {};

// A failing Outlook member ends start-up complete with that member's failure; the host can still
// disconnect the add-in, which then finalizes and frees everything.
class FailingOutlookMemberTest : public CoreFixture, public ::testing::WithParamInterface<const wchar_t *> {};

TEST_P(FailingOutlookMemberTest, StartupCompleteReportsTheFailureAndDisconnectionStillCleansUp) {
    hostsim::OutlookHost host(L"14.0.0.4760");
    host.OpenExplorer(host.DefaultFolder(hostsim::ol::olFolderInbox));
    host.App().FailAlways(GetParam(), E_ACCESSDENIED);
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ASSERT_EQ(Connect(addIn.Get(), host.Application()), S_OK);

    EXPECT_EQ(StartupComplete(addIn.Get()), E_ACCESSDENIED);
    EXPECT_FALSE(LastErrorDescription().empty());
    EXPECT_EQ(Disconnect(addIn.Get(), ext_dm_HostShutdown), S_OK);
    EXPECT_EQ(ModuleOf(addIn), nullptr);
    EXPECT_TRUE(CoreLog().Contains(L"Finalize"));
    EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
}

INSTANTIATE_TEST_SUITE_P(Members, FailingOutlookMemberTest,
                         ::testing::Values(L"Version", L"Explorers", L"Inspectors", L"ActiveInspector",
                                           L"GetNamespace"));

TEST_F(FaultInjectionTest, CommandBarsThatCannotBeReadAreNoFailure) {
    hostsim::OutlookHost host(L"11.0");
    host.OpenExplorer(host.DefaultFolder(hostsim::ol::olFolderInbox));
    host.App().FailAlways(L"ActiveWindow", E_FAIL);
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    EXPECT_FALSE(ModuleOf(addIn)->CommandBars());
    EXPECT_EQ(host.Log().Count(L"Application", L"ActiveWindow"), 1)
        << "an open explorer has command bars to ask for";
    Stop(addIn.Get());
}

TEST_F(FaultInjectionTest, AFailingCOMAddInEntryFailsTheConnectionAndLeavesNothingBehind) {
    hostsim::OutlookHost host(L"11.0");
    auto *entry =
        host.World().Create<hostsim::ComAddInObject>(L"TessaryCoreTest.CoreTestAddIn", L"", L"Core test");
    entry->FailAlways(L"Object", E_FAIL);
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    EXPECT_EQ(Connect(addIn.Get(), host.Application(), ext_cm_AfterStartup, static_cast<COMAddIn *>(entry)),
              E_FAIL);
    // Office releases an add-in whose connection failed, without disconnecting it.
    addIn.Reset();
    EXPECT_EQ(CoreLog().ModulesAlive, 0);
}

TEST_F(FaultInjectionTest, AModuleThatCannotBeCreatedFailsTheConnection) {
    hostsim::OutlookHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn(BrokenFactory());
    HRESULT hr = Connect(addIn.Get(), host.Application());
    EXPECT_TRUE(FAILED(hr));
    EXPECT_NE(LastErrorDescription().find(L"The SupportedApps property cannot be empty."), std::wstring::npos)
        << LastErrorDescription();
    // Without a module the other calls have nothing to do.
    EXPECT_EQ(StartupComplete(addIn.Get()), S_OK);
    EXPECT_EQ(BeginShutdown(addIn.Get()), S_OK);
    EXPECT_EQ(Disconnect(addIn.Get(), ext_dm_UserClosed), S_OK);
}

// The framework's codes are no HRESULTs; at the boundary each becomes a failure that keeps the code.
TEST_F(FaultInjectionTest, FrameworkErrorCodesNeverReadAsSuccess) {
    static_assert(!std::is_convertible_v<TzidErrorCode, HRESULT>);
    for (TzidErrorCode code : {zidErrEmptyProperty, zidErrRegistrationCanceled, zidErrTooManyItems}) {
        EXPECT_TRUE(FAILED(ZidErrorHResult(code)));
        EXPECT_EQ(HRESULT_CODE(ZidErrorHResult(code)), static_cast<int>(code));
    }
}

// A Word document whose window cannot be read gets no task panes; the start-up traces it and goes on
// with the next document.
TEST_F(FaultInjectionTest, AWordDocumentWithoutAWindowIsTracedAndTheNextStillWalked) {
    hostsim::WordHost host(L"14.0");
    hostsim::SimWordDocument *first = host.NewDocument();
    host.NewDocument();
    first->FailAlways(L"ActiveWindow", E_ACCESSDENIED);
    auto *factory = host.World().Create<hostsim::TaskPaneFactory>(nullptr, nullptr);
    testsupport::TTraceRecorder trace;
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ASSERT_EQ(Connect(addIn.Get(), host.Application()), S_OK);
    ASSERT_EQ(addIn.As<ICustomTaskPaneConsumer>()->CTPFactoryAvailable(factory), S_OK);
    host.Log().Clear();
    EXPECT_EQ(StartupComplete(addIn.Get()), S_OK);
    EXPECT_EQ(trace.Count({L"Startup: The window of Word's document 1", L"0x80070005"}), 1)
        << testing::PrintToString(trace.Lines);
    std::vector<std::wstring> windowReads;
    for (const hostsim::SimCall &call : host.Log().Calls())
        if (call.member == L"ActiveWindow")
            windowReads.push_back(call.object);
    EXPECT_EQ(windowReads, (std::vector<std::wstring>{L"Application", L"Document1", L"Document2"}));
    Stop(addIn.Get());
}

TEST_F(FaultInjectionTest, CallsOutOfOrderAreHarmless) {
    hostsim::OutlookHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    EXPECT_EQ(StartupComplete(addIn.Get()), S_OK);
    EXPECT_EQ(BeginShutdown(addIn.Get()), S_OK);
    EXPECT_EQ(Disconnect(addIn.Get(), ext_dm_HostShutdown), S_OK);
    EXPECT_EQ(addIn->OnAddInsUpdate(&custom_), S_OK);
    EXPECT_TRUE(CoreLog().Events.empty());

    // Connected twice without a disconnection in between: the first module goes quietly.
    ASSERT_EQ(Connect(addIn.Get(), host.Application(), ext_cm_AfterStartup), S_OK);
    ASSERT_EQ(Connect(addIn.Get(), host.Application(), ext_cm_AfterStartup), S_OK);
    EXPECT_EQ(CoreLog().ModulesAlive, 1);
    Stop(addIn.Get());
}

TEST_F(FaultInjectionTest, ShutdownSettingsOfTheWrongTypeAreNotTakenForAYes) {
    WriteString(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\14.0\\Outlook\\Options\\Shutdown",
                L"AddinFastShutdownBehavior", L"1");
    WriteString(HKEY_CURRENT_USER, AddInKey(ohaOutlook), L"RequireShutdownNotification", L"1");
    hostsim::OutlookHost host(L"14.0.0.4760");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    EXPECT_TRUE(ModuleOf(addIn)->FastShutdownEnabled());
    Stop(addIn.Get());
}

} // namespace
} // namespace coretest
