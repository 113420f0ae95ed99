// The engine's life with its module and the steps it takes for the add-in object's window events.
#include "framework/taskpanes/TaskPanesEngine.h"

#include "classlib/Classes.h"
#include "framework/core/AddInObject.h"

namespace framework {

TzidTaskPanesEngine::TzidTaskPanesEngine(TzidCOMAddInModule &Module,
                                         std::unique_ptr<TzidCustomTaskPanes> Panes)
    : module_(Module), panes_(Panes ? std::move(Panes) : std::make_unique<TzidCustomTaskPanes>(Module)) {}

void TzidTaskPanesEngine::ClearTaskPanes() noexcept {
    module_.RunGuarded([this] { panes_->Clear(); });
}

void TzidTaskPanesEngine::CreatePanesForWindow(IDispatch *Window, int Kind) {
    panes_->CreatePanesForWindow(Window, Kind);
}

void TzidTaskPanesEngine::DeletePanesForWindow(IDispatch *Window) {
    panes_->DeleteInstancesForWindow(Window);
}

void TzidTaskPanesEngine::RecreatePaneInstances() {
    panes_->RecreateInstances();
}

bool TzidTaskPanesEngine::Connected() const noexcept {
    const TdivAzore *addIn = module_.AddIn();
    return addIn != nullptr && addIn->Module() == &module_;
}

void TzidTaskPanesEngine::PanesForWindow(IDispatch *Window, int Kind) {
    if (Connected())
        CreatePanesForWindow(Window, Kind);
}

namespace {

std::unique_ptr<IzidTaskPanesEngine> MakeTaskPanesEngine(TzidCOMAddInModule &Module) {
    return std::make_unique<TzidTaskPanesEngine>(Module);
}

} // namespace

void InstallTaskPanes() {
    classlib::RegisterClass(TzidCustomTaskPane::StaticClass());
    TzidTaskPanesEngineMaker::Install(&MakeTaskPanesEngine);
}

} // namespace framework
