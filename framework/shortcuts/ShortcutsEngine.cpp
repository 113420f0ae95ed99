#include "framework/shortcuts/ShortcutsEngine.h"

#include <utility>

#include "framework/core/AddInModule.h"
#include "framework/shortcuts/NativeWindows.h"
#include "framework/shortcuts/Shortcuts.h"

namespace framework {

namespace {

std::unique_ptr<IzidShortcutsEngine> MakeEngine(TzidCOMAddInModule &Module) {
    return std::make_unique<TzidShortcutsEngine>(Module);
}

} // namespace

void InstallShortcuts() {
    TzidShortcutsEngineMaker::Install(&MakeEngine);
}

TzidShortcutsEngine::~TzidShortcutsEngine() {
    RemoveKeyboardHook(&module_);
    SetColorWindow(nullptr);
    SetNativeWindow(nullptr);
    shortcutList_.reset();
}

classlib::TComponent *TzidShortcutsEngine::NativeWindow() const {
    return nativeWindow_;
}

classlib::TComponent *TzidShortcutsEngine::ColorWindow() const {
    return colorWindow_;
}

void TzidShortcutsEngine::SetNativeWindow(TzidNativeWindow *Value) {
    if (Value != nativeWindow_)
        delete std::exchange(nativeWindow_, Value);
}

void TzidShortcutsEngine::SetColorWindow(TzidNativeColorWindow *Value) {
    if (Value != colorWindow_)
        delete std::exchange(colorWindow_, Value);
}

classlib::TStringList *TzidShortcutsEngine::ShortcutList() {
    if (!shortcutList_)
        shortcutList_ = std::make_unique<classlib::TStringList>();
    return shortcutList_.get();
}

} // namespace framework
