// The add-in object's life cycle as an Office host drives it: connection in each mode, start-up
// complete once, begin-shutdown, disconnection by the host or the user, each application event under
// its own guard; and keyboard shortcuts through the whole of it in Outlook 2003.
#include <array>

#include "CoreFixture.h"
#include "CoreTestServer.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/ProcessState.h"
#include "framework/shortcuts/NativeWindows.h"
#include "framework/shortcuts/Shortcuts.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"

using classlib::ComPtr;
using namespace framework;
using Events = std::vector<std::wstring>;

namespace coretest {
namespace {

class LifecycleTest : public CoreFixture {};

TEST_F(LifecycleTest, ConnectedAtHostStartupNothingHappensUntilStartupCompleteWhichComesOnce) {
    hostsim::OutlookHost host(L"14.0.0.4760");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ASSERT_EQ(Connect(addIn.Get(), host.Application(), ext_cm_Startup), S_OK);

    framework::TzidCOMAddInModule *module = ModuleOf(addIn);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->AddIn(), &Object(addIn));
    EXPECT_EQ(module->Factory(), &CoreFactory());
    EXPECT_EQ(module->HostApp().ToDispatch().Get(), host.Application());
    EXPECT_TRUE(CoreLog().Events.empty());
    EXPECT_EQ(host.Log().Count(L"", L"Version"), 0) << "the host was used before start-up complete";

    ASSERT_EQ(StartupComplete(addIn.Get()), S_OK);
    EXPECT_EQ(CoreLog().Events,
              (Events{L"OutlookEvents.ConnectToVersion(14)", L"Initialize", L"StartupComplete"}));

    const size_t hostCalls = host.Log().Calls().size();
    ASSERT_EQ(StartupComplete(addIn.Get()), S_OK);
    EXPECT_EQ(CoreLog().Count(L"Initialize"), 1);
    EXPECT_EQ(CoreLog().Count(L"StartupComplete"), 1);
    EXPECT_EQ(host.Log().Calls().size(), hostCalls) << "the host was asked again";
    EXPECT_EQ(ModuleOf(addIn)->ConnectCount(), 2);
    Stop(addIn.Get());
}

class ConnectModeTest : public CoreFixture, public ::testing::WithParamInterface<int> {};

TEST_P(ConnectModeTest, ConnectedLaterStartsAtOnceAndIgnoresTheHostsStartupComplete) {
    hostsim::OutlookHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ASSERT_EQ(Connect(addIn.Get(), host.Application(), GetParam()), S_OK);
    EXPECT_EQ(CoreLog().Events,
              (Events{L"OutlookEvents.ConnectToVersion(11)", L"Initialize", L"StartupComplete"}));

    ASSERT_EQ(StartupComplete(addIn.Get()), S_OK);
    EXPECT_EQ(CoreLog().Count(L"Initialize"), 1);
    EXPECT_EQ(CoreLog().Count(L"StartupComplete"), 1);
    EXPECT_EQ(host.Log().Count(L"Application", L"Version"), 1);
    Stop(addIn.Get());
}

INSTANTIATE_TEST_SUITE_P(Modes, ConnectModeTest,
                         ::testing::Values(ext_cm_AfterStartup, ext_cm_External, ext_cm_CommandLine));

// Begin-shutdown, then finalize, then the module is freed and Outlook no longer advised. The records
// of built bars and controls belong to the add-in's key: a host shutdown keeps them for the next
// start, a user unload forgets them.
TEST_F(LifecycleTest, ShutdownAndUnloadFreeTheModuleAndOnlyTheUnloadRemovesTheBarRecords) {
    const std::wstring key = AddInKey(ohaOutlook);
    for (int removeMode : {ext_dm_HostShutdown, ext_dm_UserClosed}) {
        SCOPED_TRACE(removeMode);
        CreateKey(HKEY_CURRENT_USER, key + L"\\CommandBars");
        WriteDword(HKEY_CURRENT_USER, key + L"\\Controls", L"Tessary.Reply", 3);
        hostsim::OutlookHost host(L"11.0");
        ComPtr<IDTExtensibility2> addIn = Started(host.Application());
        CoreLog().Events.clear();
        const bool unload = removeMode == ext_dm_UserClosed;
        if (!unload) {
            ASSERT_EQ(BeginShutdown(addIn.Get()), S_OK);
            EXPECT_EQ(CoreLog().Events, (Events{L"BeginShutdown"}));
        }

        ASSERT_EQ(Disconnect(addIn.Get(), removeMode), S_OK);
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, key + L"\\CommandBars"), !unload);
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, key + L"\\Controls"), !unload);
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key)) << "the add-in key itself stays";
        // The user's unload runs begin-shutdown itself; the host's shutdown had it called before.
        EXPECT_EQ(CoreLog().Events,
                  (Events{L"BeginShutdown", L"Finalize", L"Destroyed", L"OutlookEvents.Disconnect"}));
        EXPECT_EQ(ModuleOf(addIn), nullptr);
        EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0)
            << "still advised on Outlook";
    }
}

TEST_F(LifecycleTest, EachApplicationEventHasItsOwnGuard) {
    CoreLog().Failing = {L"Initialize", L"StartupComplete", L"BeginShutdown", L"Finalize"};
    hostsim::OutlookHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    Stop(addIn.Get());

    EXPECT_EQ(CoreLog().Events,
              (Events{L"OutlookEvents.ConnectToVersion(11)", L"Initialize", L"Error:Initialize failed",
                      L"StartupComplete", L"Error:StartupComplete failed", L"BeginShutdown",
                      L"Error:BeginShutdown failed", L"Finalize", L"Error:Finalize failed", L"Destroyed",
                      L"OutlookEvents.Disconnect"}));
    EXPECT_TRUE(messages_.empty()) << "OnError handled every one";
    // The sequence went on after the failing handlers: the first start was recorded.
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, AddInKey(ohaOutlook), L"ZIDStartMode"), L"NORMAL");
}

// Without OnError the user sees the failure with the add-in's name; whatever a handler throws reaches
// the module's error handling.
TEST_F(LifecycleTest, AnUnhandledErrorIsShownWithTheAddInsNameAndAnythingThrownIsReported) {
    CoreLog().Failing = {L"Initialize", L"StartupComplete:std"};
    CoreLog().HandleErrors = false;
    hostsim::OutlookHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());

    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[0].Text, L"Core Test error: the add-in has fired an exception.\r\nInitialize failed");
    EXPECT_EQ(messages_[0].Caption, L"Error");
    EXPECT_EQ(messages_[0].Flags & (MB_ICONMASK | MB_TYPEMASK), UINT(MB_ICONERROR | MB_OK));
    EXPECT_TRUE(CoreLog().Contains(L"Error:not a class-library exception"));
    Stop(addIn.Get());
}

TEST_F(LifecycleTest, TheAddInHandsItselfToItsCOMAddInEntryIfThereIsOne) {
    hostsim::OutlookHost host(L"11.0");
    auto *entry =
        host.World().Create<hostsim::ComAddInObject>(L"TessaryCoreTest.CoreTestAddIn", L"", L"Core test");
    for (COMAddIn *given : {static_cast<COMAddIn *>(entry), static_cast<COMAddIn *>(nullptr)}) {
        ComPtr<IDTExtensibility2> addIn = Started(host.Application(), given);
        EXPECT_EQ(ModuleOf(addIn)->COMAddIn().Get(), given);
        if (given) {
            ComPtr<IUnknown> handedOver = ComPtr<IDispatch>::Copy(entry->AddInObject()).TryAs<IUnknown>();
            EXPECT_EQ(handedOver, addIn.TryAs<IUnknown>());
        }
        Stop(addIn.Get());
    }
    host.World().Shutdown(); // the entry lets go of the add-in object
}

TEST_F(LifecycleTest, AHostThatLetsGoWithoutDisconnectingLeavesNothingBehind) {
    hostsim::OutlookHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_FALSE);
    CoreLog().Events.clear();

    addIn.Reset();
    EXPECT_EQ(CoreLog().Events, (Events{L"Destroyed", L"OutlookEvents.Disconnect"}))
        << "no finalize without a host";
    EXPECT_EQ(host.App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK);
}

TEST_F(LifecycleTest, TheApplicationsDualInterfaceIsTheObjectsDispatchInterface) {
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ComPtr<ICoreTestAddIn> dual = addIn.TryAs<ICoreTestAddIn>();
    ASSERT_TRUE(dual);
    EXPECT_EQ(dual.TryAs<IUnknown>(), addIn.TryAs<IUnknown>());

    ComPtr<ISupportErrorInfo> errors = addIn.TryAs<ISupportErrorInfo>();
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(__uuidof(IDTExtensibility2)), S_OK);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_ICoreTestAddIn), S_OK);
}

TEST_F(LifecycleTest, ThePrivateInterfaceReachesTheModuleUnchanged) {
    struct TReceiver : classlib::TObject {
        LONG code = 0;
        VARIANT *data = nullptr;
        void Call(LONG c, VARIANT *d) { code = c, data = d; }
    } receiver;
    hostsim::OutlookHost host(L"11.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ComPtr<framework::IzidAddInPrivate> channel = addIn.TryAs<framework::IzidAddInPrivate>();
    ASSERT_TRUE(channel);
    EXPECT_EQ(channel->ModuleCall(7, nullptr), S_OK) << "no module yet: nothing to do";

    ASSERT_EQ(Connect(addIn.Get(), host.Application()), S_OK);
    ModuleOf(addIn)->OnPrivateInterfaceCall = classlib::MakeEvent<&TReceiver::Call>(&receiver);
    VARIANT value;
    VariantInit(&value);
    EXPECT_EQ(channel->ModuleCall(42, &value), S_OK);
    EXPECT_EQ(receiver.code, 42);
    EXPECT_EQ(receiver.data, &value);
    ASSERT_EQ(Disconnect(addIn.Get(), ext_dm_HostShutdown), S_OK);
}

// Keyboard shortcuts through the whole life cycle, as Outlook 2003 drives the add-in: the start-up
// builds a bar into the explorer and makes the hidden windows and the hook; a key stroke reaches the
// button's handler from the thread's message loop; the shutdown leaves no hook and no window.
//
// Wine without a display delivers no synthetic input (SendInput, keybd_event) to a thread hook, and
// a posted WM_KEYDOWN never passes through one: the system's call of the hook is played by calling
// the installed procedure with the keyboard state set.
class TClickCounter : public classlib::TObject {
public:
    void Click(classlib::TObject *Sender) { Senders.push_back(Sender); }
    std::vector<classlib::TObject *> Senders;
};

class ShortcutStartupTest : public CoreFixture {
protected:
    static std::wstring WindowName(TzidCOMAddInModule &Module) {
        wchar_t name[64] = {};
        GetWindowTextW(static_cast<TzidNativeWindow *>(Module.NativeWindow())->Handle(), name, 64);
        return name;
    }
};

TEST_F(ShortcutStartupTest, AShortcutPressedInOutlook2003ReachesTheButtonsHandler) {
    hostsim::OutlookHost host(L"11.0");
    std::shared_ptr<hostsim::CommandBarHost> bars = hostsim::AttachCommandBars(host);
    host.OpenExplorer(host.DefaultFolder(hostsim::ol::olFolderInbox));
    TClickCounter clicks;
    TzidCommandBarButton *button = nullptr;
    std::wstring setterWindow; // the name (a new GUID) of the window the setter made
    CoreLog().Action = [&](TCoreModule &module, const std::wstring &event) {
        if (event != L"Initialize")
            return;
        module.SetHandleShortcuts(true);
        setterWindow = WindowName(module);
        auto *bar = new TzidCommandBar(&module);
        bar->SetCommandBarName(L"Tessary");
        bar->SetSupportedApps({ohaOutlook});
        button = bar->Controls()->CreateItem(cctButton)->AsCommandBarButton();
        button->SetCaption(L"Zippen");
        button->SetShortcutText(L"Ctrl+Shift+Z");
        button->OnClick = classlib::MakeEvent<&TClickCounter::Click>(&clicks);
    };
    ComPtr<IDTExtensibility2> addIn = Started(host.Application());
    TzidCOMAddInModule *module = ModuleOf(addIn);
    ASSERT_NE(module, nullptr);
    ASSERT_NE(KeyboardHook, nullptr) << "the start-up installs the hook";
    ASSERT_NE(module->NativeWindow(), nullptr);
    EXPECT_NE(WindowName(*module), setterWindow) << "the start-up makes the window anew";
    ASSERT_NE(module->ColorWindow(), nullptr);
    EXPECT_EQ(CurrentModule(), module);
    ASSERT_TRUE(button->ButtonInterface()) << "the start-up built the button into the explorer";

    BYTE state[256] = {};
    state[VK_CONTROL] = state[VK_LCONTROL] = state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    SetKeyboardState(state);
    EXPECT_EQ(KeyboardHookProc(HC_ACTION, 'Z', 0x002C0001), 1);
    EXPECT_TRUE(clicks.Senders.empty()) << "the click waits for the message loop";
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_EQ(clicks.Senders, (std::vector<classlib::TObject *>{button}));
    SetKeyboardState(std::array<BYTE, 256>{}.data());

    Stop(addIn.Get());
    EXPECT_EQ(KeyboardHook, nullptr);
    EXPECT_EQ(CurrentModule(), nullptr);
    for (const std::wstring &event : CoreLog().Events)
        EXPECT_NE(event.rfind(L"Error:", 0), 0u) << event;
}

} // namespace
} // namespace coretest
