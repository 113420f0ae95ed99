// A whole Outlook 2003 session with each of its Office calls failing in turn: start-up, the explorer's
// bars placed at its first folder switch, an inspector opened and closed (the explorer's activation
// then binds every control again), a click and the end (the host's shutdown or the user's unload).
// The session is played once to count its calls, then once for each call with that call failing.
// Whatever fails, the add-in ends clean: every connection it made is taken back by the end of its
// disconnection, no host object is held or called afterwards, the library may unload, and the click
// runs its handler exactly once.
#include "WindowsFixture.h"
#include "WindowsTestServer.h"

#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "framework/commandbars/CommandBarButton.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/core/DeferredFree.h"
#include "framework/events/EventClasses.h"
#include "framework/events/OutlookEvents.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookFolders.h"

namespace ol = hostsim::ol;

namespace wintest {

int clicks = 0;

// The window tests' module with Outlook's application events and a handler on the mail bar's button.
class TSessionModule : public TWindowsModule {
    CLASSLIB_CLASS(TSessionModule)
public:
    using TWindowsModule::TWindowsModule;
    void AfterConstruction() override {
        TWindowsModule::AfterConstruction();
        classlib::Create<framework::TzidOutlookAppEvents>(this);
        auto *bar = dynamic_cast<framework::TzidCustomCommandBar *>(FindComponent(L"MailBar"));
        bar->Controls()->Items(0)->AsCommandBarButton()->OnClick =
            framework::TzidNotifyEvent(nullptr, [](classlib::TObject *, classlib::TObject *) { ++clicks; });
    }
};
CLASSLIB_DEFINE_CLASS(TSessionModule, TWindowsModule)

namespace {

framework::TzidFactory &SessionFactory() {
    WindowsFactory(); // the command-bar classes
    framework::RegisterHostEventClasses();
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TWindowsTestAddIn>(),
        CLSID_WindowsTestAddIn, TSessionModule::StaticClass(), L"WindowsTestAddIn", L"Window test add-in");
    return factory;
}

class SessionFaultTest : public OutlookWindowsTest, public testing::WithParamInterface<ext_DisconnectMode> {
protected:
    // One session with the Office call numbered FailAt failing (none: every call answers), and the
    // checks of its end.
    void Session(size_t FailAt, int ExpectedClicks = 1) {
        ResetLog();
        clicks = 0;
        outlook_ = std::make_unique<hostsim::OutlookHost>(L"11.0");
        hostsim::AttachCommandBars(*outlook_);
        explorer_ = outlook_->OpenExplorer(Folder(ol::olFolderInbox));
        hostsim::SimLog &log = outlook_->Log();
        log.Clear();
        log.FailCallNumber(FailAt, E_FAIL);

        ASSERT_EQ(SessionFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn_.PutVoid()),
                  S_OK);
        addIn_->OnConnection(outlook_->Application(), ext_cm_Startup, nullptr, &custom_);
        addIn_->OnStartupComplete(&custom_);
        outlook_->SwitchFolder(explorer_, Folder(ol::olFolderSentMail));
        outlook_->Close(OpenItem(ol::olMail, ol::olFolderInbox));
        if (hostsim::ControlRef zip = BarsOf(explorer_).Set().FindControl({.tag = L"testMailZip"}))
            BarsOf(explorer_).UserClick(zip);
        firstCallOfTheEnd_ = log.Calls().size();
        Stop(GetParam());

        calls_ = log.Calls();
        EXPECT_TRUE(outlook_->World().AdvisedSinks().empty())
            << testing::PrintToString(outlook_->World().AdvisedSinks());
        MSG message; // what waits for the message loop (deferred frees, timers)
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        EXPECT_EQ(log.Calls().size(), calls_.size()) << "a host call after the disconnection";
        EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK);
        outlook_.reset();
        EXPECT_EQ(hostsim::SimObject::LiveCount(), 0) << "a host object is still held";
        EXPECT_EQ(clicks, ExpectedClicks);
    }

    std::vector<hostsim::SimCall> calls_; // the last session's
    size_t firstCallOfTheEnd_ = 0;
};

// The calls up to the click are the same whichever way the session ends: the user's unload sweeps
// them, the host's shutdown only its own end.
TEST_P(SessionFaultTest, EachOfficeCallFailingLeavesNoConnectionNoHeldObjectAndOneClick) {
    Session(static_cast<size_t>(-1));
    ASSERT_EQ(Errors(), 0);
    const std::vector<hostsim::SimCall> calls = calls_;
    ASSERT_GT(calls.size(), 400u);
    for (size_t number = GetParam() == ext_dm_HostShutdown ? firstCallOfTheEnd_ : 0; number < calls.size();
         ++number) {
        SCOPED_TRACE(testing::Message()
                     << "call " << number << ": " << testing::PrintToString(calls[number].Text()));
        // Without the host's version the add-in cannot tell which of Outlook's interfaces to use: its
        // start-up stops there (Outlook hears the failure) and the session runs without its bars.
        Session(number, calls[number].member == L"Version" ? 0 : 1);
    }
    ResetLog(); // the failures' reports
}

INSTANTIATE_TEST_SUITE_P(ShutdownAndUnload, SessionFaultTest,
                         testing::Values(ext_dm_HostShutdown, ext_dm_UserClosed));

} // namespace
} // namespace wintest
