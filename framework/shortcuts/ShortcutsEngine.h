// The module's shortcuts engine: the shortcut list, the shortcut window with the keyboard hook, and
// the colour-scheme window, for as long as the module lives.
#pragma once
#include <memory>

#include "classlib/StringList.h"
#include "framework/core/ShortcutsEngine.h"

namespace framework {

class TzidNativeWindow;
class TzidNativeColorWindow;

class TzidShortcutsEngine final : public IzidShortcutsEngine {
public:
    explicit TzidShortcutsEngine(TzidCOMAddInModule &Module) : module_(Module) {}
    // Removes the module's hook, then frees the colour-scheme window, the shortcut window and the list.
    ~TzidShortcutsEngine() override;
    TzidShortcutsEngine(const TzidShortcutsEngine &) = delete;
    TzidShortcutsEngine &operator=(const TzidShortcutsEngine &) = delete;

    void HandleShortcutsChanged(bool Value) override;
    void MakeShortcutWindow() override;
    void MakeColorWindow() override;
    classlib::TStringList *ShortcutList() override;
    classlib::TStringList &BuildShortcutList() override;
    classlib::TComponent *NativeWindow() const override;
    classlib::TComponent *ColorWindow() const override;

private:
    // Each frees the previous window. The windows are components of the module, freed here before
    // the module frees its components.
    void SetNativeWindow(TzidNativeWindow *Value);
    void SetColorWindow(TzidNativeColorWindow *Value);

    TzidCOMAddInModule &module_;
    TzidNativeWindow *nativeWindow_ = nullptr;
    TzidNativeColorWindow *colorWindow_ = nullptr;
    std::unique_ptr<classlib::TStringList> shortcutList_;
};

// Every module created from now on has a shortcuts engine.
void InstallShortcuts();

} // namespace framework
