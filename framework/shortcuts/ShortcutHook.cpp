// The thread keyboard hook, and the engine steps that make and remove it with the hidden windows.
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/shortcuts/NativeWindows.h"
#include "framework/shortcuts/Shortcuts.h"
#include "framework/shortcuts/ShortcutsEngine.h"

namespace framework {

HHOOK KeyboardHook = nullptr;
const void *KeyboardHookOwner = nullptr;
TNextHookCall CallNextKeyboardHook = &CallNextHookEx;

void RemoveKeyboardHook(const void *Owner) noexcept {
    if (Owner != nullptr && Owner != KeyboardHookOwner)
        return;
    if (HHOOK hook = KeyboardHook) {
        KeyboardHook = nullptr;
        KeyboardHookOwner = nullptr;
        UnhookWindowsHookEx(hook);
    }
}

namespace {

bool Down(int Key) {
    return (GetKeyState(Key) & 0x8000) != 0;
}

// One key stroke: true when it is taken (a shortcut posted for its click, or OnKeyDown handled it).
bool TakeKeyStroke(int Code, WPARAM wParam, LPARAM lParam) {
    TzidCOMAddInModule *module = CurrentModule();
    if (Code != HC_ACTION || wParam == 0 || lParam == 0 || module == nullptr)
        return false;
    auto *window = dynamic_cast<TzidNativeWindow *>(module->NativeWindow());
    bool hasWindow = window != nullptr && window->Handle() != nullptr;
    if (!hasWindow && !module->OnKeyDown)
        return false;
    bool ctrl = Down(VK_LCONTROL) || Down(VK_RCONTROL);
    bool shift = Down(VK_LSHIFT) || Down(VK_RSHIFT);
    bool alt = Down(VK_LMENU) || Down(VK_RMENU);
    // Repeats of a held key and releases are passed on untouched.
    if ((static_cast<DWORD>(lParam) & 0xC0000000u) != 0)
        return false;
    bool modifier = wParam == VK_SHIFT || wParam == VK_CONTROL || wParam == VK_MENU;
    if (!modifier && hasWindow) {
        std::wstring text = UpperCaseAZ(FormatShortcut(ctrl, shift, alt, static_cast<WORD>(wParam)));
        classlib::TStringList &list = module->BuildShortcutList();
        int index = list.IndexOf(text);
        if (index != -1) {
            auto *button = dynamic_cast<TzidCommandBarButton *>(list.Objects(index));
            if (button != nullptr && window->PostShortcut(list.Strings(index), button))
                return true;
        }
    }
    if (!module->OnKeyDown)
        return false;
    TzidKeyDownEventArgs args;
    args.Ctrl = ctrl;
    args.Alt = alt;
    args.Shift = shift;
    args.KeyData = static_cast<DWORD>(lParam);
    args.VirtualKey = static_cast<DWORD>(wParam);
    // What the handler raises goes on to the hook, which hands the key on untouched.
    TzidHandlerCall call(module, nullptr);
    module->OnKeyDown(nullptr, args);
    return args.Handled;
}

} // namespace

LRESULT CALLBACK KeyboardHookProc(int Code, WPARAM wParam, LPARAM lParam) {
    bool taken = false;
    if (Code >= 0) {
        try {
            taken = TakeKeyStroke(Code, wParam, lParam);
        } catch (...) {
            // The key goes on to the host as if the hook were not there.
            classlib::TraceException(L"Shortcuts", L"The keyboard hook");
            taken = false;
        }
    }
    // The other hooks of the thread hear every key stroke, also one taken here.
    LRESULT next = CallNextKeyboardHook(KeyboardHook, Code, wParam, lParam);
    return taken ? 1 : next;
}

void TzidShortcutsEngine::HandleShortcutsChanged(bool Value) {
    if (Value) {
        MakeShortcutWindow();
    } else {
        RemoveKeyboardHook(&module_);
        SetNativeWindow(nullptr);
    }
}

void TzidShortcutsEngine::MakeShortcutWindow() {
    RemoveKeyboardHook();
    SetNativeWindow(nullptr);
    SetNativeWindow(new TzidNativeWindow(&module_, NewWindowName()));
    KeyboardHook = SetWindowsHookExW(WH_KEYBOARD, &KeyboardHookProc, nullptr, GetCurrentThreadId());
    KeyboardHookOwner = KeyboardHook != nullptr ? &module_ : nullptr;
    if (KeyboardHook == nullptr)
        classlib::Trace(L"Shortcuts", L"The keyboard hook could not be installed");
}

void TzidShortcutsEngine::MakeColorWindow() {
    SetColorWindow(nullptr);
    SetColorWindow(new TzidNativeColorWindow(&module_, NewWindowName()));
}

} // namespace framework
