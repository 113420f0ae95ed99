// Outlook 2010's fast shutdown: Outlook quits without begin-shutdown and disconnection, so the add-in
// tears itself down inside Outlook's Quit event, unless Outlook or the add-in's key asks for the
// shutdown notifications.
#include <stdexcept>

#include "CoreFixture.h"
#include "framework/core/DeferredFree.h"
#include "hostsim/OutlookHost.h"

using classlib::ComPtr;
using namespace framework;
using Events = std::vector<std::wstring>;

namespace coretest {
namespace {

const std::wstring kShutdownKey = L"Software\\Microsoft\\Office\\14.0\\Outlook\\Options\\Shutdown";

struct TMatrixCase {
    const char *Name;
    const wchar_t *Version;
    int FastShutdownBehavior;    // Outlook's value; -1: absent
    int RequireNotificationHKCU; // the add-in key's value under HKEY_CURRENT_USER; -1: absent
    int RequireNotificationHKLM; // the same under HKEY_LOCAL_MACHINE
    bool RegisterForAllUsers;
    bool Enabled;
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
                      TMatrixCase{"AllUsersReadsOnlyTheMachineKey", L"14.0.0.4760", -1, 1, -1, true, true},
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
