// Message boxes, all through one replaceable hook: tests install a hook that records and answers,
// so that nothing ever waits for a user.
#pragma once
#include "classlib/HookScope.h"
#include "classlib/TypInfo.h"

#include <windows.h>

#include <functional>
#include <string>

namespace classlib {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
// The buttons a system message box can show.
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// The button that closed a dialog (the system's IDOK ... IDNO values); mrNone when the box could not
// be shown.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

// What every message box goes through: MessageBoxW's parameters and result.
using TMessageBoxHook =
    std::function<int(HWND owner, const std::wstring &text, const std::wstring &caption, UINT flags)>;
// Installs hook (empty: the default, MessageBoxW) and returns the previous one (empty when it was the
// default).
TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook);

// Installs a hook for the lifetime of the object, then puts the previous one back.
using TMessageBoxHookScope = THookScope<TMessageBoxHook, SetMessageBoxHook>;

// A MessageBoxW through the hook.
int MessageBoxHook(HWND owner, const std::wstring &text, const std::wstring &caption, UINT flags);

// A message box owned by the application window, captioned by its type ("Warning", "Error",
// "Information", "Confirm"; the application title for mtCustom). Buttons map to the nearest set a
// system message box has: Yes/No[/Cancel], Abort/Retry/Ignore, Retry/Cancel, OK[/Cancel]; mbHelp adds
// a Help button (which sends WM_HELP to the owner; helpContext is not otherwise used).
TModalResult MessageDlg(const std::wstring &text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
// The same with a caption of the caller's.
TModalResult MessageDlgCaption(const std::wstring &caption, const std::wstring &text, TMsgDlgType type,
                               TMsgDlgButtons buttons, int helpContext);
// An OK box captioned with the application title.
void ShowMessage(const std::wstring &text);

} // namespace classlib
