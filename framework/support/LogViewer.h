// The log's viewer: a modal window that shows a report in a read-only text box and offers to save it
// through a "Save as ..." menu item (SaveDialog.h). Tests never see the modal loop: a hook receives
// the window instead, in the manner of the class library's message boxes.
#pragma once
#include "framework/support/HookScope.h"

#include <windows.h>

#include <functional>
#include <string>

namespace framework {

// The id of the "Save as ..." menu item (WM_COMMAND).
constexpr UINT LogWindowSaveCommand = 1;

// Shows report in a modal window titled caption, centred on the screen and owned by the
// application window; calls save with the file name the user chose through "Save as ...". Raises
// EOleSysError when the window cannot be created (as on a system without a display).
void ShowLogWindow(const std::wstring &caption, const std::wstring &report,
                   std::function<void(const std::wstring &fileName)> save);

// Receives the viewer window, created hidden, instead of the modal loop; the window is destroyed
// when the hook returns.
using TLogWindowHook = std::function<void(HWND window)>;
// Installs hook (empty: the modal loop) and returns the previous one.
TLogWindowHook SetLogWindowHook(TLogWindowHook hook);
using TLogWindowHookScope = THookScope<TLogWindowHook, SetLogWindowHook>;

} // namespace framework
