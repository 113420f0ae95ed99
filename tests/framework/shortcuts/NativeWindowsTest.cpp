// The module's hidden windows: one window class per process, the answer to a log-off query, Office's
// colour broadcast against the user's Office settings (the fixture's scratch registry), and the
// process-wide module they name.
#include "CommandBarFixture.h"

#include "RegistryAccess.h"
#include "framework/shortcuts/NativeWindows.h"

using namespace framework;

namespace cbtest {
namespace {

class TSchemeListener : public classlib::TObject {
public:
    void Changed(classlib::TObject *Sender, TzidOfficeColorScheme Scheme) {
        Senders.push_back(Sender);
        Schemes.push_back(Scheme);
    }
    std::vector<classlib::TObject *> Senders;
    std::vector<TzidOfficeColorScheme> Schemes;
};

class NativeWindowsTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        module_->SetOfficeVersion(11);
        module_->OnOfficeColorSchemeChanged = classlib::MakeEvent<&TSchemeListener::Changed>(&schemes_);
        module_->MakeColorWindow();
    }
    TzidNativeColorWindow &ColorWindow(TzidCOMAddInModule &Module) {
        return *static_cast<TzidNativeColorWindow *>(Module.ColorWindow());
    }
    void Broadcast() {
        SendMessageW(ColorWindow(*module_).Handle(), ColorWindow(*module_).BroadcastMessage(), 0, 0);
    }
    static void WriteTheme(DWORD Value) {
        testsupport::WriteDword(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\11.0\\Common", L"Theme",
                                Value);
    }

    TSchemeListener schemes_;
};

TEST_F(NativeWindowsTest, TwoModulesShareTheClassesAndBothWindowsLetTheSessionEnd) {
    module_->SetHandleShortcuts(true);
    auto *other = new TCommandBarTestModule(nullptr);
    other->MakeColorWindow();
    other->SetHandleShortcuts(true);
    HWND mine = ColorWindow(*module_).Handle(), theirs = ColorWindow(*other).Handle();
    ASSERT_NE(mine, nullptr);
    ASSERT_NE(theirs, nullptr);
    EXPECT_EQ(GetClassLongW(mine, GCW_ATOM), GetClassLongW(theirs, GCW_ATOM));
    wchar_t name[64] = {};
    GetClassNameW(theirs, name, 64);
    EXPECT_STREQ(name, L"TzidNativeColorWindow");
    GetWindowTextW(theirs, name, 64);
    EXPECT_EQ(std::wstring(name).size(), 38u) << "a GUID in registry form: " << name;
    auto *shortcuts = static_cast<TzidNativeWindow *>(other->NativeWindow());
    GetClassNameW(shortcuts->Handle(), name, 64);
    EXPECT_STREQ(name, L"TzidNativeWindow");
    EXPECT_EQ(SendMessageW(shortcuts->Handle(), WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_EQ(SendMessageW(theirs, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 1);
    // Where the system refuses a hidden top-level window, a message-only one stands in.
    EXPECT_EQ(ColorWindow(*other).MessageOnly(), GetAncestor(theirs, GA_PARENT) != GetDesktopWindow());

    EXPECT_EQ(CurrentModule(), other) << "the module whose windows were made last";
    // The first module's colour window still reports to the first module.
    WriteTheme(1);
    Broadcast();
    EXPECT_EQ(schemes_.Senders, (std::vector<classlib::TObject *>{module_}));
    classlib::Free(other);
    EXPECT_EQ(CurrentModule(), module_) << "its last window is gone: the module whose windows are left";
}

int windowsAskedFor = 0;
LRESULT CALLBACK CountCreations(int Code, WPARAM wParam, LPARAM lParam) {
    windowsAskedFor += Code == HCBT_CREATEWND ? 1 : 0;
    return CallNextHookEx(nullptr, Code, wParam, lParam);
}

// The fixture's window was the process's first: where the system refused it a top-level window, the
// next hidden window is made message-only without asking again.
TEST_F(NativeWindowsTest, ARefusedTopLevelWindowIsNotAskedForAgain) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, &CountCreations, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    windowsAskedFor = 0;
    module_->SetHandleShortcuts(true);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(windowsAskedFor, 1);
    EXPECT_EQ(static_cast<TzidNativeWindowBase *>(module_->NativeWindow())->MessageOnly(),
              ColorWindow(*module_).MessageOnly());
}

TEST_F(NativeWindowsTest, TheBroadcastFiresOnceForEachChangedTheme) {
    WriteTheme(0x102); // only the low byte counts
    Broadcast();
    Broadcast();
    ASSERT_EQ(schemes_.Schemes, (std::vector<TzidOfficeColorScheme>{TzidOfficeColorScheme::Silver}));
    EXPECT_EQ(schemes_.Senders[0], module_);
    EXPECT_EQ(module_->ColorScheme(), TzidOfficeColorScheme::Silver);

    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\11.0\\Common");
    Broadcast();
    EXPECT_EQ(schemes_.Schemes.size(), 2u) << "without the key the event still fires";
    EXPECT_EQ(schemes_.Schemes[1], TzidOfficeColorScheme::Silver) << "with the stored scheme";

    // The colour window goes on hearing after the shortcuts are turned off.
    module_->SetHandleShortcuts(true);
    module_->SetHandleShortcuts(false);
    WriteTheme(3);
    Broadcast();
    EXPECT_EQ(schemes_.Schemes.back(), TzidOfficeColorScheme::Black);

    // A number that names none of Office's schemes is passed on as unknown.
    WriteTheme(4);
    Broadcast();
    EXPECT_EQ(schemes_.Schemes.back(), TzidOfficeColorScheme::Unknown);
    EXPECT_EQ(module_->ColorScheme(), TzidOfficeColorScheme::Unknown);
}

} // namespace
} // namespace cbtest
