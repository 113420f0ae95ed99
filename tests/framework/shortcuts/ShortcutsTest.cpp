// The keyboard shortcuts: the hook procedure driven as the system calls it (keyboard state set, no
// synthetic input), the posted click pumped from the thread's queue, with the simulated Outlook's
// windows deciding which bars count.
#include "CommandBarFixture.h"

#include "framework/core/ProcessState.h"
#include "framework/shortcuts/NativeWindows.h"
#include "framework/shortcuts/Shortcuts.h"
#include "hostsim/OutlookFolders.h"

using namespace framework;
namespace ol = hostsim::ol;

namespace cbtest {
namespace {

constexpr WORD kCtrl = 1, kShift = 2, kAlt = 4;

// Records what OnKeyDown received.
class TKeyListener : public classlib::TObject {
public:
    void KeyDown(classlib::TObject *Sender, TzidKeyDownEventArgs &Args) {
        Senders.push_back(Sender);
        Keys.push_back(Args);
        Args.Handled = Handle;
        if (Fail)
            throw classlib::Exception(L"the key handler failed");
    }
    std::vector<classlib::TObject *> Senders;
    std::vector<TzidKeyDownEventArgs> Keys;
    bool Handle = false;
    bool Fail = false;
};

int nextHookCalls = 0;
LRESULT WINAPI CountingNextHook(HHOOK, int, WPARAM, LPARAM) {
    ++nextHookCalls;
    return 77;
}

class ShortcutsTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        ReadForm(
            L"object Bar1: TzidCommandBar CommandBarName = 'Tessary' SupportedApps = [ohaOutlook]\n"
            L"  ButtonTypes = " +
            Kinds({0, 0, 0, 4}) +
            L" Buttons = <\n"
            L"  item Caption = 'Senden' OfficeTag = 'send' ShortcutText = 'ctrl+shift+z' OnClick = "
            L"ButtonClick end\n"
            L"  item Caption = '&Abrufen' OfficeTag = 'fetch' OnClick = ButtonClick end\n"
            L"  item Caption = 'Falsch' OfficeTag = 'wrong' ShortcutText = 'Shift+Ctrl+Y' OnClick = "
            L"ButtonClick end\n"
            L"  item Caption = 'Menu' OfficeTag = 'menu' ButtonTypes = " +
            Kinds({0}) +
            L"\n    Buttons = < item Caption = '&Quer' OfficeTag = 'inner' ShortcutText = 'F5'\n"
            L"      OnClick = ButtonClick end > end > end\n"
            L"object Explorer1: TzidOlExplorerCommandBar CommandBarName = 'Mail' ButtonTypes = " +
            Kinds({0}) +
            L"\n  Buttons = < item Caption = 'Post' OfficeTag = 'mail' ShortcutText = 'Ctrl+M' OnClick = "
            L"ButtonClick end > end\n"
            L"object Inspector1: TzidOlInspectorCommandBar CommandBarName = 'Kontakt' ItemTypes = "
            L"[zidOLContact]\n  ButtonTypes = " +
            Kinds({0}) +
            L" Buttons = < item Caption = 'Karte' OfficeTag = 'card' ShortcutText = 'Ctrl+K' OnClick = "
            L"ButtonClick end > end\n");
        bar_ = static_cast<TzidCustomCommandBar *>(module_->FindComponent(L"Bar1"));
        office_ = AddOfficeBar(L"Tessary");
        bar_->SetCommandBarInterface(BarObject(office_));
        for (int i = 0; i < 3; ++i)
            Bind(*Button(i),
                 AddOfficeControl(office_, hostsim::msoControl::Button, Button(i)->StoredOfficeTag()));
        popup_ = AddOfficeControl(office_, hostsim::msoControl::Popup, L"menu");
        Bind(Inner(), AddOfficeControl(popup_->subBar, hostsim::msoControl::Button, L"inner"));
        hostsim::BarRef mail = AddOfficeBar(L"Mail");
        Bind(*OwnButton(L"Explorer1"), AddOfficeControl(mail, hostsim::msoControl::Button, L"mail"));
        hostsim::BarRef card = AddOfficeBar(L"Kontakt");
        Bind(*OwnButton(L"Inspector1"), AddOfficeControl(card, hostsim::msoControl::Button, L"card"));
        module_->OnKeyDown = classlib::MakeEvent<&TKeyListener::KeyDown>(&keys_);
        module_->SetHandleShortcuts(true);
        explorer_ = outlook_->OpenExplorer(Folder(ol::olFolderInbox));
    }
    void TearDown() override {
        CallNextKeyboardHook = &CallNextHookEx;
        Press(0, 0, 0, false); // every key up again
        CommandBarTest::TearDown();
        EXPECT_EQ(KeyboardHook, nullptr) << "the module's destruction removes the hook";
        EXPECT_EQ(CurrentModule(), nullptr) << "no hidden window is left for a freed module";
    }

    void Bind(TzidCommandBarControl &Control, const hostsim::ControlRef &Office) {
        Office->props.caption = Control.StoredCaption();
        Control.BindOfficeControl(ControlObject(Office));
    }
    TzidCommandBarButton *Button(int Index) { return bar_->Controls()->Items(Index)->AsCommandBarButton(); }
    TzidCommandBarButton &Inner() {
        return *bar_->Controls()->Items(3)->AsCommandBarPopup()->Controls()->Items(0)->AsCommandBarButton();
    }
    TzidCommandBarButton *OwnButton(const wchar_t *Bar) {
        auto *bar = static_cast<TzidCustomCommandBar *>(module_->FindComponent(Bar));
        return bar->Controls()->Items(0)->AsCommandBarButton();
    }
    hostsim::SimOutlookFolder *Folder(ol::DefaultFolder Which) { return outlook_->DefaultFolder(Which); }

    // The hook as the system calls it for a key going down (Flags: repeat and release bits), with the
    // modifiers held; then the thread's queue is pumped so that a posted click runs.
    LRESULT Press(WORD Key, WORD Modifiers = 0, DWORD Flags = 0, bool Pump = true) {
        BYTE state[256] = {};
        auto hold = [&](int Generic, int Left) { state[Generic] = state[Left] = 0x80; };
        if (Modifiers & kCtrl)
            hold(VK_CONTROL, VK_LCONTROL);
        if (Modifiers & kShift)
            hold(VK_SHIFT, VK_RSHIFT);
        if (Modifiers & kAlt)
            hold(VK_MENU, VK_LMENU);
        SetKeyboardState(state);
        LPARAM flags = static_cast<LPARAM>(1 | (MapVirtualKeyW(Key, MAPVK_VK_TO_VSC) << 16) | Flags);
        LRESULT result = KeyboardHookProc(HC_ACTION, Key, flags);
        if (Pump)
            PumpMessages();
        return result;
    }
    static void PumpMessages() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    std::vector<std::wstring> Clicks() {
        std::vector<std::wstring> clicks;
        for (const std::wstring &entry : Lines(L"Click:"))
            clicks.push_back(entry.substr(6));
        module_->Log.clear();
        return clicks;
    }
    using Names = std::vector<std::wstring>;

    TKeyListener keys_;
    TzidCustomCommandBar *bar_ = nullptr;
    hostsim::BarRef office_;
    hostsim::ControlRef popup_;
    hostsim::SimOutlookExplorer *explorer_ = nullptr;
};

TEST_F(ShortcutsTest, KeyNamesFollowTheFixedOrderAndTheGermanNames) {
    EXPECT_EQ(FormatShortcut(true, true, true, 'Z'), L"Ctrl+Shift+Alt+Z");
    EXPECT_EQ(FormatShortcut(false, false, false, VK_NUMPAD7), L"7");
    EXPECT_EQ(FormatShortcut(false, true, false, VK_F24), L"Shift+F24");
    EXPECT_EQ(FormatShortcut(true, false, false, VK_BACK), L"Ctrl+R\u00fcck");
    EXPECT_EQ(FormatShortcut(false, false, false, VK_HOME), L"Pos1");
    EXPECT_EQ(FormatShortcut(false, false, false, VK_DELETE), L"Entf");
    EXPECT_EQ(UpperCaseAZ(L"ctrl+r\u00fcck"), L"CTRL+R\u00fcCK") << "only a to z change";
}

TEST_F(ShortcutsTest, TheTextMatchesInAnyCaseButOnlyInTheFixedModifierOrder) {
    EXPECT_EQ(Press('Z', kCtrl), 0);
    EXPECT_TRUE(Clicks().empty()) << "Ctrl+Z is not Ctrl+Shift+Z";
    EXPECT_EQ(Press('Z', kCtrl | kShift), 1) << "a matched key does not reach the window";
    EXPECT_EQ(Clicks(), Names{L"Senden"}) << "the text was written in lower case";
    EXPECT_EQ(Press('Y', kCtrl | kShift), 0);
    EXPECT_TRUE(Clicks().empty()) << "Shift+Ctrl+Y never matches";
    EXPECT_EQ(keys_.Keys.size(), 2u) << "unmatched keys go to OnKeyDown";
    EXPECT_EQ(keys_.Senders[0], nullptr);
    EXPECT_TRUE(keys_.Keys[1].Ctrl && keys_.Keys[1].Shift && !keys_.Keys[1].Alt);
    EXPECT_EQ(keys_.Keys[1].VirtualKey, static_cast<DWORD>('Y'));

    EXPECT_EQ(Press('Z', kCtrl | kShift, 0x40000000), 0) << "a repeat of a held key";
    EXPECT_EQ(Press('Z', kCtrl | kShift, 0xC0000000), 0) << "a release";
    EXPECT_EQ(keys_.Keys.size(), 2u) << "repeats and releases reach no OnKeyDown either";
    EXPECT_EQ(Press(VK_CONTROL, kCtrl), 0);
    EXPECT_TRUE(Clicks().empty());
    EXPECT_EQ(keys_.Keys.size(), 3u) << "a lone modifier is offered to OnKeyDown";
}

TEST_F(ShortcutsTest, CaptionAcceleratorsNeedAUsableBarAndNeverFireInsideAPopup) {
    EXPECT_EQ(Press('A', kAlt), 1);
    EXPECT_EQ(Clicks(), Names{L"&Abrufen"});
    Set().SetBarVisible(office_, false);
    EXPECT_EQ(Press('A', kAlt), 1) << "the key is taken before the bar is looked at";
    EXPECT_TRUE(Clicks().empty()) << "a hidden bar's accelerator";
    Set().SetBarVisible(office_, true);
    ModelOf(*Button(1))->props.visible = false;
    Press('A', kAlt);
    EXPECT_TRUE(Clicks().empty()) << "a hidden button's accelerator";

    Press('Q', kAlt);
    EXPECT_TRUE(Clicks().empty()) << "an accelerator inside a popup";
    Press(VK_F5);
    EXPECT_EQ(Clicks(), Names{L"&Quer"}) << "the same button's own text fires";
}

TEST_F(ShortcutsTest, AnOfficeButtonThatIsDisabledOrRefusesItsStateIsNotClicked) {
    ModelOf(*Button(0))->props.enabled = false;
    EXPECT_EQ(Press('Z', kCtrl | kShift), 1);
    EXPECT_TRUE(Clicks().empty());
    ModelOf(*Button(0))->props.enabled = true;
    Sim(ModelOf(*Button(0))).FailNext(L"Enabled", E_FAIL);
    Press('Z', kCtrl | kShift);
    EXPECT_TRUE(module_->Log.empty()) << "dropped without a click or an error";
    module_->FailHandlers = true;
    Press('Z', kCtrl | kShift);
    EXPECT_EQ(module_->Log, (Names{L"Click:Senden", L"Error:the handler failed"}));
}

TEST_F(ShortcutsTest, OutlooksActiveWindowDecidesWhichBarsCount) {
    Press('M', kCtrl);
    EXPECT_EQ(Clicks(), Names{L"Post"}) << "a mail bar in the Inbox";
    outlook_->SwitchFolder(explorer_, Folder(ol::olFolderContacts));
    EXPECT_EQ(Press('M', kCtrl), 0);
    EXPECT_TRUE(Clicks().empty()) << "a mail bar in a contacts folder";
    Press('Z', kCtrl | kShift);
    EXPECT_EQ(Clicks(), Names{L"Senden"}) << "a plain bar stays active";
    bar_->SetEnabled(false);
    Press('Z', kCtrl | kShift);
    EXPECT_TRUE(Clicks().empty()) << "unless it is disabled";
    bar_->SetEnabled(true);

    hostsim::SimOutlookItem *contact =
        outlook_->AddItem(Folder(ol::olFolderContacts), ol::olContact, L"Meier");
    hostsim::SimOutlookInspector *inspector = outlook_->OpenInspector(contact);
    Press('Z', kCtrl | kShift);
    Press('K', kCtrl);
    EXPECT_EQ(Clicks(), Names{L"Karte"}) << "an inspector counts only the inspector bars for its item";
    outlook_->Close(inspector);
    outlook_->Close(explorer_);
    keys_.Keys.clear();
    EXPECT_EQ(Press('Z', kCtrl | kShift), 0);
    EXPECT_TRUE(Clicks().empty());
    EXPECT_EQ(keys_.Keys.size(), 1u) << "with no active window the key goes to OnKeyDown";
}

// Outside Outlook no window decides: every bar meant for the host counts, enabled or not (a caption's
// accelerator still needs its bar usable in Office), and Outlook's own bars never do.
TEST_F(ShortcutsTest, InWordEveryBarMeantForWordCountsWhateverItsEnabled) {
    module_->SetHostType(ohaWord);
    bar_->SetSupportedApps(TzidHostAppSet{ohaWord, ohaOutlook});
    bar_->SetEnabled(false);
    Press('Z', kCtrl | kShift);
    EXPECT_EQ(Clicks(), Names{L"Senden"}) << "a disabled bar's shortcut";
    Press('A', kAlt);
    EXPECT_TRUE(Clicks().empty()) << "a caption's accelerator on a disabled bar";
    Press('M', kCtrl);
    Press('K', kCtrl);
    EXPECT_TRUE(Clicks().empty()) << "the explorer's and the inspector's bars are Outlook's";

    bar_->SetEnabled(true);
    bar_->SetSupportedApps(TzidHostAppSet{ohaOutlook});
    EXPECT_EQ(Press('Z', kCtrl | kShift), 0);
    EXPECT_TRUE(Clicks().empty()) << "a bar not meant for Word";
}

TEST_F(ShortcutsTest, OnKeyDownMaySwallowTheKeyAndEveryPathCallsTheNextHook) {
    CallNextKeyboardHook = &CountingNextHook;
    nextHookCalls = 0;
    EXPECT_EQ(Press('X'), 77);
    keys_.Handle = true;
    EXPECT_EQ(Press('X'), 1) << "handled: swallowed";
    EXPECT_EQ(Press('Z', kCtrl | kShift), 1);
    keys_.Fail = true;
    EXPECT_EQ(Press('X'), 77) << "a failure inside the hook lets the key go on";
    EXPECT_EQ(KeyboardHookProc(-1, 'X', 1), 77);
    EXPECT_EQ(nextHookCalls, 5) << "the next hook hears every key stroke";
}

TEST_F(ShortcutsTest, AClickNamesTheButtonMatchedEvenAfterTheListWasRebuilt) {
    // Two key strokes before the queue is pumped: the second rebuilds the list for an inspector.
    EXPECT_EQ(Press('Z', kCtrl | kShift, 0, false), 1);
    hostsim::SimOutlookItem *contact =
        outlook_->AddItem(Folder(ol::olFolderContacts), ol::olContact, L"Meier");
    outlook_->OpenInspector(contact);
    Press('X', 0, 0, false);
    ASSERT_EQ(module_->ShortcutList()->Count(), 1);
    PumpMessages();
    EXPECT_EQ(Clicks(), Names{L"Senden"});

    // A button freed before its click arrives is not clicked.
    outlook_->Close(outlook_->ActiveInspector());
    EXPECT_EQ(Press('Z', kCtrl | kShift, 0, false), 1);
    delete Button(0);
    PumpMessages();
    EXPECT_TRUE(Clicks().empty());
    EXPECT_EQ(static_cast<TzidNativeWindow *>(module_->NativeWindow())->PendingShortcuts(), 0u);
}

// Another module of the process (a registration step's) comes and goes: the hook stays.
TEST_F(ShortcutsTest, OneHookForTwoTruesNoneAfterFalseAndAnotherModuleLeavesIt) {
    HHOOK hook = KeyboardHook;
    classlib::TComponent *window = module_->NativeWindow();
    ASSERT_NE(hook, nullptr);
    auto *other = new TCommandBarTestModule(nullptr);
    other->SetHandleShortcuts(false);
    classlib::Free(other);
    EXPECT_EQ(KeyboardHook, hook);
    EXPECT_EQ(Press('Z', kCtrl | kShift), 1) << "the shortcut still clicks";
    EXPECT_EQ(Clicks(), Names{L"Senden"});
    module_->SetHandleShortcuts(true);
    EXPECT_EQ(KeyboardHook, hook);
    EXPECT_EQ(module_->NativeWindow(), window);
    module_->MakeColorWindow();
    module_->SetHandleShortcuts(false);
    EXPECT_EQ(KeyboardHook, nullptr);
    EXPECT_EQ(module_->NativeWindow(), nullptr);
    EXPECT_EQ(CurrentModule(), module_) << "the colour window still names the module";
    EXPECT_EQ(Press('Z', kCtrl | kShift), 0);
    EXPECT_TRUE(Clicks().empty());
    EXPECT_EQ(keys_.Keys.size(), 1u) << "without the window, keys still reach OnKeyDown";
}

} // namespace
} // namespace cbtest
