// The module's command-bar engine as core drives it: building the module's bars in the connected host,
// taking them out again (on the user's unload and on unregistration), letting go of them, and keeping
// the places of Outlook's explorer bars. The command-bar floor implements it; a module made while no
// maker is installed has no engine, and then none of these has anything to do.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/core/EngineMaker.h"
#include "framework/core/HostApps.h"

namespace framework {

class TzidCOMAddInModule;
class TzidCustomCommandBar;
class TzidCommandBarControl;
class TzidCommandBarPopup;
struct TzidRecordedControl;

class IzidModuleBarsEngine {
public:
    virtual ~IzidModuleBarsEngine() = default;

    // Builds every bar of the module for the connected host; a bar that fails goes to DoError.
    virtual void CreateCommandBars() = 0;
    // Builds one bar and its controls, reusing what the host has.
    virtual void CreateCommandBar(TzidCustomCommandBar *Bar) = 0;
    // The build step of one control (and a popup's children), as the module's CreateControl runs it.
    virtual void CreateControl(TzidCommandBarControl *Control, TzidCustomCommandBar *Bar,
                               TzidCommandBarPopup *Parent) = 0;
    // Unbinds the bars (except Outlook's window bars) from Office; nothing is deleted in the host.
    virtual void ReleaseCommandBars() = 0;
    virtual void SaveExplorerBarPositions() = 0;
    virtual void RestoreExplorerBarPositions() = 0;
    virtual void RemoveCommandBarsFromHost(bool WindowBars) = 0;
    virtual void RemoveCommandBarsOnUnload() = 0;
    // Unregistration's clean-up of one host (see TzidFactory::RemoveHostControls).
    virtual void RemoveHostControls(TzidOfficeHostApp Host, const std::vector<std::wstring> &BarNames,
                                    const std::vector<TzidRecordedControl> &ControlTags) = 0;
};

// Makes the engine of a module that is being constructed; installed by the command-bar floor.
using TzidModuleBarsEngineMaker = TzidEngineMaker<IzidModuleBarsEngine, TzidCOMAddInModule>;

} // namespace framework
