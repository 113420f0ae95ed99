// What the framework keeps per process rather than per module: one process serves one started
// add-in module at a time.
#pragma once
#include <windows.h>

#include "framework/core/HostApps.h"

namespace framework {

// The host type of the module started last.
extern TzidOfficeHostApp HostKind;
// The host's main window, found among the thread's windows by its class (HostWindowClasses); null
// until found.
extern HWND HostMainWindow;
// The window class of a host's main window: "XLMAIN" for Excel, "VISIOA" for Visio, null for the
// hosts whose main window is not looked for.
const wchar_t *HostWindowClasses(TzidOfficeHostApp Host);

// Set while an Outlook explorer or inspector activation builds its bars: building them may activate
// a window again, and that activation is not handled inside the first.
extern bool WindowActivationBusy;

} // namespace framework
