// The shortcuts floor over the command-bar tests' fixture: the modules made here have their bars'
// keyboard shortcuts.
#include "framework/shortcuts/ShortcutsEngine.h"

namespace {

const bool installed = (framework::InstallShortcuts(), true);

} // namespace
