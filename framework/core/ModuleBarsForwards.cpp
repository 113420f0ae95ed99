// The module's and the factory's command-bar operations, handed to the module's bars engine. Without
// an engine a module has no way to build bars, and nothing of its bars to take out of a host.
#include "framework/core/AddInModule.h"
#include "framework/core/Factory.h"

namespace framework {

void TzidCOMAddInModule::CreateCommandBars() {
    if (bars_)
        bars_->CreateCommandBars();
}

void TzidCOMAddInModule::CreateCommandBar(TzidCustomCommandBar *Bar) {
    if (bars_)
        bars_->CreateCommandBar(Bar);
}

void TzidCOMAddInModule::CreateControl(TzidCommandBarControl *Control, TzidCustomCommandBar *Bar,
                                       TzidCommandBarPopup *Parent) {
    if (bars_)
        bars_->CreateControl(Control, Bar, Parent);
}

// The host's CommandBars are the module's own state: they are dropped with or without an engine.
void TzidCOMAddInModule::ReleaseCommandBars() {
    if (bars_)
        bars_->ReleaseCommandBars();
    commandBars_.Reset();
}

void TzidCOMAddInModule::SaveExplorerBarPositions() {
    if (bars_)
        bars_->SaveExplorerBarPositions();
}

void TzidCOMAddInModule::RestoreExplorerBarPositions() {
    if (bars_)
        bars_->RestoreExplorerBarPositions();
}

void TzidCOMAddInModule::RemoveCommandBarsFromHost(bool WindowBars) {
    if (bars_)
        bars_->RemoveCommandBarsFromHost(WindowBars);
}

void TzidCOMAddInModule::RemoveCommandBarsOnUnload() {
    if (bars_)
        bars_->RemoveCommandBarsOnUnload();
}

void TzidFactory::RemoveHostControls(TzidCOMAddInModule &Module, TzidOfficeHostApp Host,
                                     const std::vector<std::wstring> &BarNames,
                                     const std::vector<TzidRecordedControl> &ControlTags) {
    if (IzidModuleBarsEngine *bars = Module.BarsEngine())
        bars->RemoveHostControls(Host, BarNames, ControlTags);
}

} // namespace framework
