// What the module asks of its keyboard shortcuts and hidden windows. The floor that owns the keyboard
// hook, the shortcut list and the hidden windows implements it and installs its maker; a module made
// while no maker is installed has no engine, and then no shortcut window, no colour-scheme window and
// no hook.
#pragma once
#include <memory>

#include "framework/core/EngineMaker.h"

namespace classlib {
class TComponent;
class TStringList;
} // namespace classlib

namespace framework {

class TzidCOMAddInModule;

class IzidShortcutsEngine {
public:
    virtual ~IzidShortcutsEngine() = default;

    // HandleShortcuts has changed outside design time: true makes the shortcut window and installs the
    // hook; false removes both.
    virtual void HandleShortcutsChanged(bool Value) = 0;
    // Drops the hook and shortcut window, makes a new window (named by a new GUID) and installs the hook.
    virtual void MakeShortcutWindow() = 0;
    // Replaces the colour-scheme window by a new one.
    virtual void MakeColorWindow() = 0;
    // Upper-cased shortcut texts, each with its button as object; made on first use.
    virtual classlib::TStringList *ShortcutList() = 0;
    // ShortcutList rebuilt from the bars usable in the host's active window.
    virtual classlib::TStringList &BuildShortcutList() = 0;
    virtual classlib::TComponent *NativeWindow() const = 0;
    virtual classlib::TComponent *ColorWindow() const = 0;
};

// Makes the engine of a new module; installed by the floor that defines it.
using TzidShortcutsEngineMaker = TzidEngineMaker<IzidShortcutsEngine, TzidCOMAddInModule>;

} // namespace framework
