// Hidden windows, timers, the application exception handler and the message-box hook. No test may
// ever show a real dialog: every one of them runs with a recording hook installed.
#include "classlib/Application.h"
#include "classlib/Classes.h"
#include "classlib/HiddenWindow.h"
#include "classlib/MessageDialogs.h"
#include "classlib/Timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace classlib;

namespace {

struct BoxCall {
    HWND owner;
    std::wstring text, caption;
    UINT flags;
};

// Records every message box and answers `answer`; also catches what reaches the exception handler.
class WindowsTest : public ::testing::Test {
protected:
    std::vector<BoxCall> boxes;
    int answer = IDOK;
    TMessageBoxHookScope boxHook{
        [this](HWND owner, const std::wstring &text, const std::wstring &caption, UINT flags) {
            boxes.push_back({owner, text, caption, flags});
            return answer;
        }};
};

// Pumps this thread's messages until done() or the deadline; false on timeout.
template <class Done> bool PumpUntil(Done done, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

// Waits, without dispatching anything, until a WM_TIMER of this thread is due; false after five
// seconds.
bool TimerDue() {
    const DWORD start = GetTickCount();
    MSG msg;
    while (!PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE)) {
        if (GetTickCount() - start > 5000)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_TIMER);
    }
    return true;
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

std::wstring Caught(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const Exception &x) {
        return x.Message();
    } catch (...) {
        return L"<other>";
    }
}

class TTickCounter : public TComponent {
    CLASSLIB_CLASS(TTickCounter)
public:
    using TComponent::TComponent;
    int Ticks = 0;
    bool Throw = false;
    TTimer *FreeOnTick = nullptr;
    void Tick(TObject *) {
        ++Ticks;
        if (FreeOnTick)
            delete std::exchange(FreeOnTick, nullptr);
        if (Throw)
            throw EInvalidOperation(L"tick failed");
    }
};
CLASSLIB_DEFINE_CLASS(TTickCounter, TComponent, b.Method<&TTickCounter::Tick>(L"Tick"))

} // namespace

TEST_F(WindowsTest, HiddenWindowGetsPostedAndSentMessages) {
    std::vector<UINT> seen;
    HWND handle = nullptr;
    {
        THiddenWindow window([&](UINT message, WPARAM w, LPARAM l) -> LRESULT {
            if (message >= WM_APP) {
                seen.push_back(message);
                return static_cast<LRESULT>(w + l);
            }
            return DefWindowProcW(handle, message, w, l);
        });
        handle = window.Handle();
        ASSERT_NE(handle, nullptr);
        EXPECT_NE(GetAncestor(handle, GA_PARENT), GetDesktopWindow()); // a message-only window
        ASSERT_TRUE(PostMessageW(handle, WM_APP + 1, 0, 0));
        EXPECT_TRUE(PumpUntil([&] { return !seen.empty(); }));
        EXPECT_EQ(SendMessageW(handle, WM_APP + 2, 40, 2), 42);
        EXPECT_EQ(seen, (std::vector<UINT>{WM_APP + 1, WM_APP + 2}));
    }
    EXPECT_FALSE(IsWindow(handle));
    DeallocateHWnd(handle); // already gone: nothing happens
    HWND other =
        CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    DeallocateHWnd(other); // not one of the hidden windows: left alone
    EXPECT_TRUE(IsWindow(other));
    DestroyWindow(other);
}

// Globals, not captures: they must be readable after the closure could have been freed.
bool methodFreed = false, freedDuringCall = false;
struct FreedFlag {
    ~FreedFlag() { methodFreed = true; }
};

TEST_F(WindowsTest, WindowReleasedInsideItsOwnMethodOutlivesTheCall) {
    methodFreed = freedDuringCall = false;
    std::unique_ptr<THiddenWindow> window;
    window = std::make_unique<THiddenWindow>(
        [&window, flag = std::make_shared<FreedFlag>()](UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message != WM_APP)
                return 0;
            window.reset();
            freedDuringCall = methodFreed;
            return 7;
        });
    HWND handle = window->Handle();
    EXPECT_EQ(SendMessageW(handle, WM_APP, 0, 0), 7);
    EXPECT_EQ(window, nullptr);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(freedDuringCall);
    EXPECT_TRUE(methodFreed); // but freed once it returned
}

TEST_F(WindowsTest, ExceptionInAWindowMethodGoesToTheHandlerNotTheSystem) {
    std::vector<std::wstring> reported;
    {
        TExceptionHandlerScope scope([&](std::exception_ptr e) { reported.push_back(Caught(e)); });
        THiddenWindow window([](UINT message, WPARAM, LPARAM) -> LRESULT {
            if (message == WM_APP)
                throw EInvalidOperation(L"boom");
            return 0;
        });
        SendMessageW(window.Handle(), WM_APP, 0, 0);
        EXPECT_EQ(reported, std::vector<std::wstring>{L"boom"});
        EXPECT_TRUE(boxes.empty());
    }
    // The default handler shows the message in an error box owned by the application window.
    HWND app = reinterpret_cast<HWND>(0x1234);
    SetApplicationHandle(app);
    THiddenWindow window([](UINT message, WPARAM, LPARAM) -> LRESULT {
        if (message == WM_APP)
            throw EInvalidOperation(L"shown");
        if (message == WM_APP + 1)
            throw 42; // not an Exception at all
        return 0;
    });
    SendMessageW(window.Handle(), WM_APP, 0, 0);
    SendMessageW(window.Handle(), WM_APP + 1, 0, 0);
    SetApplicationHandle(nullptr);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, L"shown");
    EXPECT_EQ(boxes[0].owner, app);
    EXPECT_EQ(boxes[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(boxes[0].caption, ApplicationTitle());
    EXPECT_EQ(boxes[1].text, L"Unknown exception");

    // A handler that itself throws is contained too.
    TExceptionHandlerScope failing([](std::exception_ptr) { throw EInvalidOperation(L"handler broken"); });
    EXPECT_EQ(SendMessageW(window.Handle(), WM_APP, 0, 0), 0);
}

TEST_F(WindowsTest, TimerFiresWhileMessagesArePumpedAndStopsWhenDisabled) {
    std::unique_ptr<TTickCounter> owner(Create<TTickCounter>(nullptr));
    TTimer *timer = Create<TTimer>(owner.get());
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 1000);
    timer->SetEnabled(false);
    // Published so that a form can set it up, handler bound by name.
    const TClassInfo &cls = timer->ClassType();
    cls.FindProperty(L"Interval")->Set(timer, TPropValue{int64_t(20)});
    const TMethodEntry *tick = owner->ClassType().FindMethod(L"Tick");
    ASSERT_NE(tick, nullptr);
    cls.FindProperty(L"OnTimer")
        ->Set(timer, TPropValue{TMethodValue{owner.get(), tick->Code, tick->Signature}});
    EXPECT_EQ(timer->Interval(), 20);

    PumpFor(100);
    EXPECT_EQ(owner->Ticks, 0); // disabled
    cls.FindProperty(L"Enabled")->Set(timer, TPropValue{true});
    EXPECT_TRUE(PumpUntil([&] { return owner->Ticks >= 3; }));
    timer->SetEnabled(false);
    const int ticks = owner->Ticks;
    PumpFor(150);
    EXPECT_EQ(owner->Ticks, ticks);

    timer->SetEnabled(true);
    timer->SetInterval(0); // a zero interval stops it as well
    PumpFor(150);
    EXPECT_EQ(owner->Ticks, ticks);
    EXPECT_THROW(timer->SetInterval(-1), EInvalidOperation);
    EXPECT_EQ(timer->Interval(), 0);
}

TEST_F(WindowsTest, ExceptionInOnTimerReachesTheHandlerAndTheTimerGoesOn) {
    std::vector<std::wstring> reported;
    TExceptionHandlerScope scope([&](std::exception_ptr e) { reported.push_back(Caught(e)); });
    std::unique_ptr<TTickCounter> owner(Create<TTickCounter>(nullptr));
    owner->Throw = true;
    TTimer *timer = Create<TTimer>(owner.get());
    timer->SetInterval(10);
    timer->OnTimer = MakeEvent<&TTickCounter::Tick>(owner.get());
    EXPECT_TRUE(PumpUntil([&] { return owner->Ticks >= 2; }));
    ASSERT_GE(reported.size(), 2u);
    EXPECT_EQ(reported[0], L"tick failed");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(WindowsTest, TimerFreedByItsOwnHandlerOrItsOwnerStopsCleanly) {
    std::unique_ptr<TTickCounter> owner(Create<TTickCounter>(nullptr));
    TTimer *timer = Create<TTimer>(owner.get());
    timer->SetInterval(10);
    timer->OnTimer = MakeEvent<&TTickCounter::Tick>(owner.get());
    owner->FreeOnTick = timer;
    EXPECT_TRUE(PumpUntil([&] { return owner->Ticks >= 1; }));
    PumpFor(100);
    EXPECT_EQ(owner->Ticks, 1);
    EXPECT_EQ(owner->ComponentCount(), 0);

    // A running timer dies with its owner; nothing arrives for it afterwards.
    auto *second = Create<TTickCounter>(nullptr);
    TTimer *running = Create<TTimer>(second);
    running->SetInterval(5);
    running->OnTimer = MakeEvent<&TTickCounter::Tick>(owner.get());
    ASSERT_TRUE(TimerDue()) << "the running timer never became due";
    delete second;
    PumpFor(100);
    EXPECT_EQ(owner->Ticks, 1);
}

TEST_F(WindowsTest, MessageDialogsMapTypesAndButtonsAndReturnTheAnswer) {
    HWND app = reinterpret_cast<HWND>(0x5678);
    SetApplicationHandle(app);
    answer = IDNO;
    EXPECT_EQ(MessageDlg(L"Save?", mtConfirmation, {mbYes, mbNo, mbCancel}, 0), mrNo);
    answer = IDRETRY;
    EXPECT_EQ(MessageDlgCaption(L"My caption", L"Again?", mtWarning, {mbRetry, mbCancel}, 0), mrRetry);
    answer = IDOK;
    ShowMessage(L"Hello");
    SetApplicationHandle(nullptr);

    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, L"Save?");
    EXPECT_EQ(boxes[0].caption, L"Confirm");
    EXPECT_EQ(boxes[0].flags, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(boxes[0].owner, app);
    EXPECT_EQ(boxes[1].caption, L"My caption");
    EXPECT_EQ(boxes[1].flags, static_cast<UINT>(MB_RETRYCANCEL | MB_ICONWARNING));
    EXPECT_EQ(boxes[2].text, L"Hello");
    EXPECT_EQ(boxes[2].flags, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes[2].owner, app);
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring name = wcsrchr(exe, L'\\') + 1;
    EXPECT_EQ(boxes[2].caption, name.substr(0, name.rfind(L'.')));

    struct Case {
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        UINT flags;
        const wchar_t *caption;
    } cases[] = {
        {mtError, {mbOK}, MB_OK | MB_ICONERROR, L"Error"},
        {mtInformation, {mbOK, mbCancel}, MB_OKCANCEL | MB_ICONINFORMATION, L"Information"},
        {mtWarning, {mbYes, mbNo}, MB_YESNO | MB_ICONWARNING, L"Warning"},
        {mtConfirmation, {mbAbort, mbRetry, mbIgnore}, MB_ABORTRETRYIGNORE | MB_ICONQUESTION, L"Confirm"},
        {mtCustom, {mbOK, mbHelp}, MB_OK | MB_HELP, nullptr},
        {mtCustom, {}, MB_OK, nullptr},
    };
    for (const Case &c : cases) {
        boxes.clear();
        MessageDlg(L"x", c.type, c.buttons, 0);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].flags, c.flags) << boxes[0].caption;
        EXPECT_EQ(boxes[0].caption, c.caption ? c.caption : ApplicationTitle());
    }
}

TEST_F(WindowsTest, HookScopesRestoreWhatWasThereBefore) {
    std::vector<std::wstring> calls;
    {
        TMessageBoxHookScope inner([&](HWND, const std::wstring &text, const std::wstring &, UINT) {
            calls.push_back(L"inner:" + text);
            return IDCANCEL;
        });
        EXPECT_EQ(MessageDlg(L"a", mtCustom, {mbOK, mbCancel}, 0), mrCancel);
    }
    MessageBoxHook(nullptr, L"b", L"", MB_OK);
    EXPECT_EQ(calls, std::vector<std::wstring>{L"inner:a"});
    ASSERT_EQ(boxes.size(), 1u); // the fixture's hook is back
    EXPECT_EQ(boxes[0].text, L"b");

    {
        TExceptionHandlerScope scope([](std::exception_ptr) {});
        TExceptionHandler current = SetApplicationExceptionHandler(nullptr);
        EXPECT_TRUE(current);
        SetApplicationExceptionHandler(current);
    }
    EXPECT_FALSE(SetApplicationExceptionHandler(nullptr)); // the default again
}
