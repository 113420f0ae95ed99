// Keyboard shortcuts through the whole life cycle, as Outlook 2003 drives the add-in: the start-up
// builds a bar into the explorer and makes the hidden windows and the hook; a key stroke reaches the
// button's handler from the thread's message loop; the shutdown leaves no hook and no window.
//
// Wine without a display delivers no synthetic input (SendInput, keybd_event) to a thread hook, and
// a posted WM_KEYDOWN never passes through one: the system's call of the hook is played by calling
// the installed procedure with the keyboard state set.
#include "CoreFixture.h"

#include <array>

#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/NativeWindows.h"
#include "framework/commandbars/Shortcuts.h"
#include "framework/core/ProcessState.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"

using classlib::ComPtr;
using namespace framework;

namespace coretest {
namespace {

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
