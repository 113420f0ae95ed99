#include "framework/Framework.h"

#include "framework/commandbars/CommandBarModel.h"
#include "framework/events/EventClasses.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "framework/windows/HostWindowsEngine.h"

namespace framework {

void InstallFramework() {
    RegisterRibbonClasses();
    InstallTaskPanes();
    RegisterHostEventClasses();
    RegisterCommandBarClasses();
    InstallShortcuts();
    InstallHostWindows();
}

} // namespace framework
