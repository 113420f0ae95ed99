// The whole Backstage model: the view that the module holds and every class below it.
#pragma once
#include "framework/ribbon/backstage/BackstageButtons.h"
#include "framework/ribbon/backstage/BackstageContent.h"
#include "framework/ribbon/backstage/BackstageInputs.h"
#include "framework/ribbon/backstage/BackstageMenus.h"
#include "framework/ribbon/backstage/BackstageTabs.h"
#include "framework/ribbon/backstage/BackstageTasks.h"
#include "framework/ribbon/backstage/BackstageView.h"

namespace framework {

// Enters the Backstage view and its classes in the class registry, so that module forms can name
// them and containers can make them by class code (22-49). RegisterRibbonClasses calls it; calling it
// again does no harm.
void RegisterBackstageClasses();

} // namespace framework
