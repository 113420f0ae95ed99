// The whole ribbon model: tabs, the control classes and their collections.
#pragma once
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControl.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonLists.h"
#include "framework/ribbon/RibbonTab.h"

namespace framework {

// Enters the ribbon classes (the Backstage's with them) in the class registry, so that module forms
// can name them, and gives every add-in object created from then on its ribbon. Called by the unit
// start-up of a module that holds ribbon tabs (registration in a static initialiser would be dropped
// by the linker), or through InstallFramework; calling it again does no harm.
void RegisterRibbonClasses();

} // namespace framework
