// Keyboard shortcuts of the module's buttons: a thread keyboard hook matches each key stroke against
// the buttons' shortcut texts and caption accelerators of the bars usable in the host's active window,
// and has the match clicked from the module's shortcut window once the hook has returned. Every other
// key stroke is offered to the module's OnKeyDown.
#pragma once
#include <windows.h>

#include <string>

namespace framework {

class TzidCOMAddInModule;
class TzidCommandBarButton;

// What OnKeyDown receives (Sender nil); a handler that sets Handled swallows the key.
struct TzidKeyDownEventArgs {
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
    bool Handled = false;
    DWORD KeyData = 0;    // the hook's key-stroke flags
    DWORD VirtualKey = 0; // the virtual-key code
};

// "Ctrl+Shift+Alt+<key>" (modifiers in that order, each only when down), the key by its name: letters
// and digits as themselves, keypad digits as the digit, "F1".."F24", German names for the editing and
// moving keys, the system's key name for the rest.
std::wstring FormatShortcut(bool Ctrl, bool Shift, bool Alt, WORD VirtualKey);
// Upper case of the letters a to z only; every other character stays.
std::wstring UpperCaseAZ(std::wstring Text);

// The thread keyboard hook of the module's shortcuts; null when none is installed. One process serves
// one connected module, so the handle is the process's.
extern HHOOK KeyboardHook;
// The module whose shortcuts the hook serves; null when there is no hook.
extern const void *KeyboardHookOwner;
// Removes the hook when one is installed and, given an Owner, only when it is that module's: a
// module that goes must not take another module's hook with it.
void RemoveKeyboardHook(const void *Owner = nullptr) noexcept;

// The hook procedure: installed per thread with SetWindowsHookExW(WH_KEYBOARD). Always calls the next
// hook; answers 1 for a key stroke it took (a matched shortcut, or one OnKeyDown handled).
LRESULT CALLBACK KeyboardHookProc(int Code, WPARAM wParam, LPARAM lParam);
// How the hook hands a key stroke on (CallNextHookEx); replaceable, so that the hand-on can be watched
// where no system input reaches the hook.
using TNextHookCall = LRESULT(WINAPI *)(HHOOK, int, WPARAM, LPARAM);
extern TNextHookCall CallNextKeyboardHook;

// The click of Button, matched by Text during a key stroke: refreshes Office's Enabled, and for a
// caption accelerator requires a usable bar (not in a popup); failures of the action go to DoError.
void ClickShortcut(TzidCOMAddInModule &Module, const std::wstring &Text, TzidCommandBarButton &Button);

} // namespace framework
