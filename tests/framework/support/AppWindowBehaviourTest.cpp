// The application window's reactions: what reaches the owner's container, and what goes to the log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LogTestKit.h"
#include "classlib/HiddenWindow.h"
#include "framework/support/SupportUnits.h"
#include "framework/support/WindowMessages.h"

using namespace framework;
using namespace supporttest;

namespace {

struct TSent {
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};

class TFakeOwner : public TAppWindowOwner {
public:
    HWND Handle() const override { return reinterpret_cast<HWND>(0x1234); }
    bool Visible() const override { return visible; }
    HWND ContainerWindow() const override { return container.Handle(); }

    bool visible = false;
    std::vector<TSent> sent;
    classlib::THiddenWindow container{[this](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_ZID_READING_PANE_HIDE_FROM_SBCLS || message == WM_ZID_DESTROY_EMBEDED_WINDOW)
            sent.push_back({message, wParam, lParam});
        return 0;
    }};
};

class TFakeWindow : public TAppWindow {
public:
    std::wstring Name() const override { return L"pane"; }
    HWND Handle() const override { return reinterpret_cast<HWND>(0x5678); }
    TAppWindowOwner *Owner() const override { return owner; }

    TAppWindowOwner *owner = nullptr;
};

// The texts of the process log's lines, newest first: the lines the test wrote.
std::vector<std::wstring> LogTexts() {
    std::vector<std::wstring> texts;
    for (const std::wstring &line : LogLines(ReportOf(GetLog().Get())))
        texts.push_back(TextOf(line));
    return texts;
}

// A window of an owner (a window without one is made by the test itself).
class AppWindowBehaviourTest : public ProcessLogTest {
protected:
    AppWindowBehaviourTest() { window.owner = &owner; }
    TFakeOwner owner;
    TFakeWindow window;
};

} // namespace

TEST_F(AppWindowBehaviourTest, ParentNotifyReachesTheContainerOnlyWhileTheOwnerIsHidden) {
    TAppWindowBehaviour behaviour;
    behaviour.WMParentNotify(window);
    ASSERT_EQ(owner.sent.size(), 1u);
    EXPECT_EQ(owner.sent[0].WParam, reinterpret_cast<WPARAM>(owner.Handle()));
    EXPECT_EQ(owner.sent[0].LParam, 10);
    EXPECT_EQ(LogTexts(),
              std::vector<std::wstring>{L"AppWindow.wndproc: WM_PARENTNOTIFY - "
                                        L"SendMessage(WM_ZID_READING_PANE_HIDE_FROM_SBCLS) pane"});

    owner.visible = true;
    behaviour.WMParentNotify(window);
    EXPECT_EQ(owner.sent.size(), 1u);
}

TEST_F(AppWindowBehaviourTest, DestroyTellsTheContainerWhichWindowWent) {
    TAppWindowBehaviour().WMDestroy(window);
    ASSERT_EQ(owner.sent.size(), 1u);
    EXPECT_EQ(owner.sent[0].Message, WM_ZID_DESTROY_EMBEDED_WINDOW);
    EXPECT_EQ(owner.sent[0].WParam, reinterpret_cast<WPARAM>(owner.Handle()));
    EXPECT_EQ(owner.sent[0].LParam, reinterpret_cast<LPARAM>(window.Handle()));
    EXPECT_EQ(LogTexts(), (std::vector<std::wstring>{
                              L"TAppWindow.WndProc.WM_DESTROY send WM_ZID_DESTROY_EMBEDED_WINDOW pane",
                              L"TAppWindowBehaviour.WM_DESTROY"}));
}

TEST_F(AppWindowBehaviourTest, WindowWithoutOwnerIsLoggedAsAnError) {
    window.owner = nullptr;
    TAppWindowBehaviour behaviour;
    behaviour.WMParentNotify(window);
    behaviour.WMDestroy(window);
    EXPECT_EQ(LogTexts(), (std::vector<std::wstring>{
                              L"*!* TAppWindow.FOwner = nil",
                              L"TAppWindow.WndProc.WM_DESTROY send WM_ZID_DESTROY_EMBEDED_WINDOW pane",
                              L"TAppWindowBehaviour.WM_DESTROY", L"*!* TAppWindow.FOwner = nil"}));
}
