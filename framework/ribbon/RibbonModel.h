// The whole ribbon model: tabs, the control classes and their collections.
#pragma once
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControl.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonLists.h"
#include "framework/ribbon/RibbonTab.h"

namespace framework {

// Enters the ribbon classes in the class registry, so that module forms can name them, gives every
// module created from then on its task-pane collection and every add-in object its ribbon. Called by
// the unit start-up of a module that holds ribbon tabs or task panes (registration in a static
// initialiser would be dropped by the linker); calling it again does no harm.
void RegisterRibbonClasses();

} // namespace framework
