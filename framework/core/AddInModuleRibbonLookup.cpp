// The look-up of the module's ribbon objects by their Id.
#include "framework/core/AddInModule.h"
#include "framework/core/RibbonObject.h"

namespace framework {

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
