// The module's hidden windows: its entry points into the host's message loop. TzidNativeWindow runs
// the click of a matched keyboard shortcut after the hook has returned; TzidNativeColorWindow hears
// Office's broadcast of a colour-scheme change. Each window class is registered once per process.
//
// A hidden top-level window (tool window, popup style) is what Office's broadcast reaches; where the
// system refuses one (Wine without a display) the window is made message-only instead, which still
// takes posted and sent messages; after one refusal the process asks for no top-level window again.
#pragma once
#include <windows.h>

#include <map>
#include <string>

#include "classlib/Component.h"

namespace framework {

class TzidCOMAddInModule;
class TzidCommandBarButton;

// The module the hidden windows were made for last; once the last hidden window of that module has
// gone, the module of the newest hidden window left (null when none is left), so it never names a
// freed module. The keyboard hook reaches the module through it.
TzidCOMAddInModule *CurrentModule();

class TzidNativeWindowBase : public classlib::TComponent {
    CLASSLIB_CLASS(TzidNativeWindowBase)
public:
    // The module owns its hidden windows for their lifetime; its form does not describe them.
    bool HasParent() const override { return true; }
    // Registers ClassName when the process has no such class yet (EOutOfResources "Error creating
    // window class" when that fails) and makes the window; a window the system refuses leaves
    // Handle() null, which callers treat as no window.
    TzidNativeWindowBase(TzidCOMAddInModule *AOwner, const wchar_t *ClassName,
                         const std::wstring &WindowName);
    ~TzidNativeWindowBase() override;

    HWND Handle() const { return handle_; }
    TzidCOMAddInModule *Module() const { return module_; }
    // Whether the system refused a top-level window and a message-only one stands in.
    bool MessageOnly() const { return messageOnly_; }

protected:
    // The window's own messages: true when Result is the answer and the default handling is skipped.
    // The object may be freed by what runs here: nothing after it may touch the object.
    virtual bool WndProc(UINT Message, WPARAM wParam, LPARAM lParam, LRESULT &Result) = 0;

private:
    static LRESULT CALLBACK Procedure(HWND Window, UINT Message, WPARAM wParam, LPARAM lParam);

    TzidCOMAddInModule *module_;
    HWND handle_ = nullptr;
    bool messageOnly_ = false;
};

// Runs the click of a shortcut the hook matched. The hook posts a number that names an entry of this
// window's table (the matched text and button): the module's shortcut list may be rebuilt before the
// message arrives, and the button may be gone by then (its entry is cleared when it goes).
class TzidNativeWindow : public TzidNativeWindowBase {
    CLASSLIB_CLASS(TzidNativeWindow)
public:
    TzidNativeWindow(TzidCOMAddInModule *AOwner, const std::wstring &WindowName);
    ~TzidNativeWindow() override;

    // Posts WM_ZIDKEYDOWN for Button matched by Text (upper case); false when it could not be posted.
    bool PostShortcut(const std::wstring &Text, TzidCommandBarButton *Button);
    // Clears Button from the posted entries of every shortcut window of the process.
    static void ButtonGone(TzidCommandBarButton *Button) noexcept;
    // Entries posted and not yet handled.
    size_t PendingShortcuts() const { return posted_.size(); }

protected:
    bool WndProc(UINT Message, WPARAM wParam, LPARAM lParam, LRESULT &Result) override;

private:
    struct TPosted {
        std::wstring Text;
        TzidCommandBarButton *Button;
    };
    std::map<WPARAM, TPosted> posted_;
    WPARAM nextKey_ = 1;
};

// Hears Office's "WM_MSO_BROADCASTCHANGE" and reads the scheme from the user's Office settings.
class TzidNativeColorWindow : public TzidNativeWindowBase {
    CLASSLIB_CLASS(TzidNativeColorWindow)
public:
    TzidNativeColorWindow(TzidCOMAddInModule *AOwner, const std::wstring &WindowName);

    UINT BroadcastMessage() const { return broadcastMessage_; }
    // The stored scheme from "Theme" of the host version's Common key (unchanged when it cannot be
    // read); OnOfficeColorSchemeChanged unless the value equals the stored scheme.
    static void UpdateColorScheme(TzidCOMAddInModule &Module);

protected:
    bool WndProc(UINT Message, WPARAM wParam, LPARAM lParam, LRESULT &Result) override;

private:
    UINT broadcastMessage_ = 0;
};

// "{xxxxxxxx-...}": a new GUID in registry form, the hidden windows' names.
std::wstring NewWindowName();

} // namespace framework
