// The engine's making and its letting go of the module's bars; the build is in ModuleBarBuild.cpp and
// the removal from a host in HostBarRemoval.cpp.
#include "framework/commandbars/ModuleBarsEngine.h"

#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInModule.h"

namespace framework {

namespace {

void UnbindControls(TzidCommandBarControls &Controls) {
    for (int i = 0; i < Controls.Count(); ++i) {
        TzidCommandBarControl &control = *Controls.Items(i);
        if (TzidCommandBarPopup *popup = control.AsCommandBarPopup())
            UnbindControls(*popup->Controls());
        control.BindOfficeControl(nullptr);
    }
}

} // namespace

std::unique_ptr<IzidModuleBarsEngine> TzidModuleBarsEngine::Make(TzidCOMAddInModule &Module) {
    return std::make_unique<TzidModuleBarsEngine>(Module);
}

void UnbindBar(TzidCustomCommandBar &Bar) {
    UnbindControls(*Bar.Controls());
    Bar.SetCommandBarInterface(nullptr);
}

// The bars of the host's (not the Outlook windows') command bars lose their Office side; Access's next
// database gets them built again. The module drops the host's CommandBars after this.
void TzidModuleBarsEngine::ReleaseCommandBars() {
    const TzidOfficeHostApp host = module_.HostType();
    for (int i = 0; i < module_.ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidCustomCommandBar *>(module_.Components(i));
        if (bar == nullptr || dynamic_cast<TzidOlInspectorCustomCommandBar *>(bar) != nullptr ||
            (host == ohaOutlook && dynamic_cast<TzidOlExplorerCustomCommandBar *>(bar) != nullptr) ||
            !bar->SupportedApps().Contains(host))
            continue;
        UnbindBar(*bar);
    }
}

} // namespace framework
