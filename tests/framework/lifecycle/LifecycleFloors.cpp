// The floors the life-cycle tests' modules and add-in objects have: the bars with their shortcuts, the
// windows that follow the host's, and the task panes.
#include "framework/commandbars/CommandBarModel.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "framework/windows/HostWindowsEngine.h"

namespace {

const bool installed = [] {
    framework::RegisterCommandBarClasses();
    framework::InstallShortcuts();
    framework::InstallHostWindows();
    framework::InstallTaskPanes();
    return true;
}();

} // namespace
