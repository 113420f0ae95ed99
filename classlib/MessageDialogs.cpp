#include "classlib/MessageDialogs.h"

#include "classlib/Application.h"

#include <utility>

namespace classlib {

namespace {

TMessageBoxHook &CurrentHook() {
    static TMessageBoxHook hook;
    return hook;
}

UINT ButtonFlags(TMsgDlgButtons b) {
    if (b.Contains(mbYes) || b.Contains(mbNo))
        return b.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (b.Contains(mbAbort) || b.Contains(mbIgnore))
        return MB_ABORTRETRYIGNORE;
    if (b.Contains(mbRetry))
        return MB_RETRYCANCEL;
    return b.Contains(mbCancel) ? MB_OKCANCEL : MB_OK;
}

UINT IconFlags(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return MB_ICONWARNING;
    case mtError:
        return MB_ICONERROR;
    case mtInformation:
        return MB_ICONINFORMATION;
    case mtConfirmation:
        return MB_ICONQUESTION;
    default:
        return 0;
    }
}

std::wstring TypeCaption(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return L"Warning";
    case mtError:
        return L"Error";
    case mtInformation:
        return L"Information";
    case mtConfirmation:
        return L"Confirm";
    default:
        return ApplicationTitle();
    }
}

} // namespace

TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook) {
    return std::exchange(CurrentHook(), std::move(hook));
}

int MessageBoxHook(HWND owner, const std::wstring &text, const std::wstring &caption, UINT flags) {
    // A copy: the hook may replace itself while it runs.
    TMessageBoxHook hook = CurrentHook();
    if (hook)
        return hook(owner, text, caption, flags);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

TModalResult MessageDlgCaption(const std::wstring &caption, const std::wstring &text, TMsgDlgType type,
                               TMsgDlgButtons buttons, int /*helpContext*/) {
    UINT flags = ButtonFlags(buttons) | IconFlags(type);
    if (buttons.Contains(mbHelp))
        flags |= MB_HELP;
    return MessageBoxHook(ApplicationHandle(), text, caption, flags);
}

TModalResult MessageDlg(const std::wstring &text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
    return MessageDlgCaption(TypeCaption(type), text, type, buttons, helpContext);
}

void ShowMessage(const std::wstring &text) {
    MessageBoxHook(ApplicationHandle(), text, ApplicationTitle(), MB_OK);
}

} // namespace classlib
