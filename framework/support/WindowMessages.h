// The framework's registered window messages: process-wide numbers, obtained once when the library
// is loaded, that every window of the process (and of other add-ins using the same names) shares.
#pragma once
#include <windows.h>

namespace framework {

// Posted by the keyboard hook to the module's shortcut window: wParam names the matched shortcut.
extern UINT WM_ZIDKEYDOWN;

} // namespace framework
