// The module's command bars in the host, and the look-up of its ribbon objects. The module's form
// holds no command-bar or ribbon class yet, so there is nothing to build, bind or find beyond the
// ribbon id list.
#include "framework/core/AddInModule.h"

namespace framework {

void TzidCOMAddInModule::CreateCommandBars() {}

void TzidCOMAddInModule::RestoreExplorerBarPositions() {}

void TzidCOMAddInModule::ReleaseCommandBars() {
    commandBars_.Reset();
}

classlib::TObject *TzidCOMAddInModule::FindRibbonObject(const std::wstring &Id) const {
    int index = ribbonIds_.IndexOf(Id);
    return index >= 0 ? ribbonIds_.Objects(index) : nullptr;
}

} // namespace framework
