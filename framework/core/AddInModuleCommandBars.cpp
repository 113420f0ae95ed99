// The module's command bars in the host, and the look-up of its ribbon objects. The building of bars
// and controls in the host is not there yet: nothing is built, and only what a bar or control finds
// in the host is bound.
#include "framework/core/AddInModule.h"
#include "framework/core/RibbonObject.h"

namespace framework {

void TzidCOMAddInModule::CreateCommandBars() {}

void TzidCOMAddInModule::CreateControl(TzidCommandBarControl *, TzidCustomCommandBar *,
                                       TzidCommandBarPopup *) {}

void TzidCOMAddInModule::RestoreExplorerBarPositions() {}

void TzidCOMAddInModule::ReleaseCommandBars() {
    commandBars_.Reset();
}

classlib::TObject *TzidCOMAddInModule::FindRibbonObject(const std::wstring &Id) const {
    int index = ribbonIds_.IndexOf(Id);
    if (index >= 0)
        return ribbonIds_.Objects(index);
    // The list is keyed without regard to letter case and may hold an entry under an older name:
    // the objects themselves decide, by their exact Id.
    for (int i = 0; i < ribbonIds_.Count(); ++i) {
        classlib::TObject *object = ribbonIds_.Objects(i);
        if (auto *node = dynamic_cast<IzidRibbonObject *>(object); node != nullptr && node->Id() == Id)
            return object;
    }
    return nullptr;
}

} // namespace framework
