// The task panes as the add-in object and the module reach them: the host's task-pane factory is
// taken here, the panes themselves are the module's task-pane engine's. Without an engine there are
// no panes to make or drop.
#include "classlib/Trace.h"
#include "framework/core/AddInObject.h"

namespace framework {

namespace {

IzidTaskPanesEngine *PanesEngine(const std::unique_ptr<TzidCOMAddInModule> &Module) noexcept {
    return Module ? Module->TaskPanesEngine() : nullptr;
}

} // namespace

// The host hands over its task-pane factory once it can make panes, which may be before or after
// start-up complete.
HRESULT TdivAzore::CTPFactoryAvailable(ICTPFactory *CTPFactoryInst) {
    return EntryCall({L"AddIn", L"CTPFactoryAvailable"}, [&] {
        if (!module_)
            return;
        TzidCOMAddInModule &module = *module_;
        module.SetCTPFactory(classlib::ComPtr<ICTPFactory>::Copy(CTPFactoryInst));
        module.NotifyCTPFactoryAvailable();
        // Before start-up complete the start-up sequence makes the panes itself; a handler may have
        // unloaded the add-in.
        if (Connected(module) && module.ConnectCount() > 0)
            CreatePanesForOpenWindows();
    });
}

void TdivAzore::CreateStartupTaskPanes() {
    if (IzidTaskPanesEngine *panes = PanesEngine(module_))
        panes->CreateStartupTaskPanes();
}

void TdivAzore::CreatePanesForOpenWindows() {
    if (IzidTaskPanesEngine *panes = PanesEngine(module_))
        panes->CreatePanesForOpenWindows();
}

void TdivAzore::CreatePanesForWindow(IDispatch *Window, int Kind) {
    if (IzidTaskPanesEngine *panes = PanesEngine(module_))
        panes->CreatePanesForWindow(Window, Kind);
}

void TdivAzore::DeletePanesForWindow(IDispatch *Window) {
    if (IzidTaskPanesEngine *panes = PanesEngine(module_))
        panes->DeletePanesForWindow(Window);
}

void TdivAzore::RecreatePaneInstances() {
    if (IzidTaskPanesEngine *panes = PanesEngine(module_))
        panes->RecreatePaneInstances();
}

classlib::TCollection *TzidCOMAddInModule::TaskPanes() const {
    return taskPanesEngine_ ? taskPanesEngine_->Panes() : nullptr;
}

void TzidCOMAddInModule::ClearTaskPanes() noexcept {
    if (taskPanesEngine_)
        taskPanesEngine_->ClearTaskPanes();
}

} // namespace framework
