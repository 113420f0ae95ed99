// The task panes as the module and the add-in object drive them: the pane definitions the module
// streams as "TaskPanes" and their live panes in the host's windows. core holds the engine through
// this interface; the task-pane floor implements it and installs its maker. Without a maker the
// module has no engine: it streams no "TaskPanes" and makes no pane.
#pragma once
#include <windows.h>

#include <memory>

#include "classlib/Collection.h"
#include "framework/core/EngineMaker.h"

namespace framework {

class TzidCOMAddInModule;

class IzidTaskPanesEngine {
public:
    virtual ~IzidTaskPanesEngine() = default;

    // The module's pane definitions, streamed as "TaskPanes".
    virtual classlib::TCollection *Panes() const noexcept = 0;
    // Drops every definition, deleting their live panes in the host; failures are reported.
    virtual void ClearTaskPanes() noexcept = 0;
    // The panes of the windows the host has open at start-up complete.
    virtual void CreateStartupTaskPanes() = 0;
    // The panes of the windows the host shows when it hands over its task-pane factory.
    virtual void CreatePanesForOpenWindows() = 0;
    // Kind: 0 a host window, 1 an Outlook explorer, 2 an Outlook inspector.
    virtual void CreatePanesForWindow(IDispatch *Window, int Kind) = 0;
    // The live panes of a window that closes (Outlook explorers and inspectors).
    virtual void DeletePanesForWindow(IDispatch *Window) = 0;
    // Word: the definitions with live panes make them again for the windows Word has now.
    virtual void RecreatePaneInstances() = 0;
};

using TzidTaskPanesEngineMaker = TzidEngineMaker<IzidTaskPanesEngine, TzidCOMAddInModule>;

} // namespace framework
