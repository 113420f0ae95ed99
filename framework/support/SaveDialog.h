// The system's save dialog behind a replaceable hook, so that no test ever waits for a user.
#pragma once
#include "classlib/HookScope.h"

#include <windows.h>

#include <functional>
#include <string>

namespace framework {

// Asks for a file name to save under: filter as "description|pattern" pairs joined by '|'
// ("Text files (*.txt)|*.TXT"), defaultExt added to a name typed without one. True with the chosen
// name in fileName; false when the user cancelled. Raises EOleSysError when the dialog fails.
bool RunSaveDialog(HWND owner, const std::wstring &filter, const std::wstring &defaultExt,
                   std::wstring &fileName);

// What RunSaveDialog goes through; the same parameters and result.
using TSaveDialogHook = std::function<bool(HWND owner, const std::wstring &filter,
                                           const std::wstring &defaultExt, std::wstring &fileName)>;
// Installs hook (empty: the system's dialog) and returns the previous one.
TSaveDialogHook SetSaveDialogHook(TSaveDialogHook hook);
using TSaveDialogHookScope = classlib::THookScope<TSaveDialogHook, SetSaveDialogHook>;

} // namespace framework
