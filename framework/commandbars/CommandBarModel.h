// The command-bar model of the add-in module: its bars (plain and Outlook), their controls of every
// kind, and the registration of the classes a module's form creates by name.
#pragma once
#include <set>
#include <string>

#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarAdvancedControl.h"
#include "framework/commandbars/CommandBarButton.h"
#include "framework/commandbars/CommandBarComboBox.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarPopup.h"
#include "framework/commandbars/OutlookCommandBars.h"

namespace framework {

// Enters the bar classes in the class registry (forms create them by name), and the control
// classes with them, and installs the bars engine of the modules made from then on (the shortcuts
// floor installs the bars' keyboard shortcuts). Calling it again does no harm.
void RegisterCommandBarClasses();

// Adds every OfficeTag of Controls, popups' controls included, to Tags.
void CollectControlTags(const TzidCommandBarControls &Controls, std::set<std::wstring> &Tags);

// Unbinds Bar's controls from their Office controls (into popups) and the bar from its Office bar.
void UnbindBar(TzidCustomCommandBar &Bar);

} // namespace framework
