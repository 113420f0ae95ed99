// Hosts that fail: every IDTExtensibility2 method answers with an HRESULT (and IErrorInfo), the add-in
// can still be disconnected and freed, and nothing is left behind. Outlook 2010's fast shutdown:
// Outlook quits without begin-shutdown and disconnection, so the add-in tears itself down inside
// Outlook's Quit event, unless Outlook or the add-in's key asks for the shutdown notifications.
#include <stdexcept>

#include "CoreFixture.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/ModuleErrors.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/WordHost.h"
#include "tests/support/TraceRecorder.h"

#include <type_traits>

using classlib::ComPtr;
using namespace framework;
using Events = std::vector<std::wstring>;

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

// The host seldom shows what an add-in answers: the trace says which entry failed and why.
TEST_F(FaultInjectionTest, AFailedEntryIsTracedUnderItsName) {
    hostsim::OutlookHost host(L"14.0.0.4760");
    host.OpenExplorer(host.DefaultFolder(hostsim::ol::olFolderInbox));
    host.App().FailAlways(L"Explorers", E_ACCESSDENIED);
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ASSERT_EQ(Connect(addIn.Get(), host.Application()), S_OK);
    {
        testsupport::TTraceRecorder trace;
        EXPECT_EQ(StartupComplete(addIn.Get()), E_ACCESSDENIED);
        EXPECT_EQ(trace.Count({L"AddIn: OnStartupComplete: EOleSysError 0x80070005"}), 1)
            << testing::PrintToString(trace.Lines);
    }
    EXPECT_EQ(Disconnect(addIn.Get(), ext_dm_HostShutdown), S_OK);
}

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

const std::wstring kShutdownKey = L"Software\\Microsoft\\Office\\14.0\\Outlook\\Options\\Shutdown";

struct TMatrixCase {
    const char *Name;
    const wchar_t *Version;
    int FastShutdownBehavior;    // Outlook's value; -1: absent
    int RequireNotificationHKCU; // the add-in key's value under HKEY_CURRENT_USER; -1: absent
    int RequireNotificationHKLM; // the same under HKEY_LOCAL_MACHINE
    bool RegisterForAllUsers;
    bool Enabled;
    bool UserKeyRegisters = false; // the user's add-in key holds a LoadBehavior: a per-user registration
};

void PrintTo(const TMatrixCase &c, std::ostream *os) {
    *os << c.Name;
}

class FastShutdownMatrixTest : public CoreFixture, public ::testing::WithParamInterface<TMatrixCase> {};

TEST_P(FastShutdownMatrixTest, FastShutdownIsFollowedUnlessSomeoneAsksForNotifications) {
    const TMatrixCase &c = GetParam();
    const std::wstring key = AddInKey(ohaOutlook);
    if (c.FastShutdownBehavior >= 0)
        WriteDword(HKEY_CURRENT_USER, kShutdownKey, L"AddinFastShutdownBehavior", c.FastShutdownBehavior);
    if (c.RequireNotificationHKCU >= 0)
        WriteDword(HKEY_CURRENT_USER, key, L"RequireShutdownNotification", c.RequireNotificationHKCU);
    if (c.RequireNotificationHKLM >= 0)
        WriteDword(HKEY_LOCAL_MACHINE, key, L"RequireShutdownNotification", c.RequireNotificationHKLM);
    if (c.UserKeyRegisters)
        WriteDword(HKEY_CURRENT_USER, key, L"LoadBehavior", 3);
    CoreLog().Action = [&](TCoreModule &module, const std::wstring &event) {
        if (event == L"Initialize")
            module.SetRegisterForAllUsers(c.RegisterForAllUsers);
    };
    hostsim::OutlookHost host(c.Version);
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    EXPECT_EQ(ModuleOf(addIn)->FastShutdownEnabled(), c.Enabled);
    EXPECT_FALSE(ModuleOf(addIn)->HasAccessTimer()) << "Outlook has no use for Access's timer";
    CoreLog().Events.clear();

    host.Quit();
    if (c.Enabled) {
        EXPECT_EQ(ModuleOf(addIn), nullptr) << "Outlook's Quit did not tear the add-in down";
        Stop(addIn.Get()); // what a host that notifies anyway would do: nothing happens
        EXPECT_EQ(CoreLog().Events, (Events{L"OutlookQuit", L"Destroyed", L"OutlookEvents.Disconnect"}));
    } else {
        EXPECT_NE(ModuleOf(addIn), nullptr) << "the add-in went without its shutdown notifications";
        EXPECT_TRUE(CoreLog().Events.empty());
        Stop(addIn.Get());
        EXPECT_EQ(CoreLog().Events,
                  (Events{L"BeginShutdown", L"Finalize", L"Destroyed", L"OutlookEvents.Disconnect"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FastShutdownMatrixTest,
    ::testing::Values(TMatrixCase{"Outlook2010", L"14.0.0.4760", -1, -1, -1, false, true},
                      TMatrixCase{"Outlook2007Never", L"12.0.0.4518", -1, -1, -1, false, false},
                      TMatrixCase{"Outlook2003Never", L"11.0", 0, 0, 0, false, false},
                      TMatrixCase{"OutlookAsksForNotifications", L"14.0.0.4760", 1, -1, -1, false, false},
                      TMatrixCase{"OutlookAllowsFastShutdown", L"14.0.0.4760", 0, -1, -1, false, true},
                      TMatrixCase{"AddInAsksForNotifications", L"14.0.0.4760", -1, 1, -1, false, false},
                      TMatrixCase{"AddInKeyWithOtherValue", L"14.0.0.4760", -1, 2, -1, false, true},
                      TMatrixCase{"AllUsersAddInAsks", L"14.0.0.4760", -1, -1, 1, true, false},
                      TMatrixCase{"AllUsersReadsTheMachineKeyWhenTheUsersRegistersNothing", L"14.0.0.4760",
                                  -1, 1, -1, true, true},
                      TMatrixCase{"AllUsersRegisteredPerUserReadsTheUserKey", L"14.0.0.4760", -1, 1, -1, true,
                                  false, true},
                      TMatrixCase{"AllUsersRegisteredPerUserIgnoresTheMachineKey", L"14.0.0.4760", -1, -1, 1,
                                  true, true, true},
                      TMatrixCase{"PerUserReadsOnlyTheUserKey", L"14.0.0.4760", -1, -1, 1, false, true}),
    [](const ::testing::TestParamInfo<TMatrixCase> &info) { return std::string(info.param.Name); });

class FastShutdownTest : public CoreFixture {};

// Set while Outlook is inside Quit.
bool insideQuit = false;

// Learns when the component it watches is freed.
class TFreeObserver : public classlib::TComponent {
public:
    TFreeObserver() : TComponent(nullptr) {}
    bool Freed = false;
    bool FreedInsideQuit = false;

protected:
    void Notification(classlib::TComponent *component, classlib::TOperation operation) override {
        if (operation == classlib::TOperation::opRemove) {
            Freed = true;
            FreedInsideQuit = insideQuit;
        }
        TComponent::Notification(component, operation);
    }
};

// The application's own Quit handler on the Outlook wrapper, found there by the framework.
struct TQuitHandler : classlib::TObject {
    bool Fails = false;
    void Quit(classlib::TObject *) {
        CoreLog().Events.push_back(L"ApplicationQuit");
        if (Fails)
            throw classlib::Exception(L"ApplicationQuit failed");
    }
};

TEST_F(FastShutdownTest, QuitTearsDownWithoutTheModulesShutdownEventsAndAfterItsEventReturns) {
    TFreeObserver observer;
    TQuitHandler handler;
    CoreLog().Action = [&](TCoreModule &module, const std::wstring &event) {
        if (event != L"StartupComplete")
            return;
        observer.FreeNotification(module.OutlookApp());
        module.OutlookApp()->OnQuit = classlib::MakeEvent<&TQuitHandler::Quit>(&handler);
    };
    hostsim::OutlookHost host(L"14.0.0.4760");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    CoreLog().Events.clear();

    insideQuit = true;
    host.Quit();
    insideQuit = false;
    EXPECT_EQ(CoreLog().Events,
              (Events{L"ApplicationQuit", L"OutlookQuit", L"Destroyed", L"OutlookEvents.Disconnect"}));
    EXPECT_EQ(ModuleOf(addIn), nullptr);
    EXPECT_TRUE(Object(addIn).SuppressModuleEvents());
    EXPECT_FALSE(observer.FreedInsideQuit) << "the wrapper was freed while its Quit event ran";
    EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0) << "still advised";

    addIn.Reset();
    EXPECT_EQ(AddInCanUnloadNow(), S_OK);
    EXPECT_TRUE(observer.Freed) << "the quitting wrapper was never freed";
    EXPECT_FALSE(observer.FreedInsideQuit);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(FastShutdownTest, FailuresDuringQuitAreReportedAndTheTeardownGoesOn) {
    TQuitHandler handler;
    handler.Fails = true;
    CoreLog().Failing = {L"OutlookQuit"};
    CoreLog().Action = [&](TCoreModule &module, const std::wstring &event) {
        if (event == L"StartupComplete")
            module.OutlookApp()->OnQuit = classlib::MakeEvent<&TQuitHandler::Quit>(&handler);
    };
    hostsim::OutlookHost host(L"14.0.0.4760");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    CoreLog().Events.clear();

    host.Quit();
    EXPECT_EQ(CoreLog().Events,
              (Events{L"ApplicationQuit", L"Error:ApplicationQuit failed", L"OutlookQuit",
                      L"Error:OutlookQuit failed", L"Destroyed", L"OutlookEvents.Disconnect"}));
    EXPECT_EQ(ModuleOf(addIn), nullptr);
}

TEST_F(FastShutdownTest, TheQuitHandlerNeverLetsAnExceptionOut) {
    hostsim::OutlookHost host(L"14.0.0.4760");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    CoreLog().HandleErrors = false;
    CoreLog().Failing = {L"OutlookQuit:std"};
    // Called as Outlook's wrapper calls it; no message box can be shown either (the hook refuses).
    classlib::TMessageBoxHookScope refuse([](HWND, const std::wstring &, const std::wstring &, UINT) -> int {
        throw std::runtime_error("no display");
    });
    EXPECT_NO_THROW(Object(addIn).DoOutlookQuit(ModuleOf(addIn)->OutlookApp()));
    EXPECT_EQ(ModuleOf(addIn), nullptr);
    EXPECT_NO_THROW(Object(addIn).DoOutlookQuit(nullptr)) << "a second Quit finds nothing to do";
}

} // namespace
} // namespace coretest
