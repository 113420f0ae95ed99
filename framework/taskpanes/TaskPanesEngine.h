// The module's task-pane engine: it holds the module's pane definitions and makes and drops their
// live panes for the host's windows, at start-up complete, when the host hands over its task-pane
// factory and on the window events the add-in object follows.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/core/TaskPanesEngine.h"
#include "framework/taskpanes/TaskPanes.h"

namespace framework {

class TzidTaskPanesEngine : public IzidTaskPanesEngine {
public:
    // Panes: the definitions' collection to hold (a TzidCustomTaskPanes of Module when null).
    explicit TzidTaskPanesEngine(TzidCOMAddInModule &Module,
                                 std::unique_ptr<TzidCustomTaskPanes> Panes = nullptr);

    classlib::TCollection *Panes() const noexcept override { return panes_.get(); }
    void ClearTaskPanes() noexcept override;
    void CreateStartupTaskPanes() override;
    void CreatePanesForOpenWindows() override;
    void CreatePanesForWindow(IDispatch *Window, int Kind) override;
    void DeletePanesForWindow(IDispatch *Window) override;
    void RecreatePaneInstances() override;

private:
    // Outlook: the panes of the explorers and inspectors the add-in follows.
    void CreatePanesForFollowedWindows();
    // Whether the module is still its add-in object's: a pane's handler may have unloaded the add-in
    // while the windows are walked, and the walk then makes no further pane.
    bool Connected() const noexcept;
    // CreatePanesForWindow while the module is connected.
    void PanesForWindow(IDispatch *Window, int Kind = zidPaneWindowHost);

    TzidCOMAddInModule &module_;
    std::unique_ptr<TzidCustomTaskPanes> panes_;
};

// Enters the task-pane classes and makes every module created from now on hold a task-pane engine.
void InstallTaskPanes();

} // namespace framework
