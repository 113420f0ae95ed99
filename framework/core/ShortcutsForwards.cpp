// The module's shortcut and hidden-window members, handed to its shortcuts engine. Without an engine
// the module has no hidden window and no shortcut list, and making one does nothing.
#include "classlib/StringList.h"
#include "framework/core/AddInModule.h"
#include "framework/core/ShortcutsEngine.h"

namespace framework {

void TzidCOMAddInModule::SetHandleShortcuts(bool Value) {
    if (Value == handleShortcuts_)
        return;
    handleShortcuts_ = Value;
    if (ComponentState() & classlib::csDesigning)
        return;
    if (shortcuts_)
        shortcuts_->HandleShortcutsChanged(Value);
}

void TzidCOMAddInModule::MakeShortcutWindow() {
    if (shortcuts_)
        shortcuts_->MakeShortcutWindow();
}

void TzidCOMAddInModule::MakeColorWindow() {
    if (shortcuts_)
        shortcuts_->MakeColorWindow();
}

classlib::TComponent *TzidCOMAddInModule::NativeWindow() const {
    return shortcuts_ ? shortcuts_->NativeWindow() : nullptr;
}

classlib::TComponent *TzidCOMAddInModule::ColorWindow() const {
    return shortcuts_ ? shortcuts_->ColorWindow() : nullptr;
}

classlib::TStringList *TzidCOMAddInModule::ShortcutList() {
    return shortcuts_ ? shortcuts_->ShortcutList() : nullptr;
}

classlib::TStringList &TzidCOMAddInModule::BuildShortcutList() {
    if (shortcuts_)
        return shortcuts_->BuildShortcutList();
    // No engine, no shortcuts: an empty list, emptied again for each caller.
    static classlib::TStringList none;
    none.Clear();
    return none;
}

} // namespace framework
