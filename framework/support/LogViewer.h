// The log's viewer: a modal window that shows a report in a read-only text box and offers to save it
// through a "Save as ..." menu item.
#pragma once
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

// What the "Save as ..." item does: asks for a file name through the save dialog (SaveDialog.h) and
// calls save with it; false when the user cancelled. A file that exists is replaced only when the
// user says so (a message box through classlib's hook); "No" shows the dialog again.
bool SaveLogAs(HWND owner, const std::function<void(const std::wstring &fileName)> &save);

} // namespace framework
