// The module's ribbon bookkeeping: the look-up of its ribbon objects by their Id, and the host's
// IRibbonUI objects it keeps.
#include <algorithm>

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

void TzidCOMAddInModule::SetRibbonUI(classlib::ComPtr<IRibbonUI> Value) {
    const bool kept = std::any_of(ribbonUIs_.begin(), ribbonUIs_.end(), [&](const auto &Ribbon) {
        return classlib::SameComObject(Ribbon.Get(), Value.Get());
    });
    if (Value && !kept)
        ribbonUIs_.push_back(Value);
    ribbonUI_ = std::move(Value);
}

void TzidCOMAddInModule::ReleaseRibbonUIs() {
    ribbonUI_.Reset();
    ribbonUIs_.clear();
}

} // namespace framework
