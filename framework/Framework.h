// The framework as one: the place above every floor that wires them in.
#pragma once

namespace framework {

// Registers every floor's classes by name (ribbon with the Backstage, task panes, host event
// components, command bars) and installs every engine maker (ribbon, task panes, module bars,
// shortcuts, host windows), so that the modules and add-in objects made from now on have them all.
// Call it before the first module's form is read.
void InstallFramework();

} // namespace framework
